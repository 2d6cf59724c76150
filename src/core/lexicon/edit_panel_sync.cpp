#include "lexicon/edit_panel_sync.h"

#include "lexicon/copy_by_name.h"
#include "lexicon/record_table.h"

namespace lexorama::lexicon::EditPanelSync {

void showCurrent(const RecordTable &lexicon, RecordTable &panel)
{
    panel.edit();
    copyByName(lexicon, panel);
}

void add(RecordTable &panel, RecordTable &lexicon)
{
    AfterScrollPause pause(lexicon);
    panel.checkBrowseMode();
    lexicon.append();
    copyByName(panel, lexicon);
    lexicon.post();
}

void save(RecordTable &panel, RecordTable &lexicon)
{
    AfterScrollPause pause(lexicon);
    panel.checkBrowseMode();
    if (lexicon.recordCount() >= 2)
        lexicon.edit();
    else
        lexicon.append();
    copyByName(panel, lexicon);
    lexicon.post();
}

} // namespace lexorama::lexicon::EditPanelSync
