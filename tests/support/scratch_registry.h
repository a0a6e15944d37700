#ifndef LEDGEWRIGHT_TESTS_SUPPORT_SCRATCH_REGISTRY_H
#define LEDGEWRIGHT_TESTS_SUPPORT_SCRATCH_REGISTRY_H

// Gives the test an empty settings store: a fresh temporary file for the
// portable backend; on Windows the plug-in's key is deleted from the current
// user's registry (the tests run in their own Wine prefix).
void UseScratchRegistry();

#endif  // LEDGEWRIGHT_TESTS_SUPPORT_SCRATCH_REGISTRY_H
