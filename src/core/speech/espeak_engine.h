#pragma once

#include "speech/audio_output.h"
#include "speech/speech_engine.h"

#include <functional>
#include <memory>
#include <string_view>

namespace lexorama::speech {

/// The speech engine on libespeak-ng. One worker thread of its own makes every espeak call
/// (espeak is one instance per process, synthesising synchronously), works through a queue of
/// texts and plays them on an audio output; callers never wait for it except in waitUntilDone.
/// Only one engine may exist at a time in a process. A new engine speaks with the Russian
/// voice at espeak's default rate.
class EspeakEngine : public SpeechEngine {
public:
    struct Options {
        /// Where the sound goes; by default the sound server, or, without one, an output that
        /// plays nothing for as long as the sound lasts.
        AudioOutputFactory output;
        /// Called on the worker thread with the name of every phoneme espeak speaks.
        std::function<void(std::string_view)> onPhoneme;
    };

    /// Starts the worker; throws std::runtime_error when espeak-ng cannot start or another
    /// engine is alive.
    explicit EspeakEngine(Options options = {});
    /// Stops what is being spoken and joins the worker.
    ~EspeakEngine() override;
    EspeakEngine(const EspeakEngine &) = delete;
    EspeakEngine &operator=(const EspeakEngine &) = delete;

    std::vector<VoiceInfo> voices() override;
    void setVoice(const std::string &handle) override;
    void setRate(int rate) override;
    void speak(std::string_view text) override;
    void speakMarkup(std::string_view markup) override;
    bool waitUntilDone(int timeoutMs) override;
    bool waitUntilDone(int timeoutMs, const std::function<void()> &whileWaiting) override;

    /// Samples per second of the sound the engine makes.
    int sampleRate() const;

    /// Makes engines with default options, for the speech binding.
    static SpeechEngineFactory factory();

private:
    class Worker;
    std::unique_ptr<Worker> worker_;
};

} // namespace lexorama::speech
