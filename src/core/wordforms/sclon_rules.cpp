#include "wordforms/sclon_rules.h"

#include "common/resources.h"
#include "common/utf8.h"
#include "wordforms/cp1251.h"

#include <algorithm>
#include <stdexcept>

namespace lexorama::wordforms {

namespace {

constexpr std::string_view kBuiltInName = "wordforms/sclon_rules.txt";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

bool isUtf8WithLetters(std::string_view bytes)
{
    return utf8::findInvalid(bytes) == std::string_view::npos &&
           std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

} // namespace

SclonRules SclonRules::builtIn()
{
    const auto text = resources::find(kBuiltInName);
    if (!text)
        throw std::runtime_error("the built-in generator rules are missing from the program");
    return fromLines(cp1251::fromUtf8(*text), false);
}

SclonRules SclonRules::fromUserFile(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Bom))
        return fromLines(cp1251::fromUtf8(bytes.substr(kUtf8Bom.size())), true);
    if (isUtf8WithLetters(bytes))
        return fromLines(cp1251::fromUtf8(bytes), true);
    return fromLines(bytes, true);
}

bool SclonRules::isRuleLine(std::string_view line)
{
    return line.find('#') == std::string_view::npos && !std::all_of(line.begin(), line.end(), isBlank);
}

SclonRules SclonRules::fromLines(std::string_view text, bool rulesOnly)
{
    SclonRules rules;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        if (!rulesOnly || isRuleLine(line))
            rules.rules_.push_back({std::string(line), nullptr});
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return rules;
}

const SclonMatcher &SclonRules::matcherOf(const Rule &rule) const
{
    if (!rule.matcher) {
        const std::string_view pattern = std::string_view(rule.line).substr(0, rule.line.find('='));
        rule.matcher = std::make_shared<const SclonMatcher>(pattern);
    }
    return *rule.matcher;
}

std::optional<std::string> SclonRules::apply(std::string_view wordCp1251) const
{
    for (const Rule &rule : rules_) {
        if (!isRuleLine(rule.line))
            continue;
        const SclonMatcher &matcher = matcherOf(rule);
        if (!matcher.matches(wordCp1251))
            continue;
        const std::size_t equals = rule.line.find('=');
        const std::string_view replacement =
            equals == std::string::npos ? std::string_view() : std::string_view(rule.line).substr(equals + 1);
        return matcher.replaceAll(wordCp1251, replacement);
    }
    return std::nullopt;
}

} // namespace lexorama::wordforms
