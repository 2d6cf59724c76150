#include "lexicon/lexicon_layout.h"

namespace lexorama::lexicon {

const FieldLayout &lexiconLayout()
{
    static const FieldLayout layout({
        {"grapheme", FieldType::String, 140},
        {"grapheme2", FieldType::String, 70},
        {"grapheme3", FieldType::String, 70},
        {"phoneme", FieldType::String, 100},
        {"alias", FieldType::String, 70},
        {"grammar", FieldType::String, 50},
        {"lexname", FieldType::String, 30},
        {"comment", FieldType::String, 50},
        {"tag", FieldType::Integer, 0},
    });
    return layout;
}

const FieldLayout &scratchLayout()
{
    static const FieldLayout layout = [] {
        std::vector<FieldDef> fields = lexiconLayout().fields();
        fields[Grapheme].width = 0;
        fields[Grapheme].required = true;
        fields[Grapheme2].width = fields[Grapheme3].width = 70;
        return FieldLayout(std::move(fields));
    }();
    return layout;
}

} // namespace lexorama::lexicon
