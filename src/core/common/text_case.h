#pragma once

#include <string>
#include <string_view>

namespace lexorama {

/// Full Unicode case folding, for comparisons without regard to case.
std::string foldCase(std::string_view text);
/// Lower case by the Russian rules.
std::string toLower(std::string_view text);
/// Upper case by the Russian rules.
std::string toUpper(std::string_view text);

} // namespace lexorama
