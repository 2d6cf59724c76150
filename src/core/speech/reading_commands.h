#pragma once

#include "common/feedback.h"
#include "lexicon/record_table.h"
#include "speech/reading_panel.h"
#include "speech/speech_binding.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lexorama::speech {

/// The commands with which the user listens to the lexicon: the edit panel's word,
/// transcription or alias, a cell of the lexicon grid, a row of the duplicates table, and
/// whole tables played as lists from the current row on. Everything runs on the window's
/// thread and lets window events run while it waits, so a command can start inside another;
/// the playing flag tells a running playback whether to go on.
class ReadingCommands {
public:
    /// The word's transcription in the active dictionaries, if they have one.
    using IndexLookup = std::function<std::optional<std::string>(std::string_view word)>;
    using Pause = std::function<void(std::chrono::milliseconds)>;

    static constexpr std::chrono::milliseconds kPauseBeforeWord{100};
    static constexpr int kFirstWait = 100;
    static constexpr int kWaitAfterText = 1000;

    ReadingCommands(SpeechBinding &speech, lexicon::RecordTable &table1, ReadingPanel &panel,
                    Feedback &feedback);

    /// Until a lookup is set, no word is found in the dictionaries.
    void setIndexLookup(IndexLookup lookup) { lookup_ = std::move(lookup); }
    /// How the playback pauses before each word (a plain sleep by default).
    void setPause(Pause pause) { pause_ = std::move(pause); }

    /// F2, ReadWordButton, "Слово со словарем": the panel's word, as the dictionaries
    /// transcribe it when they hold it. Does not wait.
    void ReadTextExecute();
    /// ReadPhonemeButton and F3: the panel's transcription, unless BadIPAChar rejects a
    /// character of it (then nothing, silently).
    void ReadPhonemeButtonClick();
    /// ReadAliasButton: the panel's alias as plain text.
    void ReadAliasButtonClick();
    /// Double click in the lexicon grid on a cell of the column with this field name.
    void DBGrid1DblClick(std::string_view fieldName);
    /// "Список слов без словарей" and "Список фонем": Table1 as a list of words or transcriptions.
    void StartPlayDicSpeedButtonClick() { StartPlay(table1_, false); }
    void StartPlayPhonemeDicSpeedButtonClick() { StartPlay(table1_, true); }
    /// "Остановить": ends a playback after the word being spoken.
    void StopPlaySpeedButtonClick();
    /// The duplicates tool bar, on the duplicates table.
    void ReadDoubleSpeedButtonClick(lexicon::RecordTable &doubles);
    void DoublePhonemeSoundSpeedButtonClick(lexicon::RecordTable &doubles);
    void StartPlayDoublesSpeedButtonClick(lexicon::RecordTable &doubles);
    void StartPlayDoublePhonemeSpeedButtonClick(lexicon::RecordTable &doubles);
    /// A click on a cell of the lexicon grid or the duplicates grid ends a playback.
    void gridCellClicked() { playing_ = false; }

    /// Speaks a text (as a transcription when the flag is set), waits at most 1000 ms for it
    /// and lets window events run.
    void ReadTextFromTable(std::string_view text, bool transcription);
    /// Plays a table from its current record to its end, word after word.
    void StartPlay(lexicon::RecordTable &table, bool transcriptions);

    bool playing() const { return playing_; }
    /// For the duplicates tab's double clicks, which set the flag themselves.
    void setPlaying(bool playing) { playing_ = playing; }

private:
    void speakTranscription(std::string_view ipa);
    void waitUntilSpoken();
    void readFromDictionaries(const std::string &word);
    void readWordThenTranscription(const std::string &word, const std::string &transcription);
    void readRecord(const lexicon::RecordTable &table, bool transcriptions);

    SpeechBinding &speech_;
    lexicon::RecordTable &table1_;
    ReadingPanel &panel_;
    Feedback &feedback_;
    IndexLookup lookup_;
    Pause pause_;
    bool playing_ = false;
};

} // namespace lexorama::speech
