#include "speech/wav_file.h"

namespace lexorama::speech {

namespace {

void put(std::string &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

std::string wavFileBytes(std::span<const std::int16_t> samples, int sampleRate)
{
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);                 // format chunk size
    put(out, 1, 2);                  // PCM
    put(out, kChannels, 2);
    put(out, static_cast<std::uint32_t>(sampleRate), 4);
    put(out, static_cast<std::uint32_t>(sampleRate) * kChannels * kBytesPerSample, 4);
    put(out, kChannels * kBytesPerSample, 2);
    put(out, 16, 2);                 // bits per sample
    out += "data";
    put(out, dataBytes, 4);
    for (const std::int16_t sample : samples)
        put(out, static_cast<std::uint16_t>(sample), 2);
    return out;
}

} // namespace lexorama::speech
