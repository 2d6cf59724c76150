#include "speech/espeak_engine.h"

#include "phonetics/phoneme_alphabet.h"

#include "speech/espeak_rate.h"
#include "speech/null_audio_output.h"
#include "speech/pcm_recorder.h"
#include "speech/phoneme_markup.h"
#include "speech/pulse_audio_output.h"
#include "speech/speech_binding.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unicode/utf8.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char **environ;

namespace lexorama::speech {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;

// The phonemes espeak reports while speaking, pauses left out.
class PhonemeLog {
public:
    std::function<void(std::string_view)> listener()
    {
        return [this](std::string_view name) {
            const std::lock_guard lock(mutex_);
            if (!name.starts_with('_'))
                text_ += (text_.empty() ? "" : " ") + std::string(name);
        };
    }
    std::string take()
    {
        const std::lock_guard lock(mutex_);
        return std::exchange(text_, {});
    }

private:
    std::mutex mutex_;
    std::string text_;
};

// One engine for the whole suite, writing into memory: synthesis runs far faster than speech.
class EspeakSpeech : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        log_ = new PhonemeLog;
        recorder_ = std::make_shared<PcmRecorder>();
        engine_ = new EspeakEngine({[](int) { return recorder_; }, log_->listener()});
    }
    static void TearDownTestSuite()
    {
        delete engine_;
        delete log_;
        recorder_.reset();
    }

    static std::string spokenPhonemes(const std::string &ipa)
    {
        log_->take();
        engine_->speakMarkup(phonemeMarkup(ipa));
        engine_->waitUntilDone(-1);
        return log_->take();
    }

    static std::size_t samplesOf(const std::string &text)
    {
        const std::size_t before = recorder_->samples().size();
        engine_->speak(text);
        engine_->waitUntilDone(-1);
        return recorder_->samples().size() - before;
    }

    static inline PhonemeLog *log_ = nullptr;
    static inline std::shared_ptr<PcmRecorder> recorder_;
    static inline EspeakEngine *engine_ = nullptr;
};

TEST_F(EspeakSpeech, ListsRussianVoicesFirst)
{
    const std::vector<VoiceInfo> voices = engine_->voices();
    ASSERT_GT(voices.size(), 2u);
    EXPECT_EQ(voices[0], (VoiceInfo{"Russian", "zle/ru"}));
    EXPECT_THAT(voices[1].handle, HasSubstr("zle/ru"));
}

TEST_F(EspeakSpeech, SpeaksTheTranscriptionOfTheMarkup)
{
    EXPECT_EQ(spokenPhonemes("sɐbˈakə"), "s V# b A k @");
    EXPECT_EQ(spokenPhonemes("dˈom dˈom"), "d o m d o m");
}

TEST_F(EspeakSpeech, OtherMarkupIsReadAsText)
{
    log_->take();
    engine_->speakMarkup("<speak>дом</speak>");
    engine_->waitUntilDone(-1);
    EXPECT_EQ(log_->take(), "d o m");
}

TEST_F(EspeakSpeech, EmptyTranscriptionSpeaksNothing)
{
    EXPECT_EQ(spokenPhonemes(""), "");
    EXPECT_EQ(spokenPhonemes("ʰ."), "");
    EXPECT_TRUE(engine_->waitUntilDone(0));
}

// No character may cut a word off: an unknown espeak code would silence the rest of it.
TEST_F(EspeakSpeech, NoCharacterCutsTheWordOff)
{
    std::vector<std::string> cut;
    const auto check = [&](char32_t c) {
        std::string ipa = "ˈa";
        char bytes[4];
        std::int32_t length = 0;
        U8_APPEND_UNSAFE(reinterpret_cast<std::uint8_t *>(bytes), length, c);
        ipa.append(bytes, static_cast<std::size_t>(length));
        ipa += "ama";
        // a stress mark stresses the vowel after it
        const std::string spoken = spokenPhonemes(ipa);
        if (!spoken.ends_with("m a#") && !spoken.ends_with("m A"))
            cut.push_back(ipa);
    };
    for (char32_t c = 0x21; c < 0x370; ++c)
        check(c);
    for (char32_t c = 0x1D00; c < 0x1DC0; ++c)
        check(c);
    for (const char32_t c : {U'‿', U'ⁿ', U'\u0361'})
        check(c);
    EXPECT_THAT(cut, ElementsAre());
}

TEST_F(EspeakSpeech, FasterRateMakesShorterSpeech)
{
    const std::string text = "Съешь же ещё этих мягких французских булок";
    engine_->setRate(-10);
    const std::size_t slow = samplesOf(text);
    engine_->setRate(10);
    const std::size_t fast = samplesOf(text);
    engine_->setRate(0);
    const std::size_t normal = samplesOf(text);
    EXPECT_LT(fast, normal);
    EXPECT_LT(normal, slow);
}

TEST_F(EspeakSpeech, ChosenVoiceSpeaks)
{
    engine_->setVoice("gmw/en");
    log_->take();
    engine_->speak("hello");
    engine_->waitUntilDone(-1);
    EXPECT_THAT(log_->take(), HasSubstr("h"));
    engine_->setVoice("zle/ru");
}

TEST_F(EspeakSpeech, OnlyOneEngineAtATime)
{
    EXPECT_THROW(EspeakEngine{}, std::runtime_error);
}

// One symbol of the phoneme alphabet in a word, and what espeak says for it.
struct AlphabetCase {
    std::string symbol;
    std::string ipa;
    std::string spoken;
};

void PrintTo(const AlphabetCase &c, std::ostream *out) { *out << c.ipa; }

class EspeakAlphabet : public EspeakSpeech, public ::testing::WithParamInterface<AlphabetCase> {};

TEST_P(EspeakAlphabet, SpeaksTheSymbol)
{
    EXPECT_EQ(spokenPhonemes(GetParam().ipa), GetParam().spoken);
}

AlphabetCase stressedVowel(const std::string &v, const std::string &spoken)
{
    return {v, "tˈ" + v + "ma", "t " + spoken + " m a#"};
}
AlphabetCase unstressedVowel(const std::string &v, const std::string &spoken)
{
    return {v, "ˈat" + v + "ma", "A t " + spoken + " m a#"};
}
AlphabetCase consonant(const std::string &c, const std::string &spoken)
{
    return {c, "ˈa" + c + "ama", "A " + spoken + " a# m a#"};
}
AlphabetCase symbol(const std::string &s, const std::string &spoken)
{
    return {s, "ˈat" + s + "ma", "A " + spoken};
}

const std::vector<AlphabetCase> kStressedVowels = {
    stressedVowel("a", "A"), stressedVowel("ä", "A"), stressedVowel("ɑ", "A"), stressedVowel("æ", "A"),
    stressedVowel("e", "e"), stressedVowel("je", "j e"), stressedVowel("ɛ", "E"), stressedVowel("i", "i"),
    stressedVowel("ɨ", "y"), stressedVowel("o", "o"), stressedVowel("ɵ", "8"), stressedVowel("u", "u"),
    stressedVowel("ʉ", "u\"")};

const std::vector<AlphabetCase> kUnstressedVowels = {
    unstressedVowel("@", "@"), unstressedVowel("ɐ", "V#"), unstressedVowel("ə", "@"),
    unstressedVowel("o", "o"), unstressedVowel("ɪ", "I"), unstressedVowel("ɨ", "y"),
    unstressedVowel("ʊ", "u"), unstressedVowel("ʉ", "u\"")};

const std::vector<AlphabetCase> kConsonants = {
    consonant("b", "b"), consonant("bʲ", "b ;"), consonant("d", "d"), consonant("dʲ", "d;"),
    consonant("f", "f"), consonant("fʲ", "f ;"), consonant("ɡ", "g"), consonant("ɡʲ", "g ;"),
    consonant("ɣ", "Q"), consonant("j", "j"), consonant("k", "k"), consonant("kʲ", "k ;"),
    consonant("l", "l"), consonant("lʲ", "l ;"), consonant("m", "m"), consonant("mʲ", "m;"),
    consonant("n", "n"), consonant("nʲ", "n ;"), consonant("p", "p"), consonant("pʲ", "p ;"),
    consonant("r", "r"), consonant("rʲ", "r ;"), consonant("s", "s"), consonant("sʲ", "s;"),
    consonant("ʂ", "S"), consonant("ɕː", "S; S;"), consonant("t", "t"), consonant("tʲ", "t;"),
    consonant("t͡s", "ts"), consonant("t͡ɕ", "tS;"), consonant("v", "v"), consonant("vʲ", "v ;"),
    consonant("x", "x"), consonant("xʲ", "x ;"), consonant("z", "z"), consonant("zʲ", "z;"),
    consonant("ʐ", "Z"), consonant("ʑː", "Z; Z;")};

const std::vector<AlphabetCase> kSymbols = {
    symbol("ˈ", "t m A"), symbol("ˌ", "t m A"), symbol("\u0306", "t m a#"), symbol("ˑ", "t m a#"),
    symbol("ː", "t t m a#"), symbol(".", "t m a#"), symbol("‿", "t m a#"), symbol("\u031A", "t m a#"),
    symbol("ʲ", "t; m a#"), symbol("ʷ", "t m a#"), symbol("ⁿ", "t m a#"), symbol("ʰ", "t m a#"),
    symbol("˭", "t m a#"), symbol("ˠ", "t m a#"), symbol("ˤ", "t m a#"), symbol("ˡ", "t m a#"),
    symbol("ʼ", "t m a#")};

INSTANTIATE_TEST_SUITE_P(StressedVowels, EspeakAlphabet, ::testing::ValuesIn(kStressedVowels));
INSTANTIATE_TEST_SUITE_P(UnstressedVowels, EspeakAlphabet, ::testing::ValuesIn(kUnstressedVowels));
INSTANTIATE_TEST_SUITE_P(Consonants, EspeakAlphabet, ::testing::ValuesIn(kConsonants));
INSTANTIATE_TEST_SUITE_P(Symbols, EspeakAlphabet, ::testing::ValuesIn(kSymbols));

// Every symbol of the built-in phoneme alphabet has its row above.
TEST(EspeakAlphabetRows, CoverTheBuiltInAlphabet)
{
    std::set<std::string> covered;
    for (const auto *rows : {&kStressedVowels, &kUnstressedVowels, &kConsonants, &kSymbols})
        for (const AlphabetCase &row : *rows)
            covered.insert(row.symbol);
    std::vector<std::string> missing;
    const phonetics::PhonemeAlphabet alphabet;
    ASSERT_GT(alphabet.rows().size(), covered.size());
    for (const phonetics::PhonemeAlphabet::Row &row : alphabet.rows())
        if (!row.symbol.empty() && !covered.contains(row.symbol))
            missing.push_back(row.symbol);
    EXPECT_THAT(missing, ElementsAre());
}

// Engines that play in real time, through an output that keeps time without a device.
class EspeakTiming : public ::testing::Test {
protected:
    static EspeakEngine::Options silentDevice()
    {
        return {[](int rate) { return std::make_shared<NullAudioOutput>(rate); }, {}};
    }
};

TEST_F(EspeakTiming, SpeakingLastsAsLongAsTheSound)
{
    EspeakEngine engine(silentDevice());
    engine.speak("Раз, два, три, четыре, пять.");
    EXPECT_FALSE(engine.waitUntilDone(0)); // speak did not wait for the speech
    EXPECT_FALSE(engine.waitUntilDone(100));
    EXPECT_TRUE(engine.waitUntilDone(-1));
    EXPECT_TRUE(engine.waitUntilDone(0));
}

TEST_F(EspeakTiming, WaitingForAWindowLetsItRunMeanwhile)
{
    EspeakEngine engine(silentDevice());
    engine.speak("Раз, два, три.");
    int turns = 0;
    EXPECT_FALSE(engine.waitUntilDone(50, [&] { ++turns; }));
    EXPECT_TRUE(engine.waitUntilDone(-1, [&] { ++turns; }));
    EXPECT_GT(turns, 5); // the sentence lasts far longer than a few 20 ms turns
    EXPECT_TRUE(engine.waitUntilDone(-1, [&] { ADD_FAILURE() << "nothing left to wait for"; }));
}

// Keeps time like a silent device and counts what it was given.
class CountingOutput : public AudioOutput {
public:
    explicit CountingOutput(int rate) : device_(rate) {}
    bool write(std::span<const std::int16_t> samples) override
    {
        written += samples.size();
        return device_.write(samples);
    }
    void drain() override { device_.drain(); }
    void discard() override
    {
        ++discards;
        device_.discard();
    }

    std::atomic<std::size_t> written{0};
    std::atomic<int> discards{0};

private:
    NullAudioOutput device_;
};

TEST_F(EspeakTiming, MarkupDiscardsWhatIsQueuedOrSpoken)
{
    PhonemeLog log;
    std::shared_ptr<CountingOutput> output;
    EspeakEngine engine({[&output](int rate) { return output = std::make_shared<CountingOutput>(rate); },
                         log.listener()});
    const std::string longText = "Раз, два, три, пять, раз, два, три, пять.";
    engine.speak(longText);
    engine.speak("шесть");
    while (output->written == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    engine.speakMarkup(phonemeMarkup("mˈama"));
    EXPECT_TRUE(engine.waitUntilDone(-1));
    const std::string spoken = log.take();
    EXPECT_THAT(spoken, EndsWith("m A m a#"));
    EXPECT_THAT(spoken, Not(HasSubstr("S"))); // "шесть" was never spoken
    EXPECT_EQ(output->discards, 1);

    // the long text was cut off: all of it alone is longer than what was played with the markup
    const std::size_t cutOff = output->written;
    output->written = 0;
    engine.speak(longText);
    EXPECT_TRUE(engine.waitUntilDone(-1));
    EXPECT_LT(cutOff, output->written);
}

TEST_F(EspeakTiming, PlainTextIsQueuedBehindSpeech)
{
    PhonemeLog log;
    auto options = silentDevice();
    options.onPhoneme = log.listener();
    EspeakEngine engine(std::move(options));
    engine.speakMarkup(phonemeMarkup("dˈom"));
    engine.speak("дом");
    EXPECT_TRUE(engine.waitUntilDone(-1));
    EXPECT_EQ(log.take(), "d o m d o m");
}

TEST_F(EspeakTiming, EndsCleanlyWhileSpeaking)
{
    {
        EspeakEngine engine(silentDevice());
        engine.speak("Раз, два, три, четыре, пять, шесть, семь, восемь, девять, десять.");
        engine.speak("Раз, два, три, четыре, пять, шесть, семь, восемь, девять, десять.");
    }
    EspeakEngine next(silentDevice()); // the process's espeak is free again
    EXPECT_FALSE(next.voices().empty());
}

// The binding on the real engine, as the window runs it: with no stored choice the Russian
// voice is chosen; speaking does not hold the caller; closing while speaking ends cleanly.
TEST(EspeakBinding, StartsRussianSpeaksAndClosesWhileSpeaking)
{
    SilentFeedback feedback;
    {
        SpeechBinding binding(EspeakEngine::factory(), feedback);
        binding.TTSInit();
        ASSERT_TRUE(binding.hasVoices());
        EXPECT_EQ(binding.itemIndex(), 0);
        EXPECT_EQ(binding.voiceNames().front(), "Russian");
        binding.ReinitTTSActionExecute(binding.itemIndex()); // a second engine replaces the first
        EXPECT_EQ(binding.itemIndex(), 0);
        binding.ReadText("Раз, два, три, четыре, пять, шесть, семь, восемь, девять, десять.", false);
        EXPECT_FALSE(binding.WaitUntilDone(0));
        binding.TTSDone();
    }
    EspeakEngine next; // the worker has been joined and espeak is free again
    EXPECT_FALSE(next.voices().empty());
}

TEST(EspeakRate, MapsTheScaleToWordsPerMinute)
{
    EXPECT_EQ(espeakWordsPerMinute(0), 175);
    EXPECT_EQ(espeakWordsPerMinute(-10), 80);
    EXPECT_EQ(espeakWordsPerMinute(10), 565);
    EXPECT_EQ(espeakWordsPerMinute(-50), 80);
    EXPECT_EQ(espeakWordsPerMinute(50), 565);
    for (int rate = -10; rate < 10; ++rate)
        EXPECT_LE(espeakWordsPerMinute(rate), espeakWordsPerMinute(rate + 1));
}

// A private PulseAudio server with a null sink: the real sound path on a machine without a
// sound card. Skipped where pulseaudio cannot start.
class PulseAudioSpeech : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string runtime = dir_.path();
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        setenv("PULSE_SERVER", ("unix:" + runtime + "/pulse/native").c_str(), 1);
        const char *argv[] = {"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                              "--load=module-null-sink sink_name=lexorama", "--load=module-native-protocol-unix",
                              "--log-target=stderr", "--log-level=0", nullptr};
        if (posix_spawnp(&server_, "pulseaudio", nullptr, nullptr, const_cast<char **>(argv), environ) != 0) {
            server_ = 0;
            GTEST_SKIP() << "pulseaudio cannot be started";
        }
        for (int i = 0; i < 100 && !std::filesystem::exists(runtime + "/pulse/native"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (!PulseAudioOutput::open(22050))
            GTEST_SKIP() << "pulseaudio did not start";
    }

    void TearDown() override
    {
        if (server_ > 0) {
            kill(server_, SIGTERM);
            waitpid(server_, nullptr, 0);
        }
        unsetenv("PULSE_SERVER");
    }

    test::TempDir dir_;
    pid_t server_ = 0;
};

TEST_F(PulseAudioSpeech, PlaysThroughTheSoundServer)
{
    EspeakEngine engine;
    engine.speak("Раз, два, три.");
    EXPECT_FALSE(engine.waitUntilDone(0));
    EXPECT_TRUE(engine.waitUntilDone(-1));
    engine.speak("Раз, два, три, четыре, пять, шесть, семь, восемь, девять, десять.");
    engine.speakMarkup(phonemeMarkup("dˈom"));
    EXPECT_TRUE(engine.waitUntilDone(-1));
}

} // namespace
} // namespace lexorama::speech
