#pragma once

#include "speech/reading_panel.h"

#include <functional>

namespace lexorama::app {

class EditPanel;

/// What the reading commands see of the edit panel: its boxes and reading check boxes.
class EditPanelReader : public speech::ReadingPanel {
public:
    EditPanelReader(EditPanel &panel, std::function<void()> syncPanel);

    std::string graphemeText() const override;
    std::string phonemeText() const override;
    std::string aliasText() const override;
    bool readWordWithPhoneme() const override;
    bool readFromDictionaries() const override;
    void untickReadFromDictionaries() override;
    void syncPanel() override { syncPanel_(); }

private:
    EditPanel &panel_;
    std::function<void()> syncPanel_;
};

} // namespace lexorama::app
