#include "cli/commands/command.h"
#include "common/utf8.h"
#include "phonetics/rule_error.h"
#include "phonetics/rule_list.h"
#include "phonetics/transcriber.h"

#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

namespace lexorama::cli {

namespace {

constexpr std::string_view kUsage = "Usage: lexorama-cli transcribe [--bulk] [--rules FILE] [--fixes FILE] [WORD...]\n";

std::optional<phonetics::RuleList> readRuleFile(const std::string &path, std::ostream &err)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        err << "Unable to open file \"" << path << "\"\n";
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return phonetics::RuleList::fromText(text.str());
}

} // namespace

/// transcribe [--bulk] [--rules FILE] [--fixes FILE] [WORD...]: one transcription per word or
/// per line of standard input (Phoneme; CreateCurrentPhoneme with --bulk).
int transcribeCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    bool bulk = false;
    std::optional<std::string> rulesFile, fixesFile;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--bulk") {
            bulk = true;
        } else if (args[i] == "--rules" || args[i] == "--fixes") {
            if (i + 1 >= args.size()) {
                err << kUsage;
                return BadUsage;
            }
            (args[i] == "--rules" ? rulesFile : fixesFile) = args[i + 1];
            ++i;
        } else if (args[i].starts_with("--")) {
            err << kUsage;
            return BadUsage;
        } else {
            words.push_back(args[i]);
        }
    }
    phonetics::Transcriber transcriber;
    if (rulesFile) {
        auto lines = readRuleFile(*rulesFile, err);
        if (!lines)
            return BadInput;
        transcriber.applyUserRules(std::move(*lines));
    }
    if (fixesFile) {
        auto lines = readRuleFile(*fixesFile, err);
        if (!lines)
            return BadInput;
        transcriber.applyUserFixes(std::move(*lines));
    }
    auto transcribe = [&](const std::string &word) {
        if (utf8::findInvalid(word) != std::string::npos)
            err << "warning: the text is not valid UTF-8: " << word << '\n';
        out << (bulk ? transcriber.CreateCurrentPhoneme(word) : transcriber.Phoneme(word)) << '\n';
    };
    try {
        if (!words.empty()) {
            for (const std::string &word : words)
                transcribe(word);
        } else {
            std::string line;
            while (std::getline(std::cin, line)) {
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                transcribe(line);
            }
        }
    } catch (const phonetics::RuleError &e) {
        err << e.what() << '\n';
        return BadInput;
    }
    return Success;
}

} // namespace lexorama::cli
