#include "speech/phoneme_markup.h"

namespace lexorama::speech {

namespace {
constexpr std::string_view kOpen = "<phoneme ph=\"";
constexpr std::string_view kClose = "\"></phoneme>";
} // namespace

std::string phonemeMarkup(std::string_view ipa)
{
    std::string markup;
    markup.reserve(kOpen.size() + ipa.size() + kClose.size());
    markup.append(kOpen).append(ipa).append(kClose);
    return markup;
}

std::optional<std::string_view> parsePhonemeMarkup(std::string_view markup)
{
    if (markup.size() < kOpen.size() + kClose.size() || !markup.starts_with(kOpen)
        || !markup.ends_with(kClose))
        return std::nullopt;
    return markup.substr(kOpen.size(), markup.size() - kOpen.size() - kClose.size());
}

} // namespace lexorama::speech
