#include "phonetics/required_literal.h"

#include <cctype>
#include <optional>
#include <utility>
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

/// The branches of a top-level alternation (the whole pattern when there is none).
std::vector<std::string_view> topLevelBranches(std::string_view p)
{
    std::vector<std::string_view> branches;
    std::size_t start = 0;
    for (std::size_t k = 0; k < p.size(); ++k) {
        if (p[k] == '\\') {
            ++k;
        } else if (p[k] == '[' || p[k] == '(') {
            k = skipBracketed(p, k) - 1;
        } else if (p[k] == '|') {
            branches.push_back(p.substr(start, k - start));
            start = k + 1;
        }
    }
    branches.push_back(p.substr(start));
    return branches;
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

/// The literal runs of a pattern without top-level alternation, in order; tells whether the
/// first run begins the pattern and the last one ends it.
struct Runs {
    std::vector<std::string> runs{std::string()};
    bool firstAtStart = true;
    bool lastAtEnd = true;
};

Runs collectRuns(std::string_view p);

/// The content of a positive look-around group at p[i], and whether it looks ahead.
std::optional<std::pair<std::string_view, bool>> positiveLookaround(std::string_view p, std::size_t i)
{
    static constexpr std::pair<std::string_view, bool> openers[] = {
        {"(*pla:", true}, {"(?=", true}, {"(*positive_lookahead:", true},
        {"(*plb:", false}, {"(?<=", false}, {"(*positive_lookbehind:", false}};
    for (const auto &[opener, ahead] : openers) {
        if (p.substr(i).starts_with(opener)) {
            const std::size_t end = skipBracketed(p, i);
            if (end < i + opener.size() + 1)
                return std::nullopt;
            const std::string_view content = p.substr(i + opener.size(), end - 1 - i - opener.size());
            if (topLevelBranches(content).size() != 1)
                return std::nullopt;
            return std::make_pair(content, ahead);
        }
    }
    return std::nullopt;
}

Runs collectRuns(std::string_view p)
{
    Runs r;
    auto breakRun = [&] {
        if (r.runs.back().empty() && r.runs.size() == 1)
            r.firstAtStart = false;
        if (!r.runs.back().empty())
            r.runs.emplace_back();
        r.lastAtEnd = false;
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
        } else if (c == '(') {
            const auto look = positiveLookaround(p, i);
            i = skipBracketed(p, i);
            if (look && !isQuantifierStart(p, i)) {
                const Runs inner = collectRuns(look->first);
                if (look->second) { // ahead: its leading text follows the run at this point
                    if (inner.firstAtStart)
                        r.runs.back() += inner.runs.front();
                    breakRun();
                } else { // behind: its trailing text starts the next run
                    breakRun();
                    if (inner.lastAtEnd)
                        r.runs.back() = inner.runs.back();
                }
                continue;
            }
            breakRun();
            continue;
        } else if (c == '[') {
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
                r.runs.back() += atom;
            breakRun();
            continue;
        }
        if (!atom.empty()) {
            r.runs.back() += atom;
            r.lastAtEnd = true;
        }
    }
    return r;
}

/// The longest literal run of a pattern without top-level alternation.
std::string sequenceLiteral(std::string_view p)
{
    std::string best;
    for (const std::string &run : collectRuns(p).runs)
        if (run.size() > best.size())
            best = run;
    return best;
}

} // namespace

std::string requiredLiteral(std::string_view p)
{
    const std::vector<std::string_view> branches = topLevelBranches(p);
    std::string common = sequenceLiteral(branches.front());
    for (std::size_t b = 1; b < branches.size() && !common.empty(); ++b)
        if (sequenceLiteral(branches[b]).find(common) == std::string::npos)
            common.clear();
    return common;
}

RequiredText requiredText(std::string_view p)
{
    RequiredText r{requiredLiteral(p)};
    if (r.literal.empty() || topLevelBranches(p).size() != 1)
        return r;
    const bool startAnchor = p.starts_with("(^)");
    const bool endAnchor = p.ends_with("($)");
    const std::string_view inner = p.substr(startAnchor ? 3 : 0, p.size() - (startAnchor ? 3 : 0) - (endAnchor ? 3 : 0));
    const Runs runs = collectRuns(inner);
    r.atStart = startAnchor && runs.firstAtStart && runs.runs.front() == r.literal;
    r.atEnd = endAnchor && runs.lastAtEnd && runs.runs.back() == r.literal;
    return r;
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
        if (kMeta.find(c) != std::string_view::npos)
            return false;
    literal = std::string(p);
    return true;
}

} // namespace lexorama::phonetics
