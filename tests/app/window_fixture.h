#pragma once

#include "app/edit_panel.h"
#include "app/main_window.h"
#include "app/prompts/scripted_prompts.h"
#include "speech/scripted_speech_engine.h"
#include "wordforms/word_forms_module.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace lexorama::app::test {

inline QString dataFile(const QString &relative)
{
    return QStringLiteral(LEXORAMA_TEST_DATA) + QLatin1Char('/') + relative;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

inline void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

/// Types text as key presses (QTest::keyClicks takes Latin-1 only).
inline void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

/// One word-form module for the whole run, as the program has one.
inline wordforms::WordFormsModule &wordForms()
{
    static wordforms::WordFormsModule module;
    return module;
}

/// Engines that speak nothing and record what they are asked; the last one made is kept.
inline std::shared_ptr<speech::ScriptedSpeechEngine> &lastEngine()
{
    static std::shared_ptr<speech::ScriptedSpeechEngine> engine;
    return engine;
}

inline speech::SpeechEngineFactory speechFactory()
{
    return [] {
        lastEngine() = std::make_shared<speech::ScriptedSpeechEngine>(std::vector<speech::VoiceInfo>{
            {"Русский", "ru"}, {"English", "en"}});
        return lastEngine();
    };
}

/// A main window with scripted prompts and its own settings file in a temporary folder.
class WindowFixture {
public:
    WindowFixture()
        : dir(std::make_unique<QTemporaryDir>()),
          window(std::make_unique<MainWindow>(prompts, wordForms(), speechFactory(), settingsPath().toStdString()))
    {
    }

    QString settingsPath() const { return dir->filePath(QStringLiteral("settings.xml")); }
    EditPanel *panel() const { return window->findChild<EditPanel *>(QStringLiteral("Panel4")); }
    QLineEdit *box(const char *name) const { return window->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    void openFile(const QString &path)
    {
        prompts.answerFile(path);
        window->menuAction(QStringLiteral("OpenFileMenuItem"))->trigger();
    }

    std::unique_ptr<QTemporaryDir> dir;
    ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> window;
};

} // namespace lexorama::app::test
