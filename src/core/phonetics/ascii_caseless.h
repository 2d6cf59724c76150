#pragma once

#include <string>
#include <string_view>

namespace lexorama::phonetics {

/// Rewrites a Perl-style pattern so that ASCII letters match regardless of case while every
/// other letter (Cyrillic above all) stays case-sensitive: a letter outside a class becomes a
/// two-letter class ("k" -> "[kK]"), letters and letter ranges inside a class get their other
/// case added, and numeric escapes that name an ASCII letter are treated the same way. Group
/// syntax, names, escapes such as \d \w \K and verbs keep their letters.
std::string asciiCaseless(std::string_view pattern);

} // namespace lexorama::phonetics
