#include "speech/pulse_audio_output.h"

#include "speech/null_audio_output.h"

#include <pulse/simple.h>

#include <cstdint>

namespace lexorama::speech {

std::unique_ptr<PulseAudioOutput> PulseAudioOutput::open(int sampleRate)
{
    const pa_sample_spec spec{PA_SAMPLE_S16LE, static_cast<std::uint32_t>(sampleRate), 1};
    // A short server buffer (100 ms) keeps writes at the pace of the sound, so that a stop
    // is heard at once.
    const auto bufferBytes = static_cast<std::uint32_t>(sampleRate / 10 * sizeof(std::int16_t));
    const pa_buffer_attr attr{static_cast<std::uint32_t>(-1), bufferBytes, static_cast<std::uint32_t>(-1),
                              static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(-1)};
    int error = 0;
    pa_simple *stream = pa_simple_new(nullptr, "Lexorama", PA_STREAM_PLAYBACK, nullptr, "speech",
                                      &spec, nullptr, &attr, &error);
    if (!stream)
        return nullptr;
    return std::unique_ptr<PulseAudioOutput>(new PulseAudioOutput(stream));
}

PulseAudioOutput::~PulseAudioOutput()
{
    pa_simple_free(stream_);
}

bool PulseAudioOutput::write(std::span<const std::int16_t> samples)
{
    int error = 0;
    return pa_simple_write(stream_, samples.data(), samples.size_bytes(), &error) == 0;
}

void PulseAudioOutput::drain()
{
    int error = 0;
    pa_simple_drain(stream_, &error);
}

void PulseAudioOutput::discard()
{
    int error = 0;
    pa_simple_flush(stream_, &error);
}

std::shared_ptr<AudioOutput> openDefaultAudioOutput(int sampleRate)
{
    if (auto pulse = PulseAudioOutput::open(sampleRate))
        return pulse;
    return std::make_shared<NullAudioOutput>(sampleRate);
}

} // namespace lexorama::speech
