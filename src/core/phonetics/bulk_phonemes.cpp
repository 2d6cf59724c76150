#include "phonetics/bulk_phonemes.h"

#include "common/feedback.h"
#include "lexicon/edit_panel_sync.h"
#include "lexicon/lexicon_layout.h"
#include "lexicon/record_table.h"
#include "phonetics/transcriber.h"

#include <optional>
#include <vector>

namespace lexorama::phonetics {

namespace {

using lexicon::Grapheme;
using lexicon::PhonemeField;

enum class Renewal { EmptyOnly, All };

/// Walks from the current record (or the first) to the last shown one, transcribing as
/// `renewal` says, with panel sync detached and display updates off. The records are taken
/// before the walk, so a sort on the phoneme field cannot make it skip or repeat any; then returns to the record that was
/// current, panel sync attached again so the panel shows its new transcription.
void transcribeRecords(lexicon::RecordTable &table, const Transcriber &transcriber, Feedback &feedback,
                       Renewal renewal, bool fromFirst)
{
    const std::optional<lexicon::Bookmark> start = table.bookmark();
    {
        lexicon::AfterScrollPause detached(table);
        lexicon::DisplayPause paused(table);
        feedback.busy(true);
        const std::size_t from = fromFirst ? 0 : table.position().value_or(table.recordCount());
        std::vector<lexicon::Bookmark> records;
        for (std::size_t row = from; row < table.recordCount(); ++row)
            records.push_back(table.bookmarkAt(row));
        for (std::size_t done = 0; done < records.size(); ++done) {
            table.gotoBookmark(records[done]);
            table.edit();
            const auto phoneme = table.value(PhonemeField);
            if (renewal == Renewal::All || !phoneme || phoneme->empty())
                table.setText(PhonemeField, transcriber.CreateCurrentPhoneme(table.text(Grapheme)));
            table.post();
            if ((done + 1) % 256 == 0)
                feedback.processEvents();
        }
        feedback.busy(false);
    }
    if (start)
        table.gotoBookmark(*start);
}

} // namespace

void AllNewPhonemes(lexicon::RecordTable &lexicon, const Transcriber &transcriber, Feedback &feedback)
{
    transcribeRecords(lexicon, transcriber, feedback, Renewal::EmptyOnly, true);
}

void RenewAllPhonemes(lexicon::RecordTable &lexicon, const Transcriber &transcriber, Feedback &feedback)
{
    transcribeRecords(lexicon, transcriber, feedback, Renewal::All, false);
}

void PhonemePopup(lexicon::RecordTable &lexicon, lexicon::RecordTable &panel, const Transcriber &transcriber,
                  std::size_t selectedField)
{
    panel.edit();
    if (panel.text(PhonemeField).empty())
        panel.setText(Grapheme, lexicon.text(selectedField));
    panel.setText(PhonemeField, transcriber.Phoneme(panel.text(Grapheme)));
    panel.post();
    lexicon::EditPanelSync::save(panel, lexicon);
}

void UpdateMarkedPhonemes(lexicon::RecordTable &lexicon, lexicon::RecordTable &panel,
                          const Transcriber &transcriber, std::size_t selectedField)
{
    for (const lexicon::Bookmark mark : lexicon.marks()) {
        lexicon.gotoBookmark(mark);
        PhonemePopup(lexicon, panel, transcriber, selectedField);
    }
}

} // namespace lexorama::phonetics
