// The command's process-wide records that are not the settings, the layer
// snapshot or the temporary element table.
#ifndef LEDGEWRIGHT_COMMAND_COMMAND_STATE_H
#define LEDGEWRIGHT_COMMAND_COMMAND_STATE_H

#include "host/zedtext.h"

// The parent of the folder that holds the host's executable, without a
// trailing separator; empty until Startup succeeds.
ZedString& InstallationFolder();

// Puts every record of the command (installation folder, temporary element
// table, layer snapshot) back to its state at load. For tests.
void ResetCommandState();

// Puts every process-wide record of the plug-in back to its state at load: the
// command's, the settings, the shoulder memory, the hole records and the slot
// memory. For tests.
void ResetPluginRecords();

#endif  // LEDGEWRIGHT_COMMAND_COMMAND_STATE_H
