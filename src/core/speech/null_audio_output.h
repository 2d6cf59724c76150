#pragma once

#include "speech/audio_output.h"

#include <chrono>

namespace lexorama::speech {

/// Plays nothing but takes as long as the sound would: used when there is no sound device,
/// so that waiting for the end of speech behaves as it does with one.
class NullAudioOutput : public AudioOutput {
public:
    explicit NullAudioOutput(int sampleRate) : sampleRate_(sampleRate) {}

    bool write(std::span<const std::int16_t> samples) override;
    void drain() override;
    void discard() override;

private:
    using Clock = std::chrono::steady_clock;

    int sampleRate_;
    Clock::time_point end_{}; // when the sound written so far has been heard
};

} // namespace lexorama::speech
