#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lexorama::phonetics {

// The rule matcher's index of which letters and letter pairs the text holds. A rule is
// indexed by the first one or two characters of the literal text it needs (its key).

/// Small ids for the characters rule literals are made of: Cyrillic U+0400..U+045F, the
/// hyphen, "#" (the edge of a rewritten fragment), the blank and the grave accent; 0 for
/// every other character.
inline constexpr std::size_t kKeyIds = 101;

inline std::size_t keyId(char32_t c)
{
    if (c >= 0x400 && c < 0x460)
        return c - 0x400 + 1;
    switch (c) {
    case U'-': return 97;
    case U'#': return 98;
    case U' ': return 99;
    case U'`': return 100;
    default: return 0;
    }
}

/// Bytes of the UTF-8 character at bytes[i] (1 for a byte that does not start a whole one).
inline std::size_t sequenceLength(const unsigned char *bytes, std::size_t i, std::size_t n)
{
    const unsigned char b = bytes[i];
    if (b < 0x80)
        return 1;
    const std::size_t length = b < 0xC2 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : b < 0xF5 ? 4 : 1;
    if (i + length > n)
        return 1;
    for (std::size_t k = 1; k < length; ++k)
        if ((bytes[i + k] & 0xC0) != 0x80)
            return 1;
    return length;
}

/// The key id of the character at bytes[i] and its length in bytes.
inline std::size_t keyAt(const unsigned char *bytes, std::size_t i, std::size_t n, std::size_t &length)
{
    const unsigned char b = bytes[i];
    if ((b == 0xD0 || b == 0xD1) && i + 1 < n && (bytes[i + 1] & 0xC0) == 0x80) {
        length = 2;
        return keyId(static_cast<char32_t>(((b & 0x1Fu) << 6) | (bytes[i + 1] & 0x3Fu)));
    }
    length = sequenceLength(bytes, i, n);
    return b < 0x80 ? keyId(b) : 0;
}

/// How often each key (a character of the key set, or a pair of adjacent ones) occurs in the
/// text being rewritten. Kept exact through every change by recounting only the part of the
/// text that changed, so a rule whose key is absent is skipped without looking at the text.
class KeyPresence {
public:
    static constexpr std::size_t kSingles = kKeyIds;
    static constexpr std::size_t kSize = kKeyIds + kKeyIds * kKeyIds;

    KeyPresence() : counts_(kSize, 0), bits_((kSize + 63) / 64, 0) {}

    bool has(std::uint32_t key) const { return (bits_[key / 64] >> (key % 64)) & 1u; }

    /// Starts over with a new text; appeared(key) is called for every key in it.
    template <typename F>
    void reset(std::string_view text, F &&appeared)
    {
        for (const std::uint32_t key : touched_) {
            counts_[key] = 0;
            bits_[key / 64] = 0;
        }
        touched_.clear();
        count(text, 0, text.size(), +1, appeared);
    }

    /// The bytes [from, beforeEnd) of before became [from, afterEnd) of after (the rest of the
    /// text is the same); appeared(key) is called for every key that was absent and is present
    /// now.
    template <typename F>
    void change(std::string_view before, std::string_view after, std::size_t from, std::size_t beforeEnd,
                std::size_t afterEnd, F &&appeared)
    {
        count(before, from, beforeEnd, -1, [](std::uint32_t) {});
        count(after, from, afterEnd, +1, appeared);
    }

private:
    static bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

    /// Counts the characters that start in [from, to) and the pairs whose second character
    /// starts in [from, to], so that the same span counted before and after a change accounts
    /// for every key that touches it.
    template <typename F>
    void count(std::string_view text, std::size_t from, std::size_t to, int delta, F &&appeared)
    {
        const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
        const std::size_t n = text.size();
        std::size_t pos = from;
        if (pos > 0) {
            --pos;
            while (pos > 0 && isContinuation(text[pos]))
                --pos;
        }
        std::size_t previous = 0;
        while (pos < n && pos <= to) {
            std::size_t length = 1;
            const std::size_t id = keyAt(bytes, pos, n, length);
            if (pos >= from && id != 0) {
                if (pos < to)
                    add(static_cast<std::uint32_t>(id), delta, appeared);
                if (previous != 0)
                    add(static_cast<std::uint32_t>(kSingles + previous * kKeyIds + id), delta, appeared);
            }
            previous = id;
            pos += length;
        }
    }

    /// A count that reaches its limit stays there: the key then counts as present for good,
    /// which only costs a search.
    template <typename F>
    void add(std::uint32_t key, int delta, F &&appeared)
    {
        std::uint16_t &c = counts_[key];
        if (c == kSaturated)
            return;
        if (delta > 0) {
            if (c++ == 0) {
                bits_[key / 64] |= std::uint64_t{1} << (key % 64);
                touched_.push_back(key);
                appeared(key);
            }
        } else if (c != 0 && --c == 0) {
            bits_[key / 64] &= ~(std::uint64_t{1} << (key % 64));
        }
    }

    static constexpr std::uint16_t kSaturated = 0xFFFF;
    std::vector<std::uint16_t> counts_;
    std::vector<std::uint64_t> bits_;
    std::vector<std::uint32_t> touched_;
};

} // namespace lexorama::phonetics
