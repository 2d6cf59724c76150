#include "window_fixture.h"
#include "lexicon/lexicon_layout.h"

#include <QAction>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

using namespace lexorama;
using namespace lexorama::app;
using namespace lexorama::app::test;

class MainWindowPhoneticsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<WindowFixture>(); }
    void cleanup()
    {
        QVERIFY2(f->prompts.unexpected().isEmpty(), qPrintable(f->prompts.unexpected().join(QLatin1Char('\n'))));
        f.reset();
    }

    void typingTheWordFillsTheTranscription();
    void withoutAutofillTheTranscriptionWaitsForLeavingTheWordBox();
    void forbiddenKeysAreDroppedInTheTranscriptionBox();
    void doubleClickInTheAlphabetInsertsTheSymbolAtTheCaret();
    void renewBelowCursorAsksFirst();
    void declensionCommandAppendsTheParadigm();
    void missingUserRuleFileIsReportedAndBuiltInRulesStay();

private:
    std::unique_ptr<WindowFixture> f;
};

void MainWindowPhoneticsTest::typingTheWordFillsTheTranscription()
{
    type(f->box("GraphemeEdit1"), QStringLiteral("собАка"));
    QCOMPARE(f->box("PhonemeEdit")->text(), QStringLiteral("sɐbˈakə"));
    f->panel()->AddSpeedButton->click();
    QCOMPARE(f->window->Table1.recordAt(0).text(lexicon::PhonemeField), "sɐbˈakə");
}

void MainWindowPhoneticsTest::withoutAutofillTheTranscriptionWaitsForLeavingTheWordBox()
{
    f->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
    f->window->menuAction(QStringLiteral("AutoPhonemeMenuItem"))->trigger();
    QLineEdit *word = f->box("GraphemeEdit1");
    word->setFocus();
    type(word, QStringLiteral("мАма"));
    QCOMPARE(f->box("PhonemeEdit")->text(), QString());
    f->box("AliasEdit")->setFocus();
    QTRY_COMPARE(f->box("PhonemeEdit")->text(), QStringLiteral("mˈamə"));
}

void MainWindowPhoneticsTest::forbiddenKeysAreDroppedInTheTranscriptionBox()
{
    type(f->box("PhonemeEdit"), QStringLiteral("mыˈa=mʲə"));
    QCOMPARE(f->box("PhonemeEdit")->text(), QStringLiteral("mˈamʲə"));
}

void MainWindowPhoneticsTest::doubleClickInTheAlphabetInsertsTheSymbolAtTheCaret()
{
    QLineEdit *phoneme = f->box("PhonemeEdit");
    type(phoneme, QStringLiteral("mama"));
    phoneme->setCursorPosition(1);
    auto *alphabet = f->window->findChild<QTableView *>(QStringLiteral("DBGrid2"));
    QModelIndex stress;
    for (int row = 0; row < alphabet->model()->rowCount(); ++row)
        if (alphabet->model()->index(row, 0).data().toString() == QStringLiteral("ˈ"))
            stress = alphabet->model()->index(row, 0);
    QVERIFY(stress.isValid());
    emit alphabet->doubleClicked(stress);
    QCOMPARE(phoneme->text(), QStringLiteral("mˈama"));
    emit alphabet->doubleClicked(stress.siblingAtColumn(1)); // the examples column inserts nothing
    QCOMPARE(phoneme->text(), QStringLiteral("mˈama"));
}

void MainWindowPhoneticsTest::renewBelowCursorAsksFirst()
{
    f->openFile(dataFile(QStringLiteral("lexicon/pls/ru_bom_crlf.pls")));
    auto *renew = f->window->findChild<QAction *>(QStringLiteral("UpdateAllPhonemesMenuItem"));
    f->prompts.answerQuestion(false);
    renew->trigger();
    QCOMPARE(f->window->Table1.recordAt(0).text(lexicon::PhonemeField), "sɐbˈakə");
    QCOMPARE(f->window->Table1.recordAt(4).text(lexicon::PhonemeField), "ɪzːˈa");
    f->prompts.answerQuestion(true);
    renew->trigger();
    QCOMPARE(f->prompts.asked().last(), MainWindow::applicationTitle() + QStringLiteral(": Обновить фонемы?"));
    QCOMPARE(f->window->Table1.recordAt(4).text(lexicon::PhonemeField), "ɪzzˈa");
}

void MainWindowPhoneticsTest::declensionCommandAppendsTheParadigm()
{
    f->prompts.answerInput(QStringLiteral("рука"));
    f->window->menuAction(QStringLiteral("SclonenieMenuItem"))->trigger();
    const lexicon::RecordTable &table = f->window->Table1;
    QCOMPARE(table.recordCount(), 10u);
    QCOMPARE(table.recordAt(0).text(lexicon::Grapheme), "рУк");
    QCOMPARE(table.recordAt(0).text(lexicon::PhonemeField), "rˈuk");
    QCOMPARE(table.recordAt(9).text(lexicon::Grapheme), "рУку");
    QCOMPARE(table.recordAt(9).text(lexicon::PhonemeField), "rˈukʊ");
    QCOMPARE(f->box("GraphemeEdit1")->text(), QStringLiteral("рУк"));

    f->prompts.answerInput(QString());
    f->window->menuAction(QStringLiteral("SclonenieMenuItem"))->trigger();
    QCOMPARE(table.recordCount(), 10u);
}

void MainWindowPhoneticsTest::missingUserRuleFileIsReportedAndBuiltInRulesStay()
{
    const QString missing = f->dir->filePath(QStringLiteral("нет.txt"));
    writeFileBytes(f->settingsPath(), QStringLiteral(R"(<?xml version="1.0"?>
<settings><window name="TForm1"><property name="UserFiles.Strings">
<item>PhonemesFileName=%1</item><item>PhonemesFixFileName=%1</item></property></window></settings>)")
                                          .arg(missing)
                                          .toUtf8());
    f->window = std::make_unique<MainWindow>(f->prompts, wordForms(), speechFactory(), f->settingsPath().toStdString());
    f->window->FormActivate();
    QCOMPARE(f->prompts.messages().size(), 2);
    QCOMPARE(f->prompts.messages().at(0), QStringLiteral("Не найден файл") + missing);
    QVERIFY(!f->panel()->PhonemesToggleBox->isEnabled());
    type(f->box("GraphemeEdit1"), QStringLiteral("собАка"));
    QCOMPARE(f->box("PhonemeEdit")->text(), QStringLiteral("sɐbˈakə"));
}

QTEST_MAIN(MainWindowPhoneticsTest)
#include "main_window_phonetics_test.moc"
