#include "speech/null_audio_output.h"

#include <thread>

namespace lexorama::speech {

namespace {
// As much sound as a device buffer holds ahead of what is heard.
constexpr std::chrono::milliseconds kBuffer{100};
} // namespace

bool NullAudioOutput::write(std::span<const std::int16_t> samples)
{
    const Clock::time_point now = Clock::now();
    if (end_ < now)
        end_ = now;
    end_ += std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(static_cast<double>(samples.size()) / sampleRate_));
    std::this_thread::sleep_until(end_ - kBuffer);
    return true;
}

void NullAudioOutput::drain()
{
    std::this_thread::sleep_until(end_);
}

void NullAudioOutput::discard()
{
    end_ = Clock::now();
}

} // namespace lexorama::speech
