#include "phonetics/rule_list.h"

namespace lexorama::phonetics {

namespace {

void replaceAll(std::string &text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

/// One step of the loaded-form rewrite: the marker becomes `anchor` in the pattern and
/// disappears from the replacement.
void rewriteMarker(std::string &line, std::string_view marker, std::string_view anchor)
{
    const std::size_t eq = line.find('=');
    std::string pattern = line.substr(0, eq);
    std::string replacement = line.substr(eq + 1);
    replaceAll(pattern, marker, anchor);
    replaceAll(replacement, marker, "");
    line = pattern + "=" + replacement;
}

} // namespace

RuleList RuleList::fromText(std::string_view text)
{
    RuleList list;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            list.lines_.emplace_back(text.substr(start));
            break;
        }
        list.lines_.emplace_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return list;
}

std::optional<RuleEntry> RuleList::entry(std::size_t index) const
{
    const std::string_view line = lines_.at(index);
    const std::size_t eq = line.find('=');
    if (line.starts_with(';') || eq == std::string_view::npos)
        return std::nullopt;
    return RuleEntry{line.substr(0, eq), line.substr(eq + 1)};
}

void RuleList::toLoadedForm()
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!entry(i))
            continue;
        rewriteMarker(lines_[i], "</w>", "($)");
        rewriteMarker(lines_[i], "<w>", "(^)");
    }
}

} // namespace lexorama::phonetics
