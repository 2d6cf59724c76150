#pragma once

#include <string>
#include <string_view>

namespace lexorama::phonetics {

/// The longest run of literal text that every match of the pattern must contain, or an empty
/// text when none can be told (alternation at the top level, only classes, ...). The pattern
/// is one already passed through asciiCaseless, so ASCII letters never form part of a run.
/// Used to skip a rule cheaply when its text does not occur.
std::string requiredLiteral(std::string_view pattern);

/// The required literal with where it must stand: at the very start of the text when the
/// pattern begins with "(^)" and then that text, at the very end when the text is followed by
/// a final "($)".
struct RequiredText {
    std::string literal;
    bool atStart = false;
    bool atEnd = false;
};
RequiredText requiredText(std::string_view pattern);

/// True when the whole pattern is literal text with an optional "(^)" before it and "($)"
/// after it; then literal receives the text and the anchors are reported. ASCII letters in it
/// are to be compared without regard to case.
bool isPlainLiteral(std::string_view pattern, std::string &literal, bool &atStart, bool &atEnd);

} // namespace lexorama::phonetics
