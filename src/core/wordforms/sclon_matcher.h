#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace lexorama::wordforms {

/// A generator rule whose pattern is not a valid regular expression.
class SclonPatternError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// One compiled generator-rule pattern, matched on Windows-1251 text so that every Russian
/// letter is one character. Its semantics: "\w" is ASCII letters, digits, "_" and the 66
/// Russian letters (Ё and ё included); "\b" is the edge of such a character; "\s" is blank,
/// tab, CR, LF, form feed and "-"; Russian letters match case-sensitively, ASCII letters
/// regardless of case; a range of Russian letters in a class follows the alphabet, so
/// "[а-я]" includes "ё"; "^" and "$" mean the text's ends; "." also matches line breaks;
/// repetition is greedy. Compiled with the JIT where it is available.
class SclonMatcher {
public:
    /// Throws SclonPatternError with the position and reason of the fault.
    explicit SclonMatcher(std::string_view patternCp1251);
    ~SclonMatcher();
    SclonMatcher(SclonMatcher &&) noexcept;
    SclonMatcher &operator=(SclonMatcher &&) noexcept;

    bool matches(std::string_view subject) const;

    /// The subject with every match replaced by the template, where "$0" … "$9" stand for the
    /// text of the match's groups (empty when a group did not take part) and everything else
    /// is literal.
    std::string replaceAll(std::string_view subject, std::string_view replacement) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace lexorama::wordforms
