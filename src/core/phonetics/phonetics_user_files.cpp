#include "phonetics/phonetics_user_files.h"

#include "common/feedback.h"
#include "phonetics/phoneme_alphabet.h"
#include "phonetics/transcriber.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace lexorama::phonetics {

namespace {

std::optional<std::string> readWhole(const std::string &fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return text.str();
}

} // namespace

bool isPhoneticsUserFileKey(std::string_view key)
{
    return key == kPhonemesFileKey || key == kPhonemesFixFileKey || key == kPhonemesAlphabetFileKey;
}

bool applyPhoneticsUserFile(std::string_view key, const std::string &fileName, Transcriber &transcriber,
                            PhonemeAlphabet &alphabet, Feedback &feedback)
{
    if (fileName.empty() || !isPhoneticsUserFileKey(key))
        return true;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec))
        feedback.message("Не найден файл" + fileName);
    const std::optional<std::string> text = readWhole(fileName);
    if (key == kPhonemesFileKey)
        transcriber.applyUserRules(text ? RuleList::fromText(*text) : RuleList{});
    else if (key == kPhonemesFixFileKey)
        transcriber.applyUserFixes(text ? RuleList::fromText(*text) : RuleList{});
    else if (text)
        alphabet.load(*text);
    if (!text) {
        feedback.message("Unable to open file \"" + fileName + "\"");
        return false;
    }
    return true;
}

void resetPhoneticsUserFiles(Transcriber &transcriber, PhonemeAlphabet &alphabet)
{
    transcriber.loadBuiltIn();
    alphabet.loadBuiltIn();
}

} // namespace lexorama::phonetics
