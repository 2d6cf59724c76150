#include "cli/commands/command.h"
#include "common/atomic_file.h"
#include "speech/espeak_engine.h"
#include "speech/pcm_recorder.h"
#include "speech/phoneme_markup.h"
#include "speech/wav_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>

namespace lexorama::cli {

namespace {

constexpr std::string_view kUsage =
    "Usage: lexorama-cli say [--list-voices] [--voice NAME] [--rate R] [--ipa] [--wav OUT.wav] [--phonemes] TEXT\n"
    "  --ipa       TEXT is an IPA transcription, spoken through the phoneme markup\n"
    "  --wav       write the speech to a 16-bit PCM WAV file instead of playing it\n"
    "  --phonemes  print the phonemes espeak-ng speaks\n"
    "  --rate      -10 (slowest) to 10 (fastest), 0 is normal\n";

struct SayOptions {
    bool listVoices = false;
    bool ipa = false;
    bool phonemes = false;
    std::optional<std::string> voice;
    int rate = 0;
    std::optional<std::string> wav;
    std::string text;
};

std::optional<int> parseRate(const std::string &text)
{
    int rate = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rate);
    if (error != std::errc() || end != text.data() + text.size() || rate < -10 || rate > 10)
        return std::nullopt;
    return rate;
}

std::optional<SayOptions> parseArgs(const std::vector<std::string> &args)
{
    SayOptions options;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--list-voices") {
            options.listVoices = true;
        } else if (arg == "--ipa") {
            options.ipa = true;
        } else if (arg == "--phonemes") {
            options.phonemes = true;
        } else if (arg == "--voice" && hasValue) {
            options.voice = args[++i];
        } else if (arg == "--wav" && hasValue) {
            options.wav = args[++i];
        } else if (arg == "--rate" && hasValue) {
            const auto rate = parseRate(args[++i]);
            if (!rate)
                return std::nullopt;
            options.rate = *rate;
        } else if (arg.starts_with("--")) {
            return std::nullopt;
        } else {
            words.push_back(arg);
        }
    }
    for (const std::string &word : words)
        options.text += (options.text.empty() ? "" : " ") + word;
    if (options.text.empty() && !options.listVoices)
        return std::nullopt;
    return options;
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::string> findVoice(speech::SpeechEngine &engine, const std::string &name)
{
    for (const speech::VoiceInfo &voice : engine.voices())
        if (sameName(voice.name, name) || sameName(voice.handle, name))
            return voice.handle;
    return std::nullopt;
}

int say(const SayOptions &options, std::ostream &out, std::ostream &err)
{
    auto recorder = std::make_shared<speech::PcmRecorder>();
    std::vector<std::string> spoken;
    speech::EspeakEngine::Options engineOptions;
    if (options.wav)
        engineOptions.output = [recorder](int) { return recorder; };
    engineOptions.onPhoneme = [&spoken](std::string_view name) {
        if (!name.starts_with('_')) // pauses
            spoken.emplace_back(name);
    };
    speech::EspeakEngine engine(std::move(engineOptions));

    if (options.listVoices) {
        for (const speech::VoiceInfo &voice : engine.voices())
            out << voice.name << '\t' << voice.handle << '\n';
        if (options.text.empty())
            return Success;
    }
    if (options.voice) {
        const auto handle = findVoice(engine, *options.voice);
        if (!handle) {
            err << "Unknown voice: " << *options.voice << " (see lexorama-cli say --list-voices)\n";
            return BadInput;
        }
        engine.setVoice(*handle);
    }
    engine.setRate(options.rate);
    if (options.ipa)
        engine.speakMarkup(speech::phonemeMarkup(options.text));
    else
        engine.speak(options.text);
    engine.waitUntilDone(-1);

    if (options.phonemes) {
        for (std::size_t i = 0; i < spoken.size(); ++i)
            out << (i > 0 ? " " : "") << spoken[i];
        out << '\n';
    }
    if (options.wav) {
        const std::string error =
            AtomicFile::write(*options.wav, speech::wavFileBytes(recorder->samples(), engine.sampleRate()));
        if (!error.empty()) {
            err << error << '\n';
            return BadInput;
        }
    }
    return Success;
}

} // namespace

/// say [--list-voices] [--voice NAME] [--rate R] [--ipa] [--wav OUT.wav] [--phonemes] TEXT
int sayCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return Success;
    }
    const auto options = parseArgs(args);
    if (!options) {
        err << kUsage;
        return BadUsage;
    }
    try {
        return say(*options, out, err);
    } catch (const std::runtime_error &e) {
        err << "ERROR: " << e.what() << '\n';
        return BadInput;
    }
}

} // namespace lexorama::cli
