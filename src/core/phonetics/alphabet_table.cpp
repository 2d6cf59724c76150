#include "phonetics/alphabet_table.h"

#include "lexicon/record_table.h"
#include "phonetics/phoneme_alphabet.h"

#include <array>

namespace lexorama::phonetics {

const lexicon::FieldLayout &alphabetLayout()
{
    using lexicon::FieldType;
    static const lexicon::FieldLayout layout({{"Field1", FieldType::String, PhonemeAlphabet::kFieldWidth},
                                              {"Field2", FieldType::String, PhonemeAlphabet::kFieldWidth}});
    return layout;
}

void fillAlphabetTable(const PhonemeAlphabet &alphabet, lexicon::RecordTable &table)
{
    {
        lexicon::DisplayPause pause(table);
        table.emptyTable();
        for (const PhonemeAlphabet::Row &row : alphabet.rows()) {
            const std::array<std::optional<std::string_view>, 2> values = {row.symbol, row.examples};
            table.appendRecord(lexicon::Record::fromValues(values));
        }
    }
    table.first();
}

} // namespace lexorama::phonetics
