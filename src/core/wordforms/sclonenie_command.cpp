#include "wordforms/sclonenie_command.h"

#include "lexicon/lexicon_layout.h"

#include <algorithm>
#include <exception>
#include <optional>

namespace lexorama::wordforms {

namespace {

bool isBlankEntry(std::string_view entry)
{
    return std::all_of(entry.begin(), entry.end(), [](char c) { return c == ' '; });
}

std::string withoutGrave(std::string_view entry)
{
    std::string grapheme(entry);
    std::erase(grapheme, '`');
    return grapheme;
}

} // namespace

std::string emptyDeclensionMessage(std::string_view typed)
{
    return "Список склонения/спряжения для слова \"" + std::string(typed) +
           "\" пуст. Задайте слово в исходной форме. Можно указать ударение прописной буквой.";
}

std::size_t SclonenieCommand(WordFormsModule &module, lexicon::RecordTable &table, std::string_view typed,
                             const PhonemeFunction &phoneme, Feedback &feedback)
{
    if (typed.empty())
        return 0;
    if (const std::string problem = module.takeDictionaryProblem(); !problem.empty())
        feedback.message(problem);

    std::size_t appended = 0;
    bool backAtStart = false;
    {
        // The panel follows only the final move onto the first appended record.
        lexicon::AfterScrollPause noPanelSync(table);
        lexicon::DisplayPause noRepaint(table);
        table.last();
        const std::optional<lexicon::Bookmark> start = table.bookmark();
        try {
            const std::vector<std::string> forms = module.formsForTyped(typed);
            feedback.status(forms.size() < 2 ? emptyDeclensionMessage(typed) : std::string());
            for (const std::string &entry : forms) {
                if (isBlankEntry(entry))
                    continue;
                const std::optional<std::string> transcription =
                    phoneme ? std::optional<std::string>(phoneme(entry)) : std::nullopt;
                table.append();
                if (transcription)
                    table.setText(lexicon::PhonemeField, *transcription);
                table.setText(lexicon::Grapheme, withoutGrave(entry));
                table.post();
                ++appended;
            }
        } catch (const std::exception &e) {
            // A broken generator or transcription rule ends the command; what was added stays.
            feedback.message(e.what());
        }
        backAtStart = start && table.gotoBookmark(*start);
    }
    if (backAtStart)
        table.next();
    else
        table.first(); // the table was empty: the first appended record is its first

    return appended;
}

} // namespace lexorama::wordforms
