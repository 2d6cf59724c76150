#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lexorama::speech {

/// The markup that speaks a transcription: <phoneme ph="IPA"></phoneme>, the IPA exactly as
/// stored (nothing escaped).
std::string phonemeMarkup(std::string_view ipa);

/// The IPA of a text that is exactly the phoneme markup; empty for any other text.
std::optional<std::string_view> parsePhonemeMarkup(std::string_view markup);

} // namespace lexorama::speech
