#include "app/edit_panel_reader.h"

#include "app/edit_panel.h"

#include <QCheckBox>
#include <QLineEdit>

namespace lexorama::app {

EditPanelReader::EditPanelReader(EditPanel &panel, std::function<void()> syncPanel)
    : panel_(panel), syncPanel_(std::move(syncPanel))
{
}

std::string EditPanelReader::graphemeText() const
{
    return panel_.GraphemeEdit1->text().toStdString();
}

std::string EditPanelReader::phonemeText() const
{
    return panel_.PhonemeEdit->text().toStdString();
}

std::string EditPanelReader::aliasText() const
{
    return panel_.AliasEdit->text().toStdString();
}

bool EditPanelReader::readWordWithPhoneme() const
{
    return panel_.ReadGrAndPhCheckBox->isChecked();
}

bool EditPanelReader::readFromDictionaries() const
{
    return panel_.ReadFromIndexDicCheckBox->isChecked();
}

void EditPanelReader::untickReadFromDictionaries()
{
    panel_.ReadFromIndexDicCheckBox->setChecked(false);
}

} // namespace lexorama::app
