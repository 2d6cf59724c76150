#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace lexorama::speech {

/// A RIFF WAVE file of mono 16-bit PCM samples.
std::string wavFileBytes(std::span<const std::int16_t> samples, int sampleRate);

} // namespace lexorama::speech
