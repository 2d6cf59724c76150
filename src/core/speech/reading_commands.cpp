#include "speech/reading_commands.h"

#include "phonetics/ipa_check.h"
#include "speech/phoneme_markup.h"

#include <thread>

namespace lexorama::speech {

namespace {

std::string fieldText(const lexicon::RecordTable &table, std::string_view name)
{
    return std::string(table.text(table.field(name)));
}

} // namespace

ReadingCommands::ReadingCommands(SpeechBinding &speech, lexicon::RecordTable &table1, ReadingPanel &panel,
                                 Feedback &feedback)
    : speech_(speech), table1_(table1), panel_(panel), feedback_(feedback),
      pause_([](std::chrono::milliseconds time) { std::this_thread::sleep_for(time); })
{
}

void ReadingCommands::speakTranscription(std::string_view ipa)
{
    speech_.ReadText(phonemeMarkup(ipa), true);
}

void ReadingCommands::ReadTextFromTable(std::string_view text, bool transcription)
{
    if (transcription)
        speakTranscription(text);
    else
        speech_.ReadText(text, false);
    speech_.WaitUntilDone(kWaitAfterText);
    feedback_.processEvents();
}

// Each wait returns only when the speech has ended, so events that arrive during a word run
// once after it.
void ReadingCommands::waitUntilSpoken()
{
    do
        feedback_.processEvents();
    while (!speech_.WaitUntilDone(-1));
}

void ReadingCommands::ReadTextExecute()
{
    const std::string word = panel_.graphemeText();
    if (const auto found = lookup_ ? lookup_(word) : std::nullopt)
        speakTranscription(*found);
    else
        speech_.ReadText(word, false);
    playing_ = false;
}

void ReadingCommands::ReadPhonemeButtonClick()
{
    const std::string transcription = panel_.phonemeText();
    if (phonetics::isAcceptableTranscription(transcription))
        speakTranscription(transcription);
    playing_ = false;
}

void ReadingCommands::ReadAliasButtonClick()
{
    speech_.ReadText(panel_.aliasText(), false);
    playing_ = false;
}

void ReadingCommands::readWordThenTranscription(const std::string &word, const std::string &transcription)
{
    ReadTextFromTable(word, false);
    waitUntilSpoken();
    ReadTextFromTable(transcription, true);
}

void ReadingCommands::DBGrid1DblClick(std::string_view fieldName)
{
    playing_ = true;
    const std::string word = fieldText(table1_, "grapheme");
    const std::string transcription = fieldText(table1_, "phoneme");
    if (fieldName == "grapheme") {
        ReadTextFromTable(word, false);
        waitUntilSpoken();
        if (panel_.readWordWithPhoneme())
            ReadTextFromTable(transcription, true);
        playing_ = false;
    } else if (fieldName == "phoneme") {
        if (panel_.readWordWithPhoneme())
            readWordThenTranscription(word, transcription);
        else
            ReadTextFromTable(transcription, true);
        playing_ = false;
    } else if (fieldName == "alias") {
        ReadAliasButtonClick();
    }
    panel_.syncPanel();
}

void ReadingCommands::readFromDictionaries(const std::string &word)
{
    if (const auto found = lookup_ ? lookup_(word) : std::nullopt)
        speakTranscription(*found);
    else
        ReadTextFromTable(word, false);
}

void ReadingCommands::readRecord(const lexicon::RecordTable &table, bool transcriptions)
{
    const std::string word = fieldText(table, "grapheme");
    const std::string transcription = fieldText(table, "phoneme");
    const bool withTranscription = panel_.readWordWithPhoneme();
    const bool fromDictionaries = panel_.readFromDictionaries();
    if (withTranscription && fromDictionaries) {
        readFromDictionaries(word);
        waitUntilSpoken();
        ReadTextFromTable(transcription, true);
    } else if (withTranscription) {
        readWordThenTranscription(word, transcription);
    } else if (fromDictionaries) {
        readFromDictionaries(word);
    } else {
        ReadTextFromTable(transcriptions ? transcription : word, transcriptions);
    }
}

void ReadingCommands::StartPlay(lexicon::RecordTable &table, bool transcriptions)
{
    playing_ = false;
    feedback_.processEvents();
    if (table.isEmpty())
        return;
    {
        const lexicon::AfterScrollPause noPanelSync(table1_);
        playing_ = true;
        speech_.WaitUntilDone(kFirstWait);
        while (!table.eof()) {
            pause_(kPauseBeforeWord);
            readRecord(table, transcriptions);
            waitUntilSpoken();
            if (!playing_)
                break;
            table.next();
        }
    }
    panel_.syncPanel();
}

void ReadingCommands::StopPlaySpeedButtonClick()
{
    playing_ = false;
    ReadTextFromTable(" ", false); // queued: the word being spoken is finished, not cut off
    panel_.syncPanel();
}

void ReadingCommands::ReadDoubleSpeedButtonClick(lexicon::RecordTable &doubles)
{
    panel_.untickReadFromDictionaries();
    ReadTextFromTable(fieldText(doubles, "grapheme"), false);
    playing_ = false;
}

void ReadingCommands::DoublePhonemeSoundSpeedButtonClick(lexicon::RecordTable &doubles)
{
    panel_.untickReadFromDictionaries();
    playing_ = false;
    ReadTextFromTable(fieldText(doubles, "phoneme"), true);
}

void ReadingCommands::StartPlayDoublesSpeedButtonClick(lexicon::RecordTable &doubles)
{
    panel_.untickReadFromDictionaries();
    StartPlay(doubles, false);
}

void ReadingCommands::StartPlayDoublePhonemeSpeedButtonClick(lexicon::RecordTable &doubles)
{
    panel_.untickReadFromDictionaries();
    StartPlay(doubles, true);
}

} // namespace lexorama::speech
