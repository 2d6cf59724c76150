#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lexorama::wordforms::cp1251 {

/// Windows-1251 bytes as UTF-8 (the one unassigned byte 0x98 becomes U+FFFD).
std::string toUtf8(std::string_view cp1251);

/// UTF-8 as Windows-1251; a character without a Windows-1251 form (or a broken sequence)
/// becomes "?".
std::string fromUtf8(std::string_view utf8);

/// UTF-8 as Windows-1251, or nothing when some character has no Windows-1251 form.
std::optional<std::string> fromUtf8Exact(std::string_view utf8);

} // namespace lexorama::wordforms::cp1251
