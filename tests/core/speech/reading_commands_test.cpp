#include "speech/reading_commands.h"

#include "lexicon/lexicon_layout.h"
#include "speech/phoneme_markup.h"
#include "speech/scripted_speech_engine.h"
#include "speech_test_doubles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lexorama::speech {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using lexicon::RecordTable;

struct FakePanel : ReadingPanel {
    std::string graphemeText() const override { return grapheme; }
    std::string phonemeText() const override { return phoneme; }
    std::string aliasText() const override { return alias; }
    bool readWordWithPhoneme() const override { return withPhoneme; }
    bool readFromDictionaries() const override { return fromDictionaries; }
    void untickReadFromDictionaries() override { fromDictionaries = false; }
    void syncPanel() override { ++syncs; }

    std::string grapheme, phoneme, alias;
    bool withPhoneme = false;
    bool fromDictionaries = false;
    int syncs = 0;
};

std::string markup(const std::string &ipa) { return "markup " + phonemeMarkup(ipa); }

class ReadingCommandsTest : public ::testing::Test {
protected:
    ReadingCommandsTest()
    {
        binding.TTSInit();
        engine->clearCalls();
        commands.setPause([this](std::chrono::milliseconds time) { pauses.push_back(time.count()); });
    }

    void fill(RecordTable &table, int rows, const std::string &prefix)
    {
        for (int i = 1; i <= rows; ++i) {
            table.append();
            table.setText(lexicon::Grapheme, prefix + std::to_string(i));
            table.setText(lexicon::PhonemeField, "ipa" + prefix + std::to_string(i));
            table.post();
        }
    }

    // Runs an action at the first chance for window events after the engine was given line.
    void whenCalled(const std::string &line, std::function<void()> action)
    {
        engine->onCall([this, line, action](const std::string &call) {
            if (call == line)
                feedback.pending = action;
        });
    }

    test::EventFeedback feedback;
    std::shared_ptr<ScriptedSpeechEngine> engine =
        std::make_shared<ScriptedSpeechEngine>(std::vector<VoiceInfo>{{"Russian", "ru"}});
    SpeechBinding binding{[this] { return engine; }, feedback};
    RecordTable table1{lexicon::lexiconLayout()};
    FakePanel panel;
    ReadingCommands commands{binding, table1, panel, feedback};
    std::vector<long> pauses;
};

TEST_F(ReadingCommandsTest, TranscriptionCellReadsTheWordFirstWhenTicked)
{
    table1.append();
    table1.setText(lexicon::Grapheme, "дом");
    table1.setText(lexicon::PhonemeField, "dˈom");
    table1.post();

    panel.withPhoneme = true;
    commands.DBGrid1DblClick("phoneme");
    EXPECT_THAT(engine->calls(), ElementsAre("speak дом", "wait 1000", "wait -1", markup("dˈom"), "wait 1000"));
    EXPECT_FALSE(commands.playing());
    EXPECT_EQ(panel.syncs, 1);

    engine->clearCalls();
    panel.withPhoneme = false;
    commands.DBGrid1DblClick("phoneme");
    EXPECT_THAT(engine->calls(), ElementsAre(markup("dˈom"), "wait 1000"));
}

TEST_F(ReadingCommandsTest, WordCellReadsTheTranscriptionAfterItWhenTicked)
{
    fill(table1, 1, "w");
    commands.DBGrid1DblClick("grapheme");
    EXPECT_THAT(engine->calls(), ElementsAre("speak w1", "wait 1000", "wait -1"));

    engine->clearCalls();
    panel.withPhoneme = true;
    commands.DBGrid1DblClick("grapheme");
    EXPECT_THAT(engine->calls(), ElementsAre("speak w1", "wait 1000", "wait -1", markup("ipaw1"), "wait 1000"));
    EXPECT_FALSE(commands.playing());
}

TEST_F(ReadingCommandsTest, OtherCellsReadNothingAndLeaveTheFlagSet)
{
    fill(table1, 1, "w");
    commands.DBGrid1DblClick("comment");
    EXPECT_THAT(engine->calls(), IsEmpty());
    EXPECT_TRUE(commands.playing());
    EXPECT_EQ(panel.syncs, 1);

    commands.gridCellClicked();
    EXPECT_FALSE(commands.playing());
}

TEST_F(ReadingCommandsTest, AliasCellReadsThePanelsAlias)
{
    fill(table1, 1, "w");
    panel.alias = "Эм Вэ Дэ";
    commands.DBGrid1DblClick("alias");
    EXPECT_THAT(engine->calls(), ElementsAre("speak Эм Вэ Дэ"));
    EXPECT_FALSE(commands.playing());
    EXPECT_EQ(panel.syncs, 1);
}

TEST_F(ReadingCommandsTest, TranscriptionWithAForbiddenCharacterStaysSilent)
{
    for (const std::string bad : {"sɐbˈakə!", "sɐbаkə" /* Cyrillic а */, "-", "ы", "a=b"}) {
        panel.phoneme = bad;
        commands.setPlaying(true);
        commands.ReadPhonemeButtonClick();
        EXPECT_FALSE(commands.playing());
    }
    EXPECT_THAT(engine->calls(), IsEmpty());

    panel.phoneme = "sʲˈelʲ‿ˈæ 12";
    commands.ReadPhonemeButtonClick();
    EXPECT_THAT(engine->calls(), ElementsAre(markup("sʲˈelʲ‿ˈæ 12")));
}

TEST_F(ReadingCommandsTest, ReadWordUsesTheDictionariesTranscriptionWhenFound)
{
    panel.grapheme = "дом";
    commands.ReadTextExecute(); // no dictionary index yet
    commands.setIndexLookup([](std::string_view word) -> std::optional<std::string> {
        if (word == "дом")
            return "dˈom";
        return std::nullopt;
    });
    panel.phoneme = "other";
    commands.ReadTextExecute();
    panel.grapheme = "кот";
    commands.ReadTextExecute();
    EXPECT_THAT(engine->calls(), ElementsAre("speak дом", markup("dˈom"), "speak кот"));
    EXPECT_FALSE(commands.playing());
}

TEST_F(ReadingCommandsTest, EmptyWordSpeaksNothingButClearsTheFlag)
{
    commands.setPlaying(true);
    commands.ReadAliasButtonClick();
    commands.ReadTextExecute();
    EXPECT_THAT(engine->calls(), IsEmpty());
    EXPECT_FALSE(commands.playing());
}

TEST_F(ReadingCommandsTest, ListPlaysFromTheCurrentRowAndStopsAfterTheWordBeingSpoken)
{
    fill(table1, 10, "w");
    int afterScrolls = 0;
    table1.setAfterScroll([&] { ++afterScrolls; });
    table1.moveTo(2);
    afterScrolls = 0;
    whenCalled(markup("ipaw5"), [this] { commands.StopPlaySpeedButtonClick(); });

    commands.StartPlayPhonemeDicSpeedButtonClick();

    EXPECT_THAT(engine->calls(),
                ElementsAre("wait 100", markup("ipaw3"), "wait 1000", "wait -1", markup("ipaw4"), "wait 1000",
                            "wait -1", markup("ipaw5"), "wait 1000", "speak  ", "wait 1000", "wait -1"));
    EXPECT_THAT(pauses, ElementsAre(100, 100, 100));
    EXPECT_EQ(table1.position(), 4u); // the edit panel shows row 5
    EXPECT_EQ(afterScrolls, 0);       // the panel did not follow the rows
    EXPECT_EQ(panel.syncs, 2);        // the stop button's and the playback's own
    EXPECT_FALSE(commands.playing());
    table1.next();
    EXPECT_EQ(afterScrolls, 1); // panel sync is attached again
}

TEST_F(ReadingCommandsTest, ListReachingTheEndLeavesTheFlagSet)
{
    fill(table1, 2, "w");
    table1.first();
    commands.StartPlayDicSpeedButtonClick();
    EXPECT_THAT(engine->calls(), ElementsAre("wait 100", "speak w1", "wait 1000", "wait -1", "speak w2",
                                             "wait 1000", "wait -1"));
    EXPECT_TRUE(commands.playing());
    EXPECT_TRUE(table1.eof());
    EXPECT_EQ(panel.syncs, 1);
}

TEST_F(ReadingCommandsTest, EmptyTableCallsNothing)
{
    commands.setPlaying(true);
    commands.StartPlayDicSpeedButtonClick();
    EXPECT_THAT(engine->calls(), IsEmpty());
    EXPECT_FALSE(commands.playing());
    EXPECT_EQ(panel.syncs, 0);
    EXPECT_THAT(pauses, IsEmpty());
}

TEST_F(ReadingCommandsTest, TranscriptionKeyDuringAListEndsIt)
{
    fill(table1, 3, "w");
    table1.first();
    panel.phoneme = "dˈom";
    whenCalled("speak w2", [this] { commands.ReadPhonemeButtonClick(); });

    commands.StartPlayDicSpeedButtonClick();

    EXPECT_THAT(engine->calls(), ElementsAre("wait 100", "speak w1", "wait 1000", "wait -1", "speak w2",
                                             "wait 1000", markup("dˈom"), "wait -1"));
    EXPECT_EQ(table1.position(), 1u);
}

TEST_F(ReadingCommandsTest, ListReadsWordAndTranscriptionByTheCheckBoxes)
{
    fill(table1, 2, "w");
    table1.first();
    commands.setIndexLookup([](std::string_view word) -> std::optional<std::string> {
        if (word == "w1")
            return "found1";
        return std::nullopt;
    });
    panel.withPhoneme = true;
    panel.fromDictionaries = true;
    commands.StartPlayDicSpeedButtonClick();
    EXPECT_THAT(engine->calls(),
                ElementsAreArray(std::vector<std::string>{"wait 100",
                                  // w1: the dictionaries' transcription, then its own
                                  markup("found1"), "wait -1", markup("ipaw1"), "wait 1000", "wait -1",
                                  // w2 is in no dictionary: the word as text, then its transcription
                                  "speak w2", "wait 1000", "wait -1", markup("ipaw2"), "wait 1000",
                                  "wait -1"}));

    engine->clearCalls();
    table1.first();
    panel.withPhoneme = false;
    commands.StartPlayPhonemeDicSpeedButtonClick(); // the dictionaries win over the transcription flag
    EXPECT_THAT(engine->calls(), ElementsAre("wait 100", markup("found1"), "wait -1", "speak w2", "wait 1000",
                                             "wait -1"));
}

TEST_F(ReadingCommandsTest, SecondListStartedDuringAPlaybackRunsInsideIt)
{
    fill(table1, 2, "w");
    table1.first();
    RecordTable doubles(lexicon::lexiconLayout());
    fill(doubles, 2, "d");
    doubles.first();
    panel.fromDictionaries = true;
    whenCalled("speak w1", [&] { commands.StartPlayDoublesSpeedButtonClick(doubles); });

    commands.StartPlayDicSpeedButtonClick();

    EXPECT_FALSE(panel.fromDictionaries);
    EXPECT_THAT(engine->calls(),
                ElementsAre("wait 100", "speak w1", "wait 1000",
                            // the duplicates list, played to its end inside the first one
                            "wait 100", "speak d1", "wait 1000", "wait -1", "speak d2", "wait 1000", "wait -1",
                            // the first list goes on: the second one left the flag set
                            "wait -1", "speak w2", "wait 1000", "wait -1"));
    EXPECT_TRUE(commands.playing());
}

TEST_F(ReadingCommandsTest, WaitingLoopLetsEventsRunBeforeEachWait)
{
    fill(table1, 1, "w");
    table1.first();
    engine->scriptWaits({true, true, false, false, true}); // first wait, after-text wait, waiting loop
    const int before = feedback.events;
    commands.StartPlayDicSpeedButtonClick();
    EXPECT_THAT(engine->calls(), ElementsAre("wait 100", "speak w1", "wait 1000", "wait -1", "wait -1", "wait -1"));
    // StartPlay's own, the one after the text, one per wait of the loop
    EXPECT_EQ(feedback.events - before, 5);
}

TEST_F(ReadingCommandsTest, DuplicateButtonsReadTheCurrentDuplicate)
{
    RecordTable doubles(lexicon::lexiconLayout());
    fill(doubles, 1, "d");
    doubles.first();
    panel.fromDictionaries = true;
    commands.setPlaying(true);
    commands.ReadDoubleSpeedButtonClick(doubles);
    EXPECT_FALSE(panel.fromDictionaries);
    EXPECT_FALSE(commands.playing());
    commands.DoublePhonemeSoundSpeedButtonClick(doubles);
    EXPECT_THAT(engine->calls(), ElementsAre("speak d1", "wait 1000", markup("ipad1"), "wait 1000"));
}

} // namespace
} // namespace lexorama::speech
