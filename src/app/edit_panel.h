#pragma once

#include "lexicon/table_observer.h"

#include <QWidget>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;

namespace lexorama::lexicon {
class RecordTable;
}

namespace lexorama::app {

/// The edit panel at the top of the main window: the boxes of one lexicon record, bound to the
/// panel's one-record table, with the save/add and reading buttons and the speech controls.
/// Typing into a box writes the field (cut to its width); any change of the table shows in the boxes.
class EditPanel : public QWidget, private lexicon::TableObserver {
    Q_OBJECT

public:
    EditPanel(lexicon::RecordTable &record, QWidget *parent = nullptr);
    ~EditPanel() override;

    QLineEdit *GraphemeEdit1;
    QLineEdit *GraphemeEdit2;
    QLineEdit *GraphemeEdit3;
    QLineEdit *PhonemeEdit;
    QLineEdit *AliasEdit;
    QLineEdit *GrammarEdit;
    QLineEdit *LexnameEdit;
    QLineEdit *commentEdit;

    QToolButton *SaveSpeedButton;
    QToolButton *AddSpeedButton;
    QToolButton *ReadWordButton;
    QToolButton *ReadPhonemeButton;
    QToolButton *ReadAliasButton;
    QPushButton *PhonemesToggleBox;
    QCheckBox *EditingCheckBox;
    QCheckBox *ReadFromIndexDicCheckBox;
    QCheckBox *ReadGrAndPhCheckBox;
    QComboBox *ComboBox1;
    QToolButton *ReinitTTSSpeedButton;
    QSlider *VoiceRateTrackBar;

signals:
    /// The user changed the text of the word box.
    void wordEdited();

private:
    QLineEdit *addBox(std::size_t field, const char *name, const QString &label, bool phonetic);
    void boxEdited(std::size_t field, const QString &text);
    void showRecord();
    void tableReset() override { showRecord(); }
    void rowChanged(std::size_t) override { showRecord(); }
    void rowInserted(std::size_t) override { showRecord(); }
    void rowRemoved(std::size_t) override { showRecord(); }
    void stateChanged() override { showRecord(); }
    void bufferChanged() override { showRecord(); }

    lexicon::RecordTable &record_;
    struct Box {
        QLineEdit *box;
        QLabel *label;
        std::size_t field;
    };
    QLabel *labelOf(QLineEdit *box) const;

    std::vector<Box> boxes_;
    bool writing_ = false;
};

} // namespace lexorama::app
