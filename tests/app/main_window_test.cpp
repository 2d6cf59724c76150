#include "window_fixture.h"
#include "lexicon/lexicon_layout.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace lexorama;
using namespace lexorama::app;

using namespace lexorama::app::test;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithCaptionsAndFirstActivation();
    void menuCarriesShortcutsAndDisablesWhatIsNotBuilt();
    void openShowsTheFileAndTheFirstRecord();
    void openOfABrokenFileReportsAndLeavesTheTableEmpty();
    void cancelledOpenChangesNothing();
    void addAndSaveFollowTheRecordCountRule();
    void movingTheCursorDiscardsTypedValues();
    void typedWordIsCutAtTheFieldWidth();
    void saveWritesTheFileAndNamesItInTheCaption();
    void saveFailureKeepsTheCaptionAndSaysWhy();
    void newLexiconOnDiskRefusesAnExistingFile();
    void newLexiconEmptiesEverything();
    void shiftDeleteRemovesTheCurrentRecordWithoutAQuestion();
    void closeAsksAndStoresTheSettings();

private:
    MainWindow &window() { return *window_; }
    EditPanel *panel() { return window_->findChild<EditPanel *>(QStringLiteral("Panel4")); }
    QLineEdit *box(const char *name) { return window_->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    void openFile(const QString &path);

    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
};

void MainWindowTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    prompts_ = ScriptedPrompts();
    window_ = std::make_unique<MainWindow>(prompts_, wordForms(), speechFactory(), dir_->filePath(QStringLiteral("settings.xml")).toStdString());
}

void MainWindowTest::cleanup()
{
    QVERIFY2(prompts_.unexpected().isEmpty(), qPrintable(prompts_.unexpected().join(QLatin1Char('\n'))));
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    window_.reset();
}

void MainWindowTest::openFile(const QString &path)
{
    prompts_.answerFile(path);
    window().menuAction(QStringLiteral("OpenFileMenuItem"))->trigger();
}

void MainWindowTest::startsWithCaptionsAndFirstActivation()
{
    QCOMPARE(window().windowTitle(), QStringLiteral("Lexorama"));
    QCOMPARE(window().size(), QSize(940, 588));
    auto *pages = window().findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    QCOMPARE(pages->tabText(0), QStringLiteral("Newfile.pls"));
    QCOMPARE(pages->tabText(1), QStringLiteral("Дубликаты"));
    QVERIFY(window().startingUp());
    window().show();
    QTRY_VERIFY(!window().startingUp());
    QCOMPARE(window().statusText(), QStringLiteral("Словари загружены."));
    QVERIFY(window().menuAction(QStringLiteral("AutoPhonemeMenuItem"))->isChecked());
    QVERIFY(!window().menuAction(QStringLiteral("AutoloadDicMenuItem"))->isChecked());
}

void MainWindowTest::menuCarriesShortcutsAndDisablesWhatIsNotBuilt()
{
    QCOMPARE(window().menuAction(QStringLiteral("SclonenieMenuItem"))->shortcut(), QKeySequence(Qt::Key_F4));
    QCOMPARE(window().menuAction(QStringLiteral("ExitMenuItem"))->shortcut(), QKeySequence(QStringLiteral("Alt+X")));
    QCOMPARE(window().menuAction(QStringLiteral("LoadListPLSMenuItem"))->text(),
             QStringLiteral("Загрузить  из файла список словарей PLS"));
    int f4 = 0;
    for (QAction *a : window().findChildren<QAction *>())
        f4 += a->shortcuts().contains(QKeySequence(Qt::Key_F4)) ? 1 : 0;
    QCOMPARE(f4, 1); // the declension command alone: a second owner would make F4 ambiguous
    QVERIFY(!window().menuAction(QStringLiteral("SaveFileMenuItem"))->isVisible());
    QVERIFY(window().menuAction(QStringLiteral("OpenFileMenuItem"))->isEnabled());
    QVERIFY(!window().menuAction(QStringLiteral("ReplacePhonemesMenuItem"))->isEnabled());
}

void MainWindowTest::openShowsTheFileAndTheFirstRecord()
{
    const QString path = dataFile(QStringLiteral("lexicon/pls/ru_bom_crlf.pls"));
    openFile(path);
    QCOMPARE(window().Table1.recordCount(), 6u);
    QCOMPARE(window().windowTitle(), MainWindow::applicationTitle() + QStringLiteral(" (") + path + QStringLiteral(")"));
    QCOMPARE(window().findChild<QTabWidget *>(QStringLiteral("PageControl1"))->tabText(0), QStringLiteral("ru_bom_crlf.pls"));
    QCOMPARE(window().statusText(), QStringLiteral("Всего - 6"));
    QCOMPARE(box("GraphemeEdit1")->text(), QStringLiteral("собАка"));
    QCOMPARE(box("PhonemeEdit")->text(), QStringLiteral("sɐbˈakə"));
    QVERIFY(prompts_.messages().isEmpty());
    QCOMPARE(prompts_.fileDialogs().at(0).title, QStringLiteral("Открыть словарь PLS"));
    QVERIFY(!prompts_.busy());
}

void MainWindowTest::openOfABrokenFileReportsAndLeavesTheTableEmpty()
{
    openFile(dataFile(QStringLiteral("lexicon/pls/ru_bom_crlf.pls")));
    const QString broken = dir_->filePath(QStringLiteral("broken.pls"));
    QFile f(broken);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<lexicon>\n<lexeme><grapheme>a</grapheme>\n</lexicon>");
    f.close();
    openFile(broken);
    QCOMPARE(window().Table1.recordCount(), 0u);
    QCOMPARE(prompts_.messages().size(), 1);
    QVERIFY2(prompts_.messages().at(0).startsWith(QStringLiteral("ERROR: ") + broken + QStringLiteral(": строка 3")),
             qPrintable(prompts_.messages().at(0)));
    QVERIFY(window().windowTitle().contains(broken));
}

void MainWindowTest::cancelledOpenChangesNothing()
{
    openFile(dataFile(QStringLiteral("lexicon/pls/ru_bom_crlf.pls")));
    const QString title = window().windowTitle();
    openFile(QString());
    QCOMPARE(window().Table1.recordCount(), 6u);
    QCOMPARE(window().windowTitle(), title);
}

void MainWindowTest::addAndSaveFollowTheRecordCountRule()
{
    QLineEdit *word = box("GraphemeEdit1");
    type(word, QStringLiteral("кот"));
    panel()->AddSpeedButton->click();
    panel()->AddSpeedButton->click();
    QCOMPARE(window().Table1.recordCount(), 2u);

    window().Table1.first();
    word->clear();
    type(word, QStringLiteral("кит"));
    panel()->SaveSpeedButton->click(); // two records: the current one is replaced
    QCOMPARE(window().Table1.recordCount(), 2u);
    QCOMPARE(window().Table1.recordAt(0).text(lexicon::Grapheme), "кит");
}

void MainWindowTest::movingTheCursorDiscardsTypedValues()
{
    openFile(dataFile(QStringLiteral("lexicon/pls/ru_bom_crlf.pls")));
    type(box("AliasEdit"), QStringLiteral("набрано"));
    window().Table1.next();
    QCOMPARE(box("GraphemeEdit1")->text(), QStringLiteral("ещЁ"));
    QCOMPARE(box("AliasEdit")->text(), QString());
    QCOMPARE(window().Table1.recordAt(0).value(lexicon::Alias), std::nullopt);
}

void MainWindowTest::typedWordIsCutAtTheFieldWidth()
{
    type(box("GraphemeEdit1"), QString(75, QChar(0x0436)));
    panel()->AddSpeedButton->click();
    QCOMPARE(window().Table1.recordAt(0).text(lexicon::Grapheme).size(), 140u);
}

void MainWindowTest::saveWritesTheFileAndNamesItInTheCaption()
{
    openFile(dataFile(QStringLiteral("lexicon/pls/ru_bom_crlf.pls")));
    const QString out = dir_->filePath(QStringLiteral("out.pls"));
    prompts_.answerFile(out);
    window().menuAction(QStringLiteral("SaveFileWithBOMMenuItem"))->trigger();
    const QByteArray bytes = fileBytes(out);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF<?xml"));
    QVERIFY(bytes.contains("    <grapheme>AT&amp;T</grapheme>\r\n"));
    QCOMPARE(prompts_.messages(), QStringList{QStringLiteral("Файл ") + out + QStringLiteral(" сохранен.")});
    QVERIFY(window().windowTitle().endsWith(QStringLiteral(" (") + out + QStringLiteral(")")));
    QCOMPARE(prompts_.fileDialogs().last().fileName, QStringLiteral("ru_bom_crlf.pls"));
    QVERIFY(prompts_.fileDialogs().last().confirmOverwrite);
}

void MainWindowTest::saveFailureKeepsTheCaptionAndSaysWhy()
{
    prompts_.answerFile(QStringLiteral("/nonexistent-folder/x.pls"));
    window().menuAction(QStringLiteral("SaveFileWithBOMMenuItem"))->trigger();
    QCOMPARE(window().windowTitle(), QStringLiteral("Lexorama"));
    QCOMPARE(prompts_.messages().size(), 1);
    QVERIFY(prompts_.messages().at(0).contains(QStringLiteral("No such file or directory")));
}

void MainWindowTest::newLexiconOnDiskRefusesAnExistingFile()
{
    openFile(dataFile(QStringLiteral("lexicon/pls/ru_bom_crlf.pls")));
    const QString existing = dataFile(QStringLiteral("lexicon/pls/ru_bom_crlf.pls"));
    prompts_.answerFile(existing);
    window().menuAction(QStringLiteral("NewFileOnDiskMenuItem"))->trigger();
    QCOMPARE(prompts_.messages(), QStringList{QStringLiteral("Файл с таким именем уже существует")});

    const QString fresh = dir_->filePath(QStringLiteral("new.pls"));
    prompts_.answerFile(fresh);
    window().menuAction(QStringLiteral("NewFileOnDiskMenuItem"))->trigger();
    QVERIFY(fileBytes(fresh).startsWith("\xEF\xBB\xBF"));
    QCOMPARE(window().Table1.recordCount(), 6u); // the open lexicon stays as it was
}

void MainWindowTest::newLexiconEmptiesEverything()
{
    openFile(dataFile(QStringLiteral("lexicon/pls/ru_bom_crlf.pls")));
    window().menuAction(QStringLiteral("NewFileMenuItem"))->trigger();
    QCOMPARE(window().Table1.recordCount(), 0u);
    QCOMPARE(window().CurrentRecordTable.recordCount(), 0u);
    QCOMPARE(box("GraphemeEdit1")->text(), QString());
    QCOMPARE(window().windowTitle(), MainWindow::applicationTitle() + QStringLiteral(" (Newfile.pls)"));
    QCOMPARE(window().statusText(), QString());
}

void MainWindowTest::shiftDeleteRemovesTheCurrentRecordWithoutAQuestion()
{
    openFile(dataFile(QStringLiteral("lexicon/pls/ru_bom_crlf.pls")));
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
    window().findChild<QWidget *>(QStringLiteral("DBGrid1"))->setFocus();
    QTest::keyClick(&window(), Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(window().Table1.recordCount(), 5u);
    QTest::keyClick(&window(), Qt::Key_F12);
    QCOMPARE(window().Table1.recordCount(), 4u);
    QVERIFY(prompts_.asked().isEmpty());
}

void MainWindowTest::closeAsksAndStoresTheSettings()
{
    window().menuAction(QStringLiteral("AutoloadDicMenuItem"))->trigger();
    panel()->EditingCheckBox->setChecked(true);
    openFile(dataFile(QStringLiteral("lexicon/pls/ru_bom_crlf.pls")));

    prompts_.answerQuestion(false);
    QVERIFY(!window().close());
    QCOMPARE(window().Table1.recordCount(), 6u);
    QCOMPARE(prompts_.asked().last(), MainWindow::applicationTitle() + QStringLiteral(": Завершить работу?"));

    prompts_.answerQuestion(true);
    QVERIFY(window().close());
    const QByteArray settings = fileBytes(dir_->filePath(QStringLiteral("settings.xml")));
    QVERIFY(settings.contains("AutoloadDicMenuItem.Checked"));

    MainWindow again(prompts_, wordForms(), speechFactory(), dir_->filePath(QStringLiteral("settings.xml")).toStdString());
    QVERIFY(again.menuAction(QStringLiteral("AutoloadDicMenuItem"))->isChecked());
    QVERIFY(again.findChild<EditPanel *>(QStringLiteral("Panel4"))->EditingCheckBox->isChecked());
    QVERIFY(again.menuAction(QStringLiteral("AutoPhonemeMenuItem"))->isChecked());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
