#pragma once

namespace lexorama::lexicon {
class FieldLayout;
class RecordTable;
}

namespace lexorama::phonetics {

class PhonemeAlphabet;

/// The layout of the alphabet table: Field1 (the symbol) and Field2 (its examples).
const lexicon::FieldLayout &alphabetLayout();

/// Refills the alphabet table from the alphabet's rows and goes to its first row.
void fillAlphabetTable(const PhonemeAlphabet &alphabet, lexicon::RecordTable &table);

} // namespace lexorama::phonetics
