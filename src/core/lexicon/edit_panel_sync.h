#pragma once

namespace lexorama::lexicon {

class RecordTable;

/// The contract between the edit panel's one-record table and the lexicon table. The panel
/// reaches the lexicon only through add and save; moving through the lexicon overwrites the panel.
namespace EditPanelSync {

/// Panel sync (the lexicon's after-scroll handler): the lexicon's current record into the panel,
/// which is left in edit state.
void showCurrent(const RecordTable &lexicon, RecordTable &panel);

/// Add: the panel's record becomes a new record at the end of the lexicon.
void add(RecordTable &panel, RecordTable &lexicon);

/// Save: the panel's record replaces the lexicon's current record when the lexicon holds two or
/// more records; with none or one it is appended.
void save(RecordTable &panel, RecordTable &lexicon);

} // namespace EditPanelSync

} // namespace lexorama::lexicon
