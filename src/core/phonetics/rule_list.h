#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexorama::phonetics {

/// One rule line split at its first "=": the pattern before it, the replacement after it.
struct RuleEntry {
    std::string_view pattern;
    std::string_view replacement;
};

/// A transcription rule table or fix list as text lines: UTF-8, one entry per line, comment
/// lines (starting with ";" or without "=") kept in place. Lines are addressed by index; the
/// line number in a file is index + 1.
class RuleList {
public:
    RuleList() = default;
    /// Splits a text at CR, LF or CR LF; lines are kept as they are (no trimming). A leading
    /// UTF-8 byte-order mark is dropped.
    static RuleList fromText(std::string_view text);

    const std::vector<std::string> &lines() const { return lines_; }
    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    /// The pattern and replacement of an entry line; nothing for a comment line.
    std::optional<RuleEntry> entry(std::size_t index) const;

    /// Rewrites every entry into loaded form: "</w>" in a pattern becomes "($)" and "<w>"
    /// becomes "(^)"; both markers are deleted from replacements.
    void toLoadedForm();

private:
    std::vector<std::string> lines_;
};

} // namespace lexorama::phonetics
