#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace lexorama::speech {

/// Where synthesised speech goes: mono 16-bit samples at the rate the output was opened with.
/// Writes block while the output's short buffer is full, so the writer runs at the pace of
/// the sound and can stop between writes.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    /// Queues samples for playing; false when the device failed and nothing more will play.
    virtual bool write(std::span<const std::int16_t> samples) = 0;
    /// Blocks until everything written has been played.
    virtual void drain() = 0;
    /// Drops what has been written but not played yet.
    virtual void discard() = 0;
};

/// Opens an output for this sample rate.
using AudioOutputFactory = std::function<std::shared_ptr<AudioOutput>(int sampleRate)>;

} // namespace lexorama::speech
