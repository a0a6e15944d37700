// The keywords typed at the host's prompt and where each one leads.
#ifndef LEDGEWRIGHT_COMMAND_KEYWORD_TABLE_H
#define LEDGEWRIGHT_COMMAND_KEYWORD_TABLE_H

#include <optional>
#include <span>

#include "base/pattern.h"
#include "host/zedlib.h"

struct KeywordRow {
    const ZedChar* keyword;
    // The pattern the keyword chooses: it runs the layer step and loads the
    // pattern's settings; Delete has none and does neither.
    std::optional<Pattern> pattern;
    // The ready function of the state the keyword leads to.
    ZedReadyFunc ready;
};

// The rows in the order the dispatcher compares them.
std::span<const KeywordRow> KeywordTable();

#endif  // LEDGEWRIGHT_COMMAND_KEYWORD_TABLE_H
