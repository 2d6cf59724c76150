#include "phonetics/ipa_check.h"

#include "common/utf8.h"

namespace lexorama::phonetics {

bool BadIPAChar(char32_t key)
{
    if ((key >= U'А' && key <= U'я') || key == U'Ё' || key == U'ё' || key == U'№')
        return true;
    static constexpr std::u32string_view kForbiddenAscii = U"!\"#$%&()*+,-/;<=>?[]_`{|}~";
    return kForbiddenAscii.find(key) != std::u32string_view::npos;
}

bool isAcceptableTranscription(std::string_view text)
{
    if (utf8::findInvalid(text) != std::string_view::npos)
        return false;
    for (std::size_t i = 0; i < text.size();) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        const std::size_t n = b0 < 0x80 ? 1 : b0 < 0xE0 ? 2 : b0 < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? b0 : (b0 & (0xFF >> (n + 1)));
        for (std::size_t k = 1; k < n; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (BadIPAChar(c))
            return false;
        i += n;
    }
    return true;
}

} // namespace lexorama::phonetics
