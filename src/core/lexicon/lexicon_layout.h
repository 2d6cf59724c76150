#pragma once

#include "lexicon/field_layout.h"

namespace lexorama::lexicon {

/// The nine fields of a lexicon record, in record order.
enum LexiconField : std::size_t {
    Grapheme,
    Grapheme2,
    Grapheme3,
    PhonemeField,
    Alias,
    Grammar,
    Lexname,
    Comment,
    Tag,
    LexiconFieldCount
};

/// The lexicon record: the layout of the open lexicon, the edit panel's record and new lexicons.
const FieldLayout &lexiconLayout();

/// The scratch table's layout: the same fields with narrower widths, except that words keep any
/// length so that copies and write-backs never cut them.
const FieldLayout &scratchLayout();

} // namespace lexorama::lexicon
