// The main window's transcription commands: the edit panel's reactions, IPA input, the alphabet
// grid, the bulk pop-up commands and the user's rule files.
#include "app/edit_panel.h"
#include "app/lexicon_grid.h"
#include "app/lexicon_table_model.h"
#include "app/main_window.h"
#include "app/prompts/prompts.h"
#include "common/user_files.h"
#include "lexicon/lexicon_layout.h"
#include "phonetics/alphabet_table.h"
#include "phonetics/bulk_phonemes.h"
#include "phonetics/ipa_check.h"
#include "phonetics/phonetics_user_files.h"
#include "phonetics/rule_error.h"
#include "wordforms/word_forms_module.h"

#include <QAction>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace lexorama::app {

void MainWindow::wirePhonetics()
{
    phonetics::fillAlphabetTable(alphabet_, Table2);
    Panel4->PhonemesToggleBox->setEnabled(transcriber_.toggleEnabled());
    connect(Panel4, &EditPanel::wordEdited, this, &MainWindow::GraphemeEdit1Change);
    connect(Panel4->PhonemeEdit, &QLineEdit::editingFinished, this, &MainWindow::PhonemeEditEditingDone);
    connect(Panel4->PhonemesToggleBox, &QPushButton::toggled, this, &MainWindow::PhonemesToggleBoxChange);
    connect(DBGrid2, &QAbstractItemView::doubleClicked, this, &MainWindow::DBGrid2DblClick);
    Panel4->GraphemeEdit1->installEventFilter(this);
    Panel4->PhonemeEdit->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panel4->PhonemeEdit && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        for (const char32_t c : typed.toUcs4())
            if (!phonetics::acceptsTypedKey(c))
                return true; // forbidden in a transcription: the key is dropped without a word
    }
    if (watched == Panel4->GraphemeEdit1 && event->type() == QEvent::FocusOut)
        CreatePhoneme();
    return QMainWindow::eventFilter(watched, event);
}

std::optional<std::string> MainWindow::transcribe(const QString &word)
{
    try {
        return transcriber_.Phoneme(word.toStdString());
    } catch (const phonetics::RuleError &error) {
        prompts_.message(QString::fromStdString(error.what()));
        return std::nullopt;
    }
}

void MainWindow::showPanelPhoneme(const std::string &phoneme)
{
    CurrentRecordTable.edit();
    CurrentRecordTable.setText(lexicon::PhonemeField, phoneme);
}

void MainWindow::GraphemeEdit1Change()
{
    const QString word = Panel4->GraphemeEdit1->text();
    if (!menuAction(QStringLiteral("AutoPhonemeMenuItem"))->isChecked() || word.isEmpty())
        return;
    if (const auto phoneme = transcribe(word))
        showPanelPhoneme(*phoneme);
}

void MainWindow::CreatePhoneme()
{
    if (closing_)
        return;
    if (const auto phoneme = transcribe(Panel4->GraphemeEdit1->text())) {
        showPanelPhoneme(*phoneme);
        CurrentRecordTable.post();
    }
}

void MainWindow::PhonemeEditEditingDone()
{
    if (CurrentRecordTable.isEditing())
        CurrentRecordTable.post();
}

void MainWindow::PhonemesToggleBoxChange()
{
    transcriber_.swapSets();
    if (const auto phoneme = transcribe(Panel4->GraphemeEdit1->text()))
        showPanelPhoneme(*phoneme);
}

void MainWindow::DBGrid2DblClick(const QModelIndex &index)
{
    if (index.column() != 0)
        return;
    CurrentRecordTable.edit();
    Panel4->PhonemeEdit->insert(index.data().toString());
    CurrentRecordTable.setText(lexicon::PhonemeField, Panel4->PhonemeEdit->text().toStdString());
    CurrentRecordTable.post();
}

std::size_t MainWindow::selectedGridField() const
{
    const int column = DBGrid1->currentIndex().isValid() ? DBGrid1->currentIndex().column() : 0;
    return DataSource1->fieldOfColumn(column);
}

void MainWindow::runTranscription(const std::function<void()> &command)
{
    try {
        command();
    } catch (const phonetics::RuleError &error) {
        prompts_.message(QString::fromStdString(error.what()));
    }
}

void MainWindow::PhonemePopupMenuItemClick()
{
    runTranscription([this] { phonetics::PhonemePopup(Table1, CurrentRecordTable, transcriber_, selectedGridField()); });
    DBGrid1->setFocus();
}

void MainWindow::UpdateMarkedPhonemesMenuItemClick()
{
    runTranscription(
        [this] { phonetics::UpdateMarkedPhonemes(Table1, CurrentRecordTable, transcriber_, selectedGridField()); });
}

void MainWindow::CreateNewPhonemesMenuItemClick()
{
    runTranscription([this] { phonetics::AllNewPhonemes(Table1, transcriber_, feedback_); });
}

void MainWindow::UpdateAllPhonemesMenuItemClick()
{
    if (!prompts_.question(applicationTitle(), QString::fromUtf8(phonetics::kRenewPhonemesQuestion.data(),
                                                                  phonetics::kRenewPhonemesQuestion.size())))
        return;
    runTranscription([this] { phonetics::RenewAllPhonemes(Table1, transcriber_, feedback_); });
}

void MainWindow::LoadUserOptions()
{
    applyUserFiles(UserFiles, [this](const std::string &name, const std::string &path) {
        if (phonetics::isPhoneticsUserFileKey(name))
            return phonetics::applyPhoneticsUserFile(name, path, transcriber_, alphabet_, feedback_);
        if (name == "Sclonjator_rexFileName") {
            if (!QFileInfo::exists(QString::fromStdString(path)))
                prompts_.message(QStringLiteral("Не найден файл") + QString::fromStdString(path));
            return wordForms_.applyUserRules(path, feedback_);
        }
        return true;
    });
    phonetics::fillAlphabetTable(alphabet_, Table2);
    Panel4->PhonemesToggleBox->setEnabled(transcriber_.toggleEnabled());
}

} // namespace lexorama::app
