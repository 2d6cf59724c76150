#include "phonetics/ascii_caseless.h"

#include <cctype>
#include <optional>

namespace lexorama::phonetics {

namespace {

bool isAsciiLetter(unsigned char c) { return std::isalpha(c) && c < 0x80; }

char otherCase(char c)
{
    return std::islower(static_cast<unsigned char>(c)) ? static_cast<char>(std::toupper(c))
                                                       : static_cast<char>(std::tolower(c));
}

std::string letterClass(char c) { return std::string("[") + c + otherCase(c) + "]"; }

/// Writes one literal character inside a class, with its other case for letters.
void classLetter(std::string &out, char c)
{
    out += c;
    if (isAsciiLetter(static_cast<unsigned char>(c)))
        out += otherCase(c);
}

class Translator {
public:
    explicit Translator(std::string_view p) : p_(p) {}

    std::string run()
    {
        while (i_ < p_.size()) {
            const char c = p_[i_];
            if (c == '\\')
                escape(false);
            else if (c == '[')
                charClass();
            else if (c == '(')
                group();
            else if (c == '{')
                copyQuantifier();
            else if (isAsciiLetter(static_cast<unsigned char>(c))) {
                out_ += letterClass(c);
                ++i_;
            } else
                out_ += p_[i_++];
        }
        return out_;
    }

private:
    bool at(std::string_view s) const { return p_.substr(i_).starts_with(s); }

    void copyThrough(char end)
    {
        const std::size_t stop = p_.find(end, i_);
        const std::size_t last = stop == std::string_view::npos ? p_.size() : stop + 1;
        out_.append(p_.substr(i_, last - i_));
        i_ = last;
    }

    /// The value of a numeric escape at i_ (after the backslash), and where it ends.
    std::optional<unsigned long> numericEscape(std::size_t &end) const
    {
        const std::size_t j = i_ + 1;
        if (j >= p_.size())
            return std::nullopt;
        auto parse = [&](std::size_t from, std::size_t to, int base) -> std::optional<unsigned long> {
            if (from >= to)
                return std::nullopt;
            try {
                return std::stoul(std::string(p_.substr(from, to - from)), nullptr, base);
            } catch (...) {
                return std::nullopt;
            }
        };
        const char kind = p_[j];
        if ((kind == 'x' || kind == 'o') && j + 1 < p_.size() && p_[j + 1] == '{') {
            const std::size_t close = p_.find('}', j);
            if (close == std::string_view::npos)
                return std::nullopt;
            end = close + 1;
            return parse(j + 2, close, kind == 'x' ? 16 : 8);
        }
        if (kind == 'x') {
            std::size_t k = j + 1;
            while (k < p_.size() && k < j + 3 && std::isxdigit(static_cast<unsigned char>(p_[k])))
                ++k;
            end = k;
            return k == j + 1 ? std::optional<unsigned long>(0) : parse(j + 1, k, 16);
        }
        return std::nullopt;
    }

    /// An escape at i_; inClass tells whether it stands inside a character class.
    void escape(bool inClass)
    {
        if (i_ + 1 >= p_.size()) {
            out_ += p_[i_++];
            return;
        }
        const char next = p_[i_ + 1];
        if (next == 'Q') {
            quoted(inClass);
            return;
        }
        std::size_t end = 0;
        if (const auto value = numericEscape(end); value && *value < 0x80 && isAsciiLetter(static_cast<unsigned char>(*value))) {
            const char letter = static_cast<char>(*value);
            out_ += inClass ? std::string{letter, otherCase(letter)} : letterClass(letter);
            i_ = end;
            return;
        }
        if (end != 0) {
            out_.append(p_.substr(i_, end - i_));
            i_ = end;
            return;
        }
        const bool braced = i_ + 2 < p_.size() && (p_[i_ + 2] == '{' || p_[i_ + 2] == '<' || p_[i_ + 2] == '\'');
        if (braced && std::string_view("pPgkNoxu").find(next) != std::string_view::npos) {
            const char open = p_[i_ + 2];
            const char close = open == '{' ? '}' : open == '<' ? '>' : '\'';
            const std::size_t stop = p_.find(close, i_ + 3);
            const std::size_t last = stop == std::string_view::npos ? p_.size() : stop + 1;
            out_.append(p_.substr(i_, last - i_));
            i_ = last;
            return;
        }
        const std::size_t length = next == 'c' ? 3 : ((next == 'p' || next == 'P') ? 3 : 2);
        out_.append(p_.substr(i_, std::min(length, p_.size() - i_)));
        i_ += length;
    }

    /// \Q...\E: every character literal.
    void quoted(bool inClass)
    {
        i_ += 2;
        const std::size_t stop = p_.find("\\E", i_);
        const std::size_t end = stop == std::string_view::npos ? p_.size() : stop;
        for (; i_ < end; ++i_) {
            const char c = p_[i_];
            if (isAsciiLetter(static_cast<unsigned char>(c)))
                out_ += inClass ? std::string{c, otherCase(c)} : letterClass(c);
            else if (static_cast<unsigned char>(c) < 0x80 && !std::isalnum(static_cast<unsigned char>(c)))
                out_ += std::string("\\") + c;
            else
                out_ += c;
        }
        i_ = stop == std::string_view::npos ? end : end + 2;
    }

    void charClass()
    {
        out_ += p_[i_++];
        if (i_ < p_.size() && p_[i_] == '^')
            out_ += p_[i_++];
        if (i_ < p_.size() && p_[i_] == ']')
            out_ += p_[i_++];
        while (i_ < p_.size() && p_[i_] != ']') {
            if (at("[:")) {
                copyThrough(']');
            } else if (p_[i_] == '\\') {
                escape(true);
            } else if (i_ + 2 < p_.size() && p_[i_ + 1] == '-' && p_[i_ + 2] != ']' && p_[i_ + 2] != '\\') {
                range(p_[i_], p_[i_ + 2]);
                i_ += 3;
            } else {
                classLetter(out_, p_[i_++]);
            }
        }
        if (i_ < p_.size())
            out_ += p_[i_++];
    }

    /// A range inside a class, with the other-case counterparts of its letters.
    void range(char from, char to)
    {
        out_ += from;
        out_ += '-';
        out_ += to;
        auto addCounterpart = [&](char lo, char hi) {
            const char a = std::max(from, lo);
            const char b = std::min(to, hi);
            if (a <= b && static_cast<unsigned char>(from) < 0x80 && static_cast<unsigned char>(to) < 0x80) {
                out_ += otherCase(a);
                out_ += '-';
                out_ += otherCase(b);
            }
        };
        addCounterpart('a', 'z');
        addCounterpart('A', 'Z');
    }

    void group()
    {
        if (at("(*")) {
            verb();
            return;
        }
        if (!at("(?")) {
            out_ += p_[i_++];
            return;
        }
        if (at("(?#")) {
            copyThrough(')');
            return;
        }
        if (at("(?<=") || at("(?<!")) {
            out_.append(p_.substr(i_, 4));
            i_ += 4;
            return;
        }
        if (at("(?P<") || at("(?<")) {
            copyThrough('>');
            return;
        }
        if (at("(?'")) {
            i_ += 3;
            out_ += "(?'";
            copyThrough('\'');
            return;
        }
        if (at("(?P=") || at("(?P>") || at("(?&") || at("(?(") || at("(?R") || at("(?C")) {
            copyThrough(')');
            return;
        }
        out_ += "(?";
        i_ += 2;
        while (i_ < p_.size() && (std::isalpha(static_cast<unsigned char>(p_[i_])) || p_[i_] == '-' || p_[i_] == '^'))
            out_ += p_[i_++];
    }

    /// (*VERB) or (*assertion: ...): the name keeps its letters.
    void verb()
    {
        const std::size_t colon = p_.find(':', i_);
        const std::size_t close = p_.find(')', i_);
        if (colon != std::string_view::npos && colon < close) {
            const std::string_view name = p_.substr(i_ + 2, colon - i_ - 2);
            static constexpr std::string_view assertions[] = {
                "pla", "plb", "nla", "nlb", "napla", "naplb", "atomic", "sr", "asr",
                "positive_lookahead", "positive_lookbehind", "negative_lookahead",
                "negative_lookbehind", "non_atomic_positive_lookahead",
                "non_atomic_positive_lookbehind", "script_run", "atomic_script_run"};
            for (const std::string_view a : assertions) {
                if (name == a) {
                    copyThrough(':');
                    return;
                }
            }
        }
        copyThrough(')');
    }

    void copyQuantifier()
    {
        std::size_t k = i_ + 1;
        while (k < p_.size() && (std::isdigit(static_cast<unsigned char>(p_[k])) || p_[k] == ',' || p_[k] == ' '))
            ++k;
        if (k < p_.size() && p_[k] == '}' && k > i_ + 1) {
            out_.append(p_.substr(i_, k + 1 - i_));
            i_ = k + 1;
        } else {
            out_ += p_[i_++];
        }
    }

    std::string_view p_;
    std::size_t i_ = 0;
    std::string out_;
};

} // namespace

std::string asciiCaseless(std::string_view pattern)
{
    return Translator(pattern).run();
}

} // namespace lexorama::phonetics
