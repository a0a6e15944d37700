// Putting the process-wide records back to their state at load. The records
// live beside what they record: the installation folder (platform/path.h), the
// temporary element table and the line pick record (base/), the layer snapshot
// (command/layer_states.h), ShoulderSettings (settings/), the shoulder memory
// (geometry/), the hole records and the slot memory (holes/), the chooser
// instance (ui/).
#ifndef LEDGEWRIGHT_COMMAND_COMMAND_STATE_H
#define LEDGEWRIGHT_COMMAND_COMMAND_STATE_H

// Puts every record of the command (installation folder, temporary element
// table, layer snapshot, line pick record) back to its state at load. For tests.
void ResetCommandState();

// Puts every process-wide record of the plug-in back to its state at load: the
// command's, the settings, the shoulder memory, the hole records and the slot
// memory. For tests.
void ResetPluginRecords();

#endif  // LEDGEWRIGHT_COMMAND_COMMAND_STATE_H
