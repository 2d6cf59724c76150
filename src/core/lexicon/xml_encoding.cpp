#include "lexicon/xml_encoding.h"

#include "common/text_case.h"

#include <regex>
#include <unicode/ucnv.h>

namespace lexorama::lexicon {

namespace {

bool hasUnicodeSignature(const std::string &bytes)
{
    if (bytes.size() < 2)
        return false;
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const auto b1 = static_cast<unsigned char>(bytes[1]);
    return (b0 == 0xFE && b1 == 0xFF) || (b0 == 0xFF && b1 == 0xFE) || b0 == 0 || b1 == 0;
}

std::string declaredEncoding(const std::string &bytes)
{
    std::size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    if (bytes.compare(start, 5, "<?xml") != 0)
        return {};
    const std::size_t end = bytes.find("?>", start);
    if (end == std::string::npos)
        return {};
    static const std::regex encoding(R"(encoding\s*=\s*["']([A-Za-z0-9._:-]+)["'])");
    std::smatch m;
    const std::string declaration = bytes.substr(start, end - start);
    if (!std::regex_search(declaration, m, encoding))
        return {};
    return m[1].str();
}

bool isUnicodeName(const std::string &name)
{
    const std::string n = toLower(name);
    return n == "utf-8" || n == "utf8" || n.starts_with("utf-16") || n.starts_with("utf-32")
        || n == "ucs-2" || n == "iso-10646-ucs-2";
}

} // namespace

std::string convertDeclaredEncoding(std::string &bytes)
{
    if (hasUnicodeSignature(bytes))
        return {};
    const std::string name = declaredEncoding(bytes);
    if (name.empty() || isUnicodeName(name))
        return {};

    UErrorCode status = U_ZERO_ERROR;
    UConverter *from = ucnv_open(name.c_str(), &status);
    if (U_FAILURE(status))
        return "неподдерживаемая кодировка " + name;
    ucnv_setToUCallBack(from, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    UConverter *to = ucnv_open("UTF-8", &status);
    std::string out(bytes.size() * 3 + 16, '\0');
    char *target = out.data();
    const char *source = bytes.data();
    ucnv_convertEx(to, from, &target, out.data() + out.size(), &source, bytes.data() + bytes.size(),
                   nullptr, nullptr, nullptr, nullptr, true, true, &status);
    ucnv_close(from);
    ucnv_close(to);
    if (U_FAILURE(status))
        return "текст не соответствует кодировке " + name;
    out.resize(static_cast<std::size_t>(target - out.data()));
    bytes = std::move(out);
    return {};
}

} // namespace lexorama::lexicon
