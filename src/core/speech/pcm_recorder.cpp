#include "speech/pcm_recorder.h"

namespace lexorama::speech {

bool PcmRecorder::write(std::span<const std::int16_t> samples)
{
    const std::lock_guard lock(mutex_);
    samples_.insert(samples_.end(), samples.begin(), samples.end());
    return true;
}

std::vector<std::int16_t> PcmRecorder::samples() const
{
    const std::lock_guard lock(mutex_);
    return samples_;
}

} // namespace lexorama::speech
