#pragma once

#include <stdexcept>
#include <string>

namespace lexorama::phonetics {

/// A rule that cannot be applied: its pattern is not a valid regular expression, or matching
/// it ran past the match limit. The message names the line and gives the matcher's text.
class RuleError : public std::runtime_error {
public:
    RuleError(std::size_t line, const std::string &message)
        : std::runtime_error(message), line_(line) {}
    /// Line number in the rule list (1-based).
    std::size_t line() const { return line_; }

private:
    std::size_t line_;
};

} // namespace lexorama::phonetics
