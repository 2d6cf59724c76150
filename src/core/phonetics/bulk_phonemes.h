#pragma once

#include <cstddef>
#include <string_view>

namespace lexorama {
class Feedback;
}
namespace lexorama::lexicon {
class RecordTable;
}

namespace lexorama::phonetics {

class Transcriber;

/// The question the window asks before RenewAllPhonemes.
inline constexpr std::string_view kRenewPhonemesQuestion = "Обновить фонемы?";

/// "Создать новые фонемы": every shown record, from the first, whose phoneme is null or empty
/// gets CreateCurrentPhoneme of its grapheme; every record is put into edit state and posted.
/// The walk runs with panel sync detached and display updates off, under the busy cursor, and
/// returns to the record that was current.
void AllNewPhonemes(lexicon::RecordTable &lexicon, const Transcriber &transcriber, Feedback &feedback);

/// "Обновить все фонемы ниже курсора", after the user answered Yes to kRenewPhonemesQuestion:
/// from the current record to the last shown one, phoneme = CreateCurrentPhoneme(grapheme).
void RenewAllPhonemes(lexicon::RecordTable &lexicon, const Transcriber &transcriber, Feedback &feedback);

/// The pop-up command "Фонема" over the edit panel's record: if the panel's phoneme is empty,
/// the selected grid cell's text (field selectedField of the lexicon's current record) goes
/// into the word first; then phoneme = Phoneme(word), the panel is posted and saved into the
/// lexicon.
void PhonemePopup(lexicon::RecordTable &lexicon, lexicon::RecordTable &panel, const Transcriber &transcriber,
                  std::size_t selectedField);

/// "Обновить фонемы в помеченных записях": each marked record, in the order the marks are
/// kept, becomes current (panel sync runs as usual) and gets PhonemePopup. Marks stay; the
/// last one processed stays current. Nothing happens without marks.
void UpdateMarkedPhonemes(lexicon::RecordTable &lexicon, lexicon::RecordTable &panel,
                          const Transcriber &transcriber, std::size_t selectedField);

} // namespace lexorama::phonetics
