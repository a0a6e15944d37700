// The keywords typed at the host's prompt and where each one leads.
#ifndef LEDGEWRIGHT_COMMAND_KEYWORD_TABLE_H
#define LEDGEWRIGHT_COMMAND_KEYWORD_TABLE_H

#include <span>

#include "host/zedlib.h"

struct KeywordRow {
    const ZedChar* keyword;
    // A pattern keyword runs the layer step and hides the chooser; Delete does
    // neither.
    bool isPattern;
    // The pattern's settings loader, or null when the pattern has none.
    void (*loadSettings)();
    // The ready function of the state the keyword leads to, or null while that
    // state is not part of the build.
    ZedReadyFunc ready;
};

// The rows in the order the dispatcher compares them.
std::span<const KeywordRow> KeywordTable();

#endif  // LEDGEWRIGHT_COMMAND_KEYWORD_TABLE_H
