#pragma once

namespace lexorama::lexicon {
class RecordTable;
}

namespace lexorama::tools {

/// The commands on a grid's marked records. Each works on the records the table presents, so
/// with a filter in force hidden records are neither marked nor deleted.
namespace RecordMarks {

/// Marks every record shown and goes to the first.
void selectAll(lexicon::RecordTable &table);
/// Deletes every marked record, then clears the marks. No question is asked.
void deleteSelected(lexicon::RecordTable &table);
/// Deletes every record shown that is not marked, clears the marks and goes to the first record.
void deleteUnselected(lexicon::RecordTable &table);

} // namespace RecordMarks

} // namespace lexorama::tools
