#include "window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QSlider>
#include <QToolBar>

using namespace lexorama;
using namespace lexorama::app;
using namespace lexorama::app::test;

namespace {

std::vector<std::string> spoken()
{
    std::vector<std::string> out;
    for (const std::string &call : lastEngine()->calls())
        if (call.starts_with("speak ") || call.starts_with("markup "))
            out.push_back(call);
    return out;
}

} // namespace

class MainWindowSpeechTest : public QObject {
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<WindowFixture>(); }
    void cleanup()
    {
        QVERIFY2(f->prompts.unexpected().isEmpty(), qPrintable(f->prompts.unexpected().join(QLatin1Char('\n'))));
        f.reset();
    }

    void voicesFillTheSelectorAndTheChoiceIsStored();
    void rateTrackBarSetsTheRateAndItsHint();
    void f3SpeaksTheTranscriptionUnlessItHasAForbiddenCharacter();
    void phonemeListPlaysFromTheCursorAndStops();
    void closingWhilePlayingEndsThePlayback();

private:
    std::unique_ptr<WindowFixture> f;
};

void MainWindowSpeechTest::voicesFillTheSelectorAndTheChoiceIsStored()
{
    auto *voices = f->window->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    QCOMPARE(voices->count(), 2);
    QCOMPARE(voices->itemText(0), QStringLiteral("Русский"));
    QCOMPARE(voices->currentIndex(), 0);
    voices->setCurrentIndex(1);
    emit voices->activated(1);
    QVERIFY(lastEngine()->calls().back() == "voice en");

    f->prompts.answerQuestion(true);
    QVERIFY(f->window->close());
    f->window = std::make_unique<MainWindow>(f->prompts, wordForms(), speechFactory(), f->settingsPath().toStdString());
    QCOMPARE(f->window->findChild<QComboBox *>(QStringLiteral("ComboBox1"))->currentIndex(), 1);
}

void MainWindowSpeechTest::rateTrackBarSetsTheRateAndItsHint()
{
    auto *rate = f->window->findChild<QSlider *>(QStringLiteral("VoiceRateTrackBar"));
    rate->setValue(5);
    QVERIFY(lastEngine()->calls().back() == "rate 5");
    QVERIFY(rate->toolTip().startsWith(QStringLiteral("5")));
}

void MainWindowSpeechTest::f3SpeaksTheTranscriptionUnlessItHasAForbiddenCharacter()
{
    f->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
    f->box("PhonemeEdit")->setText(QStringLiteral("sɐbˈakə"));
    lastEngine()->clearCalls();
    QTest::keyClick(f->window.get(), Qt::Key_F3);
    const auto said = spoken();
    QCOMPARE(said.size(), 1u);
    QVERIFY2(said[0].starts_with("markup ") && said[0].find("sɐbˈakə") != std::string::npos, said[0].c_str());

    f->box("PhonemeEdit")->setText(QStringLiteral("sɐbы"));
    lastEngine()->clearCalls();
    QTest::keyClick(f->window.get(), Qt::Key_F3);
    QVERIFY(spoken().empty());
}

void MainWindowSpeechTest::phonemeListPlaysFromTheCursorAndStops()
{
    f->openFile(dataFile(QStringLiteral("lexicon/pls/ru_bom_crlf.pls")));
    f->window->Table1.moveTo(1);
    QList<QAction *> bar = f->window->findChild<QToolBar *>(QStringLiteral("ToolBar1"))->actions();
    int markups = 0;
    lastEngine()->onCall([&](const std::string &call) {
        if (call.starts_with("markup ") && ++markups == 2)
            bar.at(4)->trigger(); // "Остановить" while the second word is spoken
    });
    bar.at(3)->trigger(); // "Список фонем"
    lastEngine()->onCall(nullptr);
    QCOMPARE(markups, 2);
    QVERIFY(spoken().at(0).find("jɪɕːˈɵ") != std::string::npos); // from the record under the cursor
}

void MainWindowSpeechTest::closingWhilePlayingEndsThePlayback()
{
    f->openFile(dataFile(QStringLiteral("lexicon/pls/ru_bom_crlf.pls")));
    QList<QAction *> bar = f->window->findChild<QToolBar *>(QStringLiteral("ToolBar1"))->actions();
    int words = 0;
    lastEngine()->onCall([&](const std::string &call) {
        if (call.starts_with("speak ") && call != "speak  " && ++words == 1) { // not the stop's blank
            f->prompts.answerQuestion(true);
            f->window->close();
        }
    });
    bar.at(1)->trigger(); // "Список слов без словарей"
    lastEngine()->onCall(nullptr);
    QCOMPARE(words, 1);
}

QTEST_MAIN(MainWindowSpeechTest)
#include "main_window_speech_test.moc"
