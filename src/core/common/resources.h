#pragma once

#include <optional>
#include <string_view>

namespace lexorama::resources {

/// The bytes of a built-in data file, by its path under resources/ ("phonetics/rules.txt").
std::optional<std::string_view> find(std::string_view name);

} // namespace lexorama::resources
