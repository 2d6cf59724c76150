#pragma once

#include "common/feedback.h"
#include "lexicon/record_table.h"
#include "wordforms/word_forms_module.h"

#include <functional>
#include <string>
#include <string_view>

namespace lexorama::wordforms {

/// The automatic transcription of a written word (stress as an upper-case vowel).
using PhonemeFunction = std::function<std::string(std::string_view word)>;

/// The status text when a word yields fewer than two forms.
std::string emptyDeclensionMessage(std::string_view typed);

/// The declension command ("Склонение/спряжение", F4) after its input box: appends one record
/// per form of the typed word to the lexicon table (grapheme without "`", phoneme from the
/// transcription of the form), sets the status text (the message above, or empty), and makes
/// the first appended record the current one. The
/// window empties its search field and calls this with the confirmed, non-empty text.
/// An error of a generator or transcription rule ends the command with a message; records
/// appended before it stay. Returns the number of records appended.
std::size_t SclonenieCommand(WordFormsModule &module, lexicon::RecordTable &table, std::string_view typed,
                             const PhonemeFunction &phoneme, Feedback &feedback);

} // namespace lexorama::wordforms
