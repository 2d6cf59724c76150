// The main window's declension command.
#include "app/main_window.h"
#include "app/prompts/prompts.h"
#include "phonetics/rule_error.h"
#include "wordforms/sclonenie_command.h"
#include "wordforms/word_forms_module.h"

#include <QLineEdit>

namespace lexorama::app {

void MainWindow::SclonenieMenuItemClick()
{
    const std::optional<QString> typed
        = prompts_.input(QStringLiteral("Склонение/спряжение"), QStringLiteral("Слово"), QString());
    if (!typed || typed->isEmpty())
        return;
    FindLabeledEdit->clear();
    prompts_.setBusy(true);
    wordforms::SclonenieCommand(wordForms_, Table1, typed->toStdString(),
                                [this](std::string_view word) { return transcriber_.Phoneme(word); }, feedback_);
    prompts_.setBusy(false);
}

} // namespace lexorama::app
