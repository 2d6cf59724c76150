#include "phonetics/required_literal.h"

#include <cctype>
#include <vector>

namespace lexorama::phonetics {

namespace {

constexpr std::string_view kMeta = "\\^$.[]|()?*+{}";

bool isQuantifierStart(std::string_view p, std::size_t i)
{
    return i < p.size() && (p[i] == '?' || p[i] == '*' || p[i] == '+' || p[i] == '{');
}

/// Length in bytes of the UTF-8 character starting at p[i].
std::size_t charLength(std::string_view p, std::size_t i)
{
    const auto c = static_cast<unsigned char>(p[i]);
    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    return std::min(n, p.size() - i);
}

/// Index just past the group or class that opens at p[i].
std::size_t skipBracketed(std::string_view p, std::size_t i)
{
    if (p[i] == '[') {
        std::size_t k = i + 1;
        if (k < p.size() && p[k] == '^')
            ++k;
        if (k < p.size() && p[k] == ']')
            ++k;
        while (k < p.size() && p[k] != ']') {
            if (p[k] == '\\')
                ++k;
            else if (p.substr(k).starts_with("[:")) {
                const std::size_t close = p.find(":]", k + 2);
                k = close == std::string_view::npos ? p.size() : close + 1;
            }
            ++k;
        }
        return std::min(k + 1, p.size());
    }
    int depth = 0;
    for (std::size_t k = i; k < p.size(); ++k) {
        if (p[k] == '\\')
            ++k;
        else if (p[k] == '[')
            k = skipBracketed(p, k) - 1;
        else if (p[k] == '(')
            ++depth;
        else if (p[k] == ')' && --depth == 0)
            return k + 1;
    }
    return p.size();
}

/// Whether a top-level "|" occurs.
bool hasTopLevelAlternation(std::string_view p)
{
    for (std::size_t k = 0; k < p.size(); ++k) {
        if (p[k] == '\\')
            ++k;
        else if (p[k] == '[' || p[k] == '(')
            k = skipBracketed(p, k) - 1;
        else if (p[k] == '|')
            return true;
    }
    return false;
}

/// Skips a quantifier at p[i] (with its lazy or possessive suffix); tells whether it allows
/// zero repetitions.
std::size_t skipQuantifier(std::string_view p, std::size_t i, bool &allowsZero)
{
    allowsZero = p[i] != '+';
    if (p[i] == '{') {
        const std::size_t close = p.find('}', i);
        allowsZero = i + 1 < p.size() && p[i + 1] == '0';
        i = close == std::string_view::npos ? p.size() : close + 1;
    } else {
        ++i;
    }
    if (i < p.size() && (p[i] == '?' || p[i] == '+'))
        ++i;
    return i;
}

} // namespace

std::string requiredLiteral(std::string_view p)
{
    if (hasTopLevelAlternation(p))
        return {};
    std::vector<std::string> runs(1);
    auto breakRun = [&] {
        if (!runs.back().empty())
            runs.emplace_back();
    };
    std::size_t i = 0;
    while (i < p.size()) {
        const char c = p[i];
        std::string atom;
        if (c == '\\') {
            if (i + 1 < p.size() && !std::isalnum(static_cast<unsigned char>(p[i + 1])) &&
                static_cast<unsigned char>(p[i + 1]) < 0x80) {
                atom = std::string(1, p[i + 1]);
                i += 2;
            } else {
                breakRun();
                i += 2;
                continue;
            }
        } else if (c == '[' || c == '(') {
            breakRun();
            i = skipBracketed(p, i);
        } else if (kMeta.find(c) != std::string_view::npos) {
            breakRun();
            ++i;
        } else {
            const std::size_t n = charLength(p, i);
            atom = std::string(p.substr(i, n));
            i += n;
        }
        if (isQuantifierStart(p, i)) {
            bool allowsZero = false;
            i = skipQuantifier(p, i, allowsZero);
            if (!atom.empty() && !allowsZero)
                runs.back() += atom;
            breakRun();
            continue;
        }
        runs.back() += atom;
    }
    std::string best;
    for (const std::string &run : runs)
        if (run.size() > best.size())
            best = run;
    return best;
}

bool isPlainLiteral(std::string_view p, std::string &literal, bool &atStart, bool &atEnd)
{
    atStart = p.starts_with("(^)");
    if (atStart)
        p.remove_prefix(3);
    atEnd = p.ends_with("($)");
    if (atEnd)
        p.remove_suffix(3);
    if (p.empty())
        return false;
    for (const char c : p)
        if (kMeta.find(c) != std::string_view::npos || std::isalpha(static_cast<unsigned char>(c)))
            return false;
    literal = std::string(p);
    return true;
}

} // namespace lexorama::phonetics
