#include "phonetics/phoneme_alphabet.h"

#include "common/resources.h"
#include "common/utf8.h"
#include "phonetics/rule_list.h"

namespace lexorama::phonetics {

PhonemeAlphabet::PhonemeAlphabet() { loadBuiltIn(); }

std::string_view PhonemeAlphabet::builtInText()
{
    return resources::find("phonetics/alphabet.txt").value_or(std::string_view{});
}

void PhonemeAlphabet::loadBuiltIn() { load(builtInText()); }

void PhonemeAlphabet::load(std::string_view text)
{
    rows_.clear();
    const RuleList lines = RuleList::fromText(text);
    for (const std::string &line : lines.lines()) {
        if (line.empty())
            continue;
        const std::size_t semicolon = line.find(';');
        const std::string_view all(line);
        const std::string_view symbol = all.substr(0, semicolon);
        const std::string_view examples = semicolon == std::string::npos ? std::string_view{} : all.substr(semicolon + 1);
        rows_.push_back({std::string(utf8::cutToWidth(symbol, kFieldWidth)),
                         std::string(utf8::cutToWidth(examples, kFieldWidth))});
    }
}

} // namespace lexorama::phonetics
