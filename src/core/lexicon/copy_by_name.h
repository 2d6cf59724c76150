#pragma once

namespace lexorama::lexicon {

class RecordTable;

/// Copies the current record of source into the current record of destination, field by field
/// under the same name: a field without a namesake is skipped; between fields of the same type
/// and width the stored value is copied as it stands, otherwise as text cut to the destination's
/// width. A null stays null. The destination must be in edit or insert state.
void copyByName(const RecordTable &source, RecordTable &destination);

} // namespace lexorama::lexicon
