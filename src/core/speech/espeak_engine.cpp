#include "speech/espeak_engine.h"

#include "speech/espeak_rate.h"
#include "speech/ipa_to_espeak.h"
#include "speech/null_audio_output.h"
#include "speech/phoneme_markup.h"
#include "speech/pulse_audio_output.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <future>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>

namespace lexorama::speech {

namespace {

// espeak-ng keeps one global instance and cannot be started again after espeak_Terminate, so
// it is started once per process and handed from one engine's worker to the next.
std::atomic<bool> engineAlive{false};
int espeakSampleRate = 0;

enum class TextKind { Plain, Phonemes, Markup };

struct Job {
    std::string text;
    TextKind kind;
    std::uint64_t generation;
};

// What the synthesis callback fills; espeak's callback has no user pointer of its own.
struct Synthesis {
    std::vector<std::int16_t> samples;
    std::function<bool()> cancelled;
    const std::function<void(std::string_view)> *onPhoneme;
};
Synthesis *currentSynthesis = nullptr;

int synthCallback(short *wav, int count, espeak_EVENT *events)
{
    Synthesis *synthesis = currentSynthesis;
    if (!synthesis)
        return 0;
    if (synthesis->cancelled())
        return 1;
    if (wav && count > 0)
        synthesis->samples.insert(synthesis->samples.end(), wav, wav + count);
    for (; events && events->type != espeakEVENT_LIST_TERMINATED; ++events) {
        if (events->type == espeakEVENT_PHONEME && *synthesis->onPhoneme) {
            char name[sizeof events->id.string + 1] = {};
            std::memcpy(name, events->id.string, sizeof events->id.string);
            (*synthesis->onPhoneme)(name);
        }
    }
    return 0;
}

int startEspeak()
{
    if (espeakSampleRate <= 0) {
        espeakSampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                             espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_DONT_EXIT);
        if (espeakSampleRate <= 0)
            throw std::runtime_error("espeak-ng cannot start: its voice data is missing or broken");
    }
    espeak_SetSynthCallback(synthCallback);
    return espeakSampleRate;
}

bool isRussian(const espeak_VOICE &voice)
{
    // languages: a priority byte, then the language name.
    return voice.languages && std::string_view(voice.languages + 1).starts_with("ru");
}

// espeak's voices with the Russian ones first, each group in espeak's order.
std::vector<VoiceInfo> listVoices()
{
    std::vector<const espeak_VOICE *> found;
    for (const espeak_VOICE **voice = espeak_ListVoices(nullptr); voice && *voice; ++voice)
        found.push_back(*voice);
    std::stable_partition(found.begin(), found.end(), [](const espeak_VOICE *v) { return isRussian(*v); });
    std::vector<VoiceInfo> voices;
    for (const espeak_VOICE *voice : found)
        voices.push_back({voice->name, voice->identifier});
    return voices;
}

std::optional<Job> jobFor(std::string_view markup, std::uint64_t generation)
{
    const auto ipa = parsePhonemeMarkup(markup);
    if (!ipa)
        return Job{std::string(markup), TextKind::Markup, generation};
    const std::string codes = ipaToEspeak(*ipa);
    if (codes.empty())
        return std::nullopt;
    return Job{"[[" + codes + "]]", TextKind::Phonemes, generation};
}

unsigned synthFlags(TextKind kind)
{
    switch (kind) {
    case TextKind::Phonemes: return espeakCHARS_UTF8 | espeakPHONEMES;
    case TextKind::Markup: return espeakCHARS_UTF8 | espeakSSML;
    case TextKind::Plain: break;
    }
    return espeakCHARS_UTF8;
}

} // namespace

class EspeakEngine::Worker {
public:
    explicit Worker(Options options) : options_(std::move(options))
    {
        if (engineAlive.exchange(true))
            throw std::runtime_error("espeak-ng is already in use by another speech engine");
        std::promise<void> started;
        auto ready = started.get_future();
        thread_ = std::thread([this, &started] { run(started); });
        try {
            ready.get();
        } catch (...) {
            thread_.join();
            engineAlive = false;
            throw;
        }
    }

    ~Worker()
    {
        {
            const std::lock_guard lock(mutex_);
            stop_ = true;
            queue_.clear();
            ++generation_;
        }
        jobReady_.notify_all();
        thread_.join();
        engineAlive = false;
    }

    std::vector<VoiceInfo> voices() const { return voices_; }
    int sampleRate() const { return sampleRate_; }

    void setVoice(const std::string &handle)
    {
        const std::lock_guard lock(mutex_);
        wantedVoice_ = handle;
    }

    void setRate(int rate)
    {
        const std::lock_guard lock(mutex_);
        wantedRate_ = rate;
    }

    void speak(std::string_view text)
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back({std::string(text), TextKind::Plain, generation_});
        jobReady_.notify_one();
    }

    void speakMarkup(std::string_view markup)
    {
        const std::lock_guard lock(mutex_);
        queue_.clear();
        ++generation_;
        if (auto job = jobFor(markup, generation_)) {
            queue_.push_back(std::move(*job));
            jobReady_.notify_one();
        } else {
            idle_.notify_all();
        }
    }

    bool waitUntilDone(int timeoutMs)
    {
        std::unique_lock lock(mutex_);
        const auto done = [this] { return queue_.empty() && !busy_; };
        if (timeoutMs < 0) {
            idle_.wait(lock, done);
            return true;
        }
        return idle_.wait_for(lock, std::chrono::milliseconds(timeoutMs), done);
    }

private:
    void run(std::promise<void> &started)
    {
        try {
            sampleRate_ = startEspeak();
            voices_ = listVoices();
            output_ = options_.output ? options_.output(sampleRate_) : openDefaultAudioOutput(sampleRate_);
            wantedVoice_ = voices_.empty() ? std::string() : voices_.front().handle;
            applySettings(true);
        } catch (...) {
            started.set_exception(std::current_exception());
            return;
        }
        started.set_value();
        while (auto job = nextJob()) {
            applySettings(false);
            play(synthesize(*job), job->generation);
            const std::lock_guard lock(mutex_);
            busy_ = false;
            if (queue_.empty())
                idle_.notify_all();
        }
    }

    std::optional<Job> nextJob()
    {
        std::unique_lock lock(mutex_);
        jobReady_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        if (stop_)
            return std::nullopt;
        Job job = std::move(queue_.front());
        queue_.pop_front();
        busy_ = true;
        return job;
    }

    void applySettings(bool always)
    {
        std::string voice;
        int rate;
        {
            const std::lock_guard lock(mutex_);
            voice = wantedVoice_;
            rate = wantedRate_;
        }
        if ((always || voice != appliedVoice_) && !voice.empty()
            && espeak_SetVoiceByName(voice.c_str()) == EE_OK)
            appliedVoice_ = voice;
        if (always || rate != appliedRate_) {
            espeak_SetParameter(espeakRATE, espeakWordsPerMinute(rate), 0);
            appliedRate_ = rate;
        }
    }

    bool cancelled(std::uint64_t generation) const { return generation != generation_.load(); }

    std::vector<std::int16_t> synthesize(const Job &job)
    {
        Synthesis synthesis{{}, [this, &job] { return cancelled(job.generation); }, &options_.onPhoneme};
        currentSynthesis = &synthesis;
        espeak_Synth(job.text.c_str(), job.text.size() + 1, 0, POS_CHARACTER, 0, synthFlags(job.kind),
                     nullptr, nullptr);
        currentSynthesis = nullptr;
        return std::move(synthesis.samples);
    }

    // Plays in slices of 20 ms so that a discard or a stop is heard at once.
    void play(const std::vector<std::int16_t> &samples, std::uint64_t generation)
    {
        const std::size_t slice = static_cast<std::size_t>(sampleRate_ / 50);
        for (std::size_t at = 0; at < samples.size(); at += slice) {
            if (cancelled(generation)) {
                output_->discard();
                return;
            }
            const std::span<const std::int16_t> part(samples.data() + at, std::min(slice, samples.size() - at));
            if (!output_->write(part)) {
                output_ = std::make_shared<NullAudioOutput>(sampleRate_); // the device went away
                output_->write(part);
            }
        }
        output_->drain();
    }

    Options options_;
    std::thread thread_;
    int sampleRate_ = 0;
    std::vector<VoiceInfo> voices_;
    std::shared_ptr<AudioOutput> output_;
    std::string appliedVoice_;
    int appliedRate_ = 0;

    std::mutex mutex_;
    std::condition_variable jobReady_;
    std::condition_variable idle_;
    std::deque<Job> queue_;
    std::atomic<std::uint64_t> generation_{0};
    bool busy_ = false;
    bool stop_ = false;
    std::string wantedVoice_;
    int wantedRate_ = 0;
};

EspeakEngine::EspeakEngine(Options options) : worker_(std::make_unique<Worker>(std::move(options))) {}

EspeakEngine::~EspeakEngine() = default;

std::vector<VoiceInfo> EspeakEngine::voices() { return worker_->voices(); }
void EspeakEngine::setVoice(const std::string &handle) { worker_->setVoice(handle); }
void EspeakEngine::setRate(int rate) { worker_->setRate(rate); }
void EspeakEngine::speak(std::string_view text) { worker_->speak(text); }
void EspeakEngine::speakMarkup(std::string_view markup) { worker_->speakMarkup(markup); }
bool EspeakEngine::waitUntilDone(int timeoutMs) { return worker_->waitUntilDone(timeoutMs); }

bool EspeakEngine::waitUntilDone(int timeoutMs, const std::function<void()> &whileWaiting)
{
    constexpr int kSliceMs = 20;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int slice = kSliceMs;
        if (timeoutMs >= 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now()).count();
            slice = static_cast<int>(std::clamp<long long>(left, 0, kSliceMs));
        }
        if (worker_->waitUntilDone(slice))
            return true;
        if (timeoutMs >= 0 && std::chrono::steady_clock::now() >= deadline)
            return false;
        whileWaiting();
    }
}
int EspeakEngine::sampleRate() const { return worker_->sampleRate(); }

SpeechEngineFactory EspeakEngine::factory()
{
    return [] { return std::make_shared<EspeakEngine>(); };
}

} // namespace lexorama::speech
