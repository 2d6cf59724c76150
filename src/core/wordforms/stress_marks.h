#pragma once

#include <string>
#include <string_view>

namespace lexorama::wordforms {

/// Dictionary stress notation turned into the editor's one, on Windows-1251 text: a vowel
/// followed by "'" becomes upper case, and a vowel followed by "`" (secondary stress) gets the
/// "`" in front of it. The replacements run vowel by vowel over the whole text, in the order
/// а е ё и о у ы э ю я.
std::string markStress(std::string_view cp1251);

/// The text without "'" and "`".
std::string stripStressMarks(std::string_view text);

} // namespace lexorama::wordforms
