#include "tools/record_marks.h"

#include "lexicon/record_table.h"

namespace lexorama::tools::RecordMarks {

using lexicon::Bookmark;
using lexicon::DisplayPause;
using lexicon::RecordTable;

void selectAll(RecordTable &table)
{
    DisplayPause pause(table);
    table.clearMarks();
    table.markAll();
    table.first();
}

void deleteSelected(RecordTable &table)
{
    const std::vector<Bookmark> marked = table.marks();
    if (marked.empty())
        return;
    table.deleteRecords(marked);
    table.clearMarks();
}

void deleteUnselected(RecordTable &table)
{
    std::vector<Bookmark> unmarked;
    for (std::size_t row = 0; row < table.recordCount(); ++row)
        if (!table.isMarked(table.bookmarkAt(row)))
            unmarked.push_back(table.bookmarkAt(row));
    table.deleteRecords(unmarked);
    table.clearMarks();
    table.first();
}

} // namespace lexorama::tools::RecordMarks
