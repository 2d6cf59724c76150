#include "app/application.h"

#include "app/main_window.h"
#include "app/prompts/qt_prompts.h"
#include "speech/espeak_engine.h"
#include "wordforms/word_forms_module.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace lexorama::app {

int runApplication(int argc, char **argv)
{
    QApplication application(argc, argv);
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    wordforms::WordFormsModule DataModule2;
    QtPrompts prompts(nullptr);
    MainWindow window(prompts, DataModule2, speech::EspeakEngine::factory(), MainWindow::defaultSettingsPath());
    window.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.openLexicon(QFileInfo(arguments.at(1)).absoluteFilePath());
    return QApplication::exec();
}

} // namespace lexorama::app
