#pragma once

#include "speech/audio_output.h"

#include <memory>

struct pa_simple;

namespace lexorama::speech {

/// Plays through the PulseAudio sound server (the simple, blocking client API).
class PulseAudioOutput : public AudioOutput {
public:
    /// Connects to the sound server; null when there is none.
    static std::unique_ptr<PulseAudioOutput> open(int sampleRate);
    ~PulseAudioOutput() override;

    bool write(std::span<const std::int16_t> samples) override;
    void drain() override;
    void discard() override;

private:
    explicit PulseAudioOutput(pa_simple *stream) : stream_(stream) {}

    pa_simple *stream_;
};

/// The sound server when there is one, otherwise an output that only keeps time.
std::shared_ptr<AudioOutput> openDefaultAudioOutput(int sampleRate);

} // namespace lexorama::speech
