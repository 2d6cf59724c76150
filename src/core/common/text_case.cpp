#include "common/text_case.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace lexorama {

namespace {

icu::UnicodeString fromUtf8(std::string_view text)
{
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::string toUtf8(const icu::UnicodeString &u)
{
    std::string out;
    u.toUTF8String(out);
    return out;
}

} // namespace

std::string foldCase(std::string_view text)
{
    return toUtf8(fromUtf8(text).foldCase());
}

std::string toLower(std::string_view text)
{
    return toUtf8(fromUtf8(text).toLower(icu::Locale("ru")));
}

std::string toUpper(std::string_view text)
{
    return toUtf8(fromUtf8(text).toUpper(icu::Locale("ru")));
}

} // namespace lexorama
