#pragma once

#include "speech/audio_output.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace lexorama::speech {

/// An output that keeps the samples instead of playing them (for writing speech to a file).
/// Writing takes no time. Safe to read from another thread once the engine is idle.
class PcmRecorder : public AudioOutput {
public:
    bool write(std::span<const std::int16_t> samples) override;
    void drain() override {}
    void discard() override {}

    std::vector<std::int16_t> samples() const;

private:
    mutable std::mutex mutex_;
    std::vector<std::int16_t> samples_;
};

} // namespace lexorama::speech
