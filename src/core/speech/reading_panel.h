#pragma once

#include <string>

namespace lexorama::speech {

/// What the reading commands see of the main window's edit panel: the texts of its word,
/// transcription and alias edits, the two reading check boxes, and the panel sync that copies
/// the lexicon's current record into the panel.
class ReadingPanel {
public:
    virtual ~ReadingPanel() = default;

    virtual std::string graphemeText() const = 0;
    virtual std::string phonemeText() const = 0;
    virtual std::string aliasText() const = 0;
    /// "Читать слово с фонемой".
    virtual bool readWordWithPhoneme() const = 0;
    /// "Читать из словарей".
    virtual bool readFromDictionaries() const = 0;
    virtual void untickReadFromDictionaries() = 0;
    /// Copies the lexicon table's current record into the panel.
    virtual void syncPanel() = 0;
};

} // namespace lexorama::speech
