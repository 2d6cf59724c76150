#include "cli/commands/command.h"
#include "cli/commands/stream_feedback.h"
#include "lexicon/lexicon_layout.h"
#include "lexicon/record_table.h"
#include "phonetics/transcriber.h"
#include "wordforms/sclonenie_command.h"
#include "wordforms/word_forms_module.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <utility>

namespace lexorama::cli {

namespace {

constexpr std::string_view kUsage =
    "Usage: lexorama-cli forms [--ipa] [--dictionary FILE.zlib] [--rules FILE] WORD\n"
    "       lexorama-cli forms --dump [--dictionary FILE.zlib]\n";

struct FormsOptions {
    bool ipa = false;
    bool dump = false;
    std::optional<std::string> dictionary;
    std::optional<std::string> rules;
    std::optional<std::string> word;
};

std::optional<FormsOptions> parse(const std::vector<std::string> &args)
{
    FormsOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--ipa")
            options.ipa = true;
        else if (arg == "--dump")
            options.dump = true;
        else if ((arg == "--dictionary" || arg == "--rules") && i + 1 < args.size())
            (arg == "--rules" ? options.rules : options.dictionary) = args[++i];
        else if (!arg.starts_with("--") && !options.word)
            options.word = arg;
        else
            return std::nullopt;
    }
    if (options.dump == options.word.has_value() || (options.dump && (options.ipa || options.rules)))
        return std::nullopt;
    return options;
}

// The status text goes to the error stream too, as the window shows it in its status bar.
class CommandFeedback : public StreamFeedback {
public:
    using StreamFeedback::StreamFeedback;
    void status(const std::string &text) override
    {
        if (!text.empty())
            message(text);
    }
};

std::optional<std::string> readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int dump(wordforms::WordFormsModule &module, std::ostream &out, std::ostream &err)
{
    const wordforms::SclonForms &forms = module.dictionary();
    if (!module.dictionaryProblem().empty()) {
        err << module.dictionaryProblem() << '\n';
        return BadInput;
    }
    for (std::size_t line = 0; line < forms.lineCount(); ++line)
        out << forms.lineUtf8(line) << '\n';
    return Success;
}

int declension(wordforms::WordFormsModule &module, const FormsOptions &options, std::ostream &out,
               std::ostream &err)
{
    CommandFeedback feedback(err);
    if (options.rules && !module.applyUserRules(*options.rules, feedback))
        return BadInput;
    // The built-in transcription tables are compiled only when transcriptions are asked for.
    std::optional<phonetics::Transcriber> transcriber;
    wordforms::PhonemeFunction phoneme;
    if (options.ipa) {
        transcriber.emplace();
        phoneme = [&transcriber](std::string_view word) { return transcriber->Phoneme(word); };
    }
    lexicon::RecordTable table(lexicon::lexiconLayout());
    if (wordforms::SclonenieCommand(module, table, *options.word, phoneme, feedback) == 0)
        return BadInput;
    for (std::size_t row = 0; row < table.recordCount(); ++row) {
        out << table.recordAt(row).value(lexicon::Grapheme).value_or("");
        if (options.ipa)
            out << '\t' << table.recordAt(row).value(lexicon::PhonemeField).value_or("");
        out << '\n';
    }
    return Success;
}

} // namespace

/// forms [--ipa] WORD: the records the declension command appends for WORD; forms --dump: the
/// whole word-form dictionary as UTF-8 lines.
int formsCommand(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    const auto options = parse(args);
    if (!options) {
        err << kUsage;
        return BadUsage;
    }
    std::string bytes;
    std::unique_ptr<wordforms::WordFormsModule> module;
    if (options->dictionary) {
        auto read = readBytes(*options->dictionary);
        if (!read) {
            err << "Unable to open file \"" << *options->dictionary << "\"\n";
            return BadInput;
        }
        bytes = std::move(*read);
        module = std::make_unique<wordforms::WordFormsModule>(std::string_view(bytes));
    } else {
        module = std::make_unique<wordforms::WordFormsModule>();
    }
    return options->dump ? dump(*module, out, err) : declension(*module, *options, out, err);
}

} // namespace lexorama::cli
