#include "speech/speech_binding.h"

#include "speech/scripted_speech_engine.h"
#include "speech_test_doubles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lexorama::speech {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SpeechBindingTest : public ::testing::Test {
protected:
    void useVoices(std::vector<VoiceInfo> voices)
    {
        engine = std::make_shared<ScriptedSpeechEngine>(std::move(voices));
    }
    void useThreeVoices() { useVoices({{"Alyona", "a"}, {"Maxim", "m"}, {"Tatyana", "t"}}); }

    test::EventFeedback feedback;
    std::shared_ptr<ScriptedSpeechEngine> engine = std::make_shared<ScriptedSpeechEngine>();
    int created = 0;
    SpeechBinding binding{[this] {
                              ++created;
                              return engine;
                          },
                          feedback};
};

TEST_F(SpeechBindingTest, WithoutVoicesDisablesTheControlsForTheRun)
{
    binding.TTSInit();
    EXPECT_THAT(feedback.statuses, ElementsAre("Найдено Sapi Voices - 0"));
    EXPECT_GE(feedback.events, 1);
    EXPECT_THAT(binding.voiceNames(), IsEmpty());
    EXPECT_EQ(binding.itemIndex(), -1);
    EXPECT_FALSE(binding.controlsEnabled());
    EXPECT_FALSE(binding.warmUp());
    EXPECT_THAT(engine->calls(), IsEmpty());

    useThreeVoices();
    binding.ReinitTTSActionExecute(-1);
    EXPECT_EQ(binding.voiceNames().size(), 3u);
    EXPECT_FALSE(binding.controlsEnabled()); // nothing enables them again
}

TEST_F(SpeechBindingTest, StartsWithTheFirstVoice)
{
    useThreeVoices();
    binding.TTSInit();
    EXPECT_THAT(binding.voiceNames(), ElementsAre("Alyona", "Maxim", "Tatyana"));
    EXPECT_EQ(binding.itemIndex(), 0);
    EXPECT_TRUE(binding.controlsEnabled());
    EXPECT_THAT(engine->calls(), ElementsAre("voice a"));
    EXPECT_THAT(feedback.statuses, ElementsAre("Alyona"));
}

TEST_F(SpeechBindingTest, RestoredVoiceBecomesTheEnginesVoice)
{
    useThreeVoices();
    binding.TTSInit();
    engine->clearCalls();
    feedback.statuses.clear();

    binding.ReinitTTSActionExecute(1); // the stored selector index after start-up
    EXPECT_EQ(created, 2);
    EXPECT_EQ(binding.rememberedVoiceIndex(), 1);
    EXPECT_EQ(binding.itemIndex(), 1);
    EXPECT_THAT(engine->calls(), ElementsAre("voice m"));
    EXPECT_THAT(feedback.statuses, ElementsAre("Maxim"));
}

TEST_F(SpeechBindingTest, RememberedIndexOutsideTheListSelectsNothing)
{
    useThreeVoices();
    binding.ReinitTTSActionExecute(5);
    EXPECT_EQ(binding.itemIndex(), -1);
    EXPECT_THAT(engine->calls(), IsEmpty());
    EXPECT_THAT(binding.voiceNames().size(), 3u);
}

TEST_F(SpeechBindingTest, ReinitKeepsTheVoiceAndInvalidatesTheIndex)
{
    useThreeVoices();
    int invalidated = 0;
    binding.setIndexInvalidator([&] { ++invalidated; });
    binding.TTSInit();
    binding.ComboBox1Change(2);
    engine->clearCalls();

    binding.ReinitTTSActionExecute(binding.itemIndex());
    EXPECT_EQ(binding.itemIndex(), 2);
    EXPECT_THAT(binding.voiceNames(), ElementsAre("Alyona", "Maxim", "Tatyana")); // not doubled
    EXPECT_THAT(engine->calls(), ElementsAre("voice t"));
    EXPECT_EQ(invalidated, 1);
}

TEST_F(SpeechBindingTest, SelectingNoItemChangesNothing)
{
    useThreeVoices();
    binding.TTSInit();
    engine->clearCalls();
    binding.ComboBox1Change(-1);
    EXPECT_EQ(binding.itemIndex(), 0);
    EXPECT_THAT(engine->calls(), IsEmpty());
}

TEST_F(SpeechBindingTest, AfterTTSDoneTheItemsStayButSelectNoVoice)
{
    useThreeVoices();
    binding.TTSInit();
    engine->clearCalls();
    binding.TTSDone();
    binding.ComboBox1Change(1);
    EXPECT_EQ(binding.voiceNames().size(), 3u);
    EXPECT_THAT(engine->calls(), IsEmpty());
}

TEST_F(SpeechBindingTest, RateGoesToTheEngineAndIntoTheHint)
{
    binding.TTSInit();
    EXPECT_EQ(SpeechBinding::kInitialRateHint, "0 (Скорость чтения)");
    EXPECT_EQ(binding.VoiceRateTrackBarChange(-10), "-10");
    EXPECT_EQ(binding.VoiceRateTrackBarChange(0), "0");
    EXPECT_THAT(engine->calls(), ElementsAre("rate -10", "rate 0"));
}

TEST_F(SpeechBindingTest, ReadTextSpeaksAnythingButEmptyText)
{
    binding.TTSInit();
    binding.ReadText("", true);
    binding.ReadText("", false);
    binding.ReadText(" ", false);
    binding.ReadText("<phoneme ph=\"dom\"></phoneme>", true);
    EXPECT_THAT(engine->calls(), ElementsAre("speak  ", "markup <phoneme ph=\"dom\"></phoneme>"));
}

TEST_F(SpeechBindingTest, WarmUpSpeaksABlankAndWaitsLettingEventsRun)
{
    useThreeVoices();
    binding.TTSInit();
    engine->clearCalls();
    feedback.statuses.clear();
    const int eventsBefore = feedback.events;
    engine->scriptWaits({false, false, true});

    EXPECT_TRUE(binding.warmUp());
    EXPECT_THAT(feedback.statuses, ElementsAre("Загружаются словари..."));
    EXPECT_THAT(engine->calls(), ElementsAre("speak  ", "wait 100", "wait 100", "wait 100"));
    EXPECT_EQ(feedback.events - eventsBefore, 3);
}

TEST_F(SpeechBindingTest, EngineFailureReachesTheCaller)
{
    SpeechBinding failing([]() -> std::shared_ptr<SpeechEngine> { throw std::runtime_error("no engine"); },
                          feedback);
    EXPECT_THROW(failing.TTSInit(), std::runtime_error);
}

} // namespace
} // namespace lexorama::speech
