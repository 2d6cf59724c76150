#include "speech/ipa_to_espeak.h"

#include <unicode/utf8.h>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace lexorama::speech {

namespace {

enum class Sound { Consonant, Vowel, OpenVowel };

struct Code {
    std::string_view espeak;
    Sound sound;
};

// IPA letters to espeak-ng codes. The a-like vowels have a stressed ("A") and an unstressed
// ("a#") code; espeak has no separate ʊ, ᵻ, æ or ɐ, so they take their nearest neighbour.
const std::unordered_map<char32_t, Code> &letters()
{
    static const std::unordered_map<char32_t, Code> table = {
        {U'p', {"p", Sound::Consonant}}, {U'b', {"b", Sound::Consonant}},
        {U't', {"t", Sound::Consonant}}, {U'd', {"d", Sound::Consonant}},
        {U'k', {"k", Sound::Consonant}}, {U'ɡ', {"g", Sound::Consonant}},
        {U'g', {"g", Sound::Consonant}}, {U'f', {"f", Sound::Consonant}},
        {U'v', {"v", Sound::Consonant}}, {U's', {"s", Sound::Consonant}},
        {U'z', {"z", Sound::Consonant}}, {U'm', {"m", Sound::Consonant}},
        {U'n', {"n", Sound::Consonant}}, {U'r', {"r", Sound::Consonant}},
        {U'x', {"x", Sound::Consonant}}, {U'j', {"j", Sound::Consonant}},
        {U'l', {"l", Sound::Consonant}}, {U'ɫ', {"l", Sound::Consonant}},
        {U'ʂ', {"S", Sound::Consonant}}, {U'ʐ', {"Z", Sound::Consonant}},
        {U'ʃ', {"S", Sound::Consonant}}, {U'ʒ', {"Z", Sound::Consonant}},
        {U'ɕ', {"S;", Sound::Consonant}}, {U'ʑ', {"Z;", Sound::Consonant}},
        {U'ɣ', {"Q", Sound::Consonant}}, {U'ɦ', {"Q", Sound::Consonant}},
        {U'h', {"x", Sound::Consonant}}, {U'ç', {"x;", Sound::Consonant}},
        {U'w', {"v", Sound::Consonant}}, {U'ʋ', {"v", Sound::Consonant}},
        {U'ŋ', {"n", Sound::Consonant}}, {U'ɲ', {"n;", Sound::Consonant}},
        {U'ɱ', {"m", Sound::Consonant}}, {U'ɾ', {"r", Sound::Consonant}},
        {U'a', {"a#", Sound::OpenVowel}}, {U'ä', {"a#", Sound::OpenVowel}},
        {U'ɑ', {"a#", Sound::OpenVowel}}, {U'æ', {"a#", Sound::OpenVowel}},
        {U'e', {"e", Sound::Vowel}}, {U'ɛ', {"E", Sound::Vowel}},
        {U'i', {"i", Sound::Vowel}}, {U'ɪ', {"I", Sound::Vowel}},
        {U'ɨ', {"y", Sound::Vowel}}, {U'ᵻ', {"y", Sound::Vowel}},
        {U'ɯ', {"y", Sound::Vowel}}, {U'o', {"o", Sound::Vowel}},
        {U'ɔ', {"o", Sound::Vowel}}, {U'ɵ', {"8", Sound::Vowel}},
        {U'ø', {"8", Sound::Vowel}}, {U'u', {"u", Sound::Vowel}},
        {U'ʊ', {"u", Sound::Vowel}}, {U'ʉ', {"u\"", Sound::Vowel}},
        {U'y', {"u\"", Sound::Vowel}}, {U'ə', {"@", Sound::Vowel}},
        {U'@', {"@", Sound::Vowel}}, {U'ɘ', {"@", Sound::Vowel}},
        {U'ɐ', {"V#", Sound::Vowel}}, {U'ʌ', {"V#", Sound::Vowel}},
    };
    return table;
}

// Affricates written with the tie bar (t͡s); without it the two letters are two codes.
std::string_view affricate(std::string_view first, char32_t second)
{
    if (first == "t")
        return second == U's' ? "ts" : second == U'ɕ' ? "tS;" : second == U'ʂ' ? "tS" : "";
    if (first == "d")
        return second == U'z' ? "dz" : second == U'ʑ' ? "dZ;" : second == U'ʐ' ? "dZ" : "";
    return "";
}

constexpr char32_t kTie = U'\u0361';
constexpr char32_t kSoft = U'ʲ';
constexpr char32_t kLong = U'ː';

struct Phone {
    std::string code;
    Sound sound;
    std::string stress;
};

class Converter {
public:
    std::string run(std::u32string_view ipa)
    {
        for (std::size_t i = 0; i < ipa.size(); ++i) {
            const char32_t c = ipa[i];
            if (c == U' ' || c == U'-')
                endWord();
            else if (c == U'ˈ')
                stress_ = "'";
            else if (c == U'ˌ')
                stress_ = ",";
            else if (c == kSoft)
                soften();
            else if (c == kLong)
                lengthen();
            else if (const auto it = letters().find(c); it != letters().end())
                i += letter(it->second, ipa.substr(i + 1));
        }
        endWord();
        return out_;
    }

private:
    // Returns how many characters after the letter it consumed (the tie bar and its partner).
    std::size_t letter(const Code &code, std::u32string_view rest)
    {
        if (rest.size() >= 2 && rest[0] == kTie) {
            if (const std::string_view joined = affricate(code.espeak, rest[1]); !joined.empty()) {
                add(std::string(joined), Sound::Consonant);
                return 2;
            }
        }
        add(std::string(code.espeak), code.sound);
        return 0;
    }

    void add(std::string code, Sound sound)
    {
        if (!stress_.empty())
            stressed_ = true;
        if (sound != Sound::Consonant) {
            if (sound == Sound::OpenVowel && stressed_)
                code = "A";
            stressed_ = false;
        }
        word_.push_back({std::move(code), sound, std::exchange(stress_, {})});
    }

    void soften()
    {
        if (word_.empty() || word_.back().sound != Sound::Consonant)
            return;
        std::string &code = word_.back().code;
        if (!code.ends_with(';'))
            code += ';';
    }

    void lengthen()
    {
        if (!word_.empty() && word_.back().sound == Sound::Consonant)
            word_.push_back({word_.back().code, Sound::Consonant, {}});
    }

    void endWord()
    {
        if (word_.empty())
            return;
        if (!out_.empty())
            out_ += ' ';
        for (std::size_t i = 0; i < word_.size(); ++i) {
            if (i > 0)
                out_ += '|';
            const bool vowelFollows = i + 1 < word_.size() && word_[i + 1].sound != Sound::Consonant;
            out_ += word_[i].stress;
            out_ += softBeforeNoVowel(word_[i].code, vowelFollows);
        }
        word_.clear();
        stressed_ = false;
    }

    // espeak drops a soft sign that no vowel follows, except on n and l, which have codes of
    // their own for that place.
    static std::string_view softBeforeNoVowel(std::string_view code, bool vowelFollows)
    {
        if (!vowelFollows && code == "n;")
            return "n^";
        if (!vowelFollows && code == "l;")
            return "l^";
        return code;
    }

    std::string out_;
    std::vector<Phone> word_;
    std::string stress_;
    bool stressed_ = false;
};

std::u32string codePoints(std::string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(bytes, i, length, c);
        if (c >= 0)
            result.push_back(static_cast<char32_t>(c));
    }
    return result;
}

} // namespace

std::string ipaToEspeak(std::string_view ipa)
{
    return Converter().run(codePoints(ipa));
}

} // namespace lexorama::speech
