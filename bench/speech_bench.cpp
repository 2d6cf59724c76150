// Speech figures: IPA conversion speed, espeak-ng synthesis speed, how long a speak call keeps
// the caller, and how soon a transcription cuts in on speech being played.
#include "speech/espeak_engine.h"
#include "speech/ipa_to_espeak.h"
#include "speech/null_audio_output.h"
#include "speech/pcm_recorder.h"
#include "speech/phoneme_markup.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace lexorama::speech;
using Clock = std::chrono::steady_clock;

namespace {

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

const std::vector<std::string> kTranscriptions = {
    "sɐbˈakə", "mʲˈæsə", "ɕːˈi", "t͡ɕʲɪlɐvʲˈek", "zdrˈastvʊjtʲɪ", "ɐtkrˈɨtʲɪjə", "dʲɪʂɨvʲˈizənə", "pʲɪrʲɪvˈot"};

void conversion()
{
    constexpr int kRounds = 200000;
    std::size_t total = 0;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kRounds; ++i)
        total += ipaToEspeak(kTranscriptions[static_cast<std::size_t>(i) % kTranscriptions.size()]).size();
    std::printf("IPA to espeak codes: %.0f transcriptions/s (%zu bytes)\n", kRounds / secondsSince(start), total);
}

void synthesis()
{
    auto recorder = std::make_shared<PcmRecorder>();
    EspeakEngine engine({[recorder](int) { return recorder; }, {}});
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < 50; ++i) {
        engine.speakMarkup(phonemeMarkup(kTranscriptions[static_cast<std::size_t>(i) % kTranscriptions.size()]));
        engine.waitUntilDone(-1);
    }
    const double wall = secondsSince(start);
    const double audio = static_cast<double>(recorder->samples().size()) / engine.sampleRate();
    std::printf("synthesis: %.1f s of speech in %.3f s (%.0f x real time, %.1f ms per word)\n", audio, wall,
                audio / wall, wall / 50 * 1000);
}

// A silent device that notes when it gets the first sound after a discard.
class CutInOutput : public AudioOutput {
public:
    explicit CutInOutput(int rate) : device_(rate) {}
    bool write(std::span<const std::int16_t> samples) override
    {
        if (discarded && firstAfterDiscard.load() == Clock::time_point{})
            firstAfterDiscard = Clock::now();
        ++writes;
        return device_.write(samples);
    }
    void drain() override { device_.drain(); }
    void discard() override
    {
        discarded = true;
        device_.discard();
    }

    std::atomic<int> writes{0};
    std::atomic<bool> discarded{false};
    std::atomic<Clock::time_point> firstAfterDiscard{};

private:
    NullAudioOutput device_;
};

void callsAndCutIn()
{
    std::shared_ptr<CutInOutput> output;
    EspeakEngine engine({[&output](int rate) { return output = std::make_shared<CutInOutput>(rate); }, {}});
    double longestCall = 0;
    for (int i = 0; i < 200; ++i) {
        const Clock::time_point start = Clock::now();
        engine.speak("Раз, два, три, четыре, пять.");
        longestCall = std::max(longestCall, secondsSince(start));
    }
    std::printf("speak call with 200 texts queued: at most %.1f us\n", longestCall * 1e6);
    while (output->writes < 20)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const Clock::time_point cut = Clock::now();
    engine.speakMarkup(phonemeMarkup("sɐbˈakə"));
    engine.waitUntilDone(-1);
    const double cutIn = std::chrono::duration<double>(output->firstAfterDiscard.load() - cut).count();
    std::printf("transcription cuts in on speech after %.1f ms\n", cutIn * 1000);
}

void endWhileSpeaking()
{
    std::optional<EspeakEngine> engine(std::in_place, EspeakEngine::Options{
        [](int rate) { return std::make_shared<NullAudioOutput>(rate); }, {}});
    engine->speak("Раз, два, три, четыре, пять, шесть, семь, восемь, девять, десять.");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const Clock::time_point start = Clock::now();
    engine.reset();
    std::printf("engine destroyed while speaking: worker joined in %.1f ms\n", secondsSince(start) * 1000);
}

} // namespace

int main()
{
    conversion();
    synthesis();
    callsAndCutIn();
    endWhileSpeaking();
}
