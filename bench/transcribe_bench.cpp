// Transcription speed: our rule engine against espeak-ng's espeak_TextToPhonemes.
//
// The words are the first 100,000 forms of the built-in word-form dictionary (its lines
// "lemma#form,...", Windows-1251, "'" after the stressed vowel) in file order: reproducible
// with no outside data, and every word carries its real stress. Our engine gets each form with
// its stressed vowel in upper case (Phoneme and CreateCurrentPhoneme); espeak-ng gets the
// same forms in lower case without marks (IPA output, voice "ru"). Rates are words per second
// of the thread's CPU time, best of three rounds taken in turn, so that other work on the
// machine weighs on both alike.
#include "common/resources.h"
#include "phonetics/transcriber.h"

#include <espeak-ng/speak_lib.h>
#include <zlib.h>

#include <chrono>
#include <ctime>
#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kWords = 100'000;

std::string inflate(std::string_view data)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        throw std::runtime_error("zlib init");
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    std::string out;
    char buffer[1 << 16];
    int rc = Z_OK;
    while (rc == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef *>(buffer);
        stream.avail_out = sizeof buffer;
        rc = ::inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - stream.avail_out);
    }
    inflateEnd(&stream);
    if (rc != Z_STREAM_END)
        throw std::runtime_error("word-form dictionary damaged");
    return out;
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

/// One Windows-1251 form: the stressed form for us, the plain one for espeak-ng.
struct Word {
    std::string stressed;
    std::string plain;
};

Word convert(std::string_view form)
{
    Word w;
    char32_t pending = 0;
    auto flush = [&](bool stress) {
        if (!pending)
            return;
        char32_t c = pending;
        appendUtf8(w.plain, c);
        if (stress)
            c = c == U'ё' ? U'Ё' : c - 0x20;
        appendUtf8(w.stressed, c);
        pending = 0;
    };
    for (const char ch : form) {
        const auto b = static_cast<unsigned char>(ch);
        if (b == '\'') {
            flush(true);
            continue;
        }
        flush(false);
        if (b == '`')
            continue;
        pending = b >= 0xC0 ? 0x410 + (b - 0xC0) : b == 0xB8 ? U'ё' : b == 0xA8 ? U'Ё' : b;
        if (pending >= 0x410 && pending < 0x430)
            pending += 0x20; // forms are lower case; capitals only mark stress
    }
    flush(false);
    return w;
}

std::vector<Word> loadWords()
{
    const auto data = lexorama::resources::find("wordforms/all_forms.zlib");
    if (!data)
        throw std::runtime_error("no built-in word-form dictionary");
    const std::string text = inflate(*data);
    std::vector<Word> all;
    std::size_t start = 0;
    while (start < text.size() && all.size() < kWords) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line(text.data() + start, end - start);
        const std::size_t hash = line.find('#');
        for (std::size_t p = hash == std::string_view::npos ? line.size() : hash + 1; p < line.size();) {
            std::size_t comma = line.find(',', p);
            if (comma == std::string_view::npos)
                comma = line.size();
            const std::string_view form = line.substr(p, comma - p);
            if (form.find('\'') != std::string_view::npos && form.find(' ') == std::string_view::npos)
                all.push_back(convert(form));
            p = comma + 1;
        }
        start = end + 1;
    }
    all.resize(std::min(all.size(), kWords));
    return all;
}

double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

template <typename F>
double wordsPerSecond(const std::vector<Word> &words, F &&transcribe)
{
    const double t0 = threadSeconds();
    std::size_t bytes = 0;
    for (const Word &w : words)
        bytes += transcribe(w);
    const double seconds = threadSeconds() - t0;
    if (bytes == 0)
        std::printf("(no output)\n");
    return words.size() / seconds;
}

} // namespace

int main()
{
    const std::vector<Word> words = loadWords();
    std::printf("words: %zu (from the built-in word-form dictionary), e.g. %s / %s\n", words.size(),
                words[words.size() / 2].stressed.c_str(), words[words.size() / 2].plain.c_str());

    const auto t0 = Clock::now();
    const lexorama::phonetics::Transcriber transcriber;
    std::printf("rule table load and compile: %.1f ms\n",
                std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0) < 0 || espeak_SetVoiceByName("ru") != EE_OK) {
        std::printf("espeak-ng could not be started\n");
        return 1;
    }
    double phoneme = 0, bulk = 0, espeak = 0;
    for (int round = 0; round < 3; ++round) {
        phoneme = std::max(phoneme, wordsPerSecond(words, [&](const Word &w) { return transcriber.Phoneme(w.stressed).size(); }));
        bulk = std::max(bulk, wordsPerSecond(words, [&](const Word &w) {
            return transcriber.CreateCurrentPhoneme(w.stressed).size();
        }));
        espeak = std::max(espeak, wordsPerSecond(words, [](const Word &w) {
            const void *text = w.plain.c_str();
            std::size_t n = 0;
            while (text) {
                const char *ipa = espeak_TextToPhonemes(&text, espeakCHARS_UTF8, espeakPHONEMES_IPA);
                n += ipa ? std::char_traits<char>::length(ipa) : 0;
            }
            return n;
        }));
    }
    espeak_Terminate();

    std::printf("Phoneme:              %10.0f words/s\n", phoneme);
    std::printf("CreateCurrentPhoneme: %10.0f words/s\n", bulk);
    std::printf("espeak_TextToPhonemes:%10.0f words/s\n", espeak);
    std::printf("ratio Phoneme / espeak-ng: %.2f (goal: at least 3)\n", phoneme / espeak);
    return 0;
}
