// The full path of the host program that the plug-in runs in.
#ifndef LEDGEWRIGHT_PLATFORM_EXECUTABLE_PATH_H
#define LEDGEWRIGHT_PLATFORM_EXECUTABLE_PATH_H

#include "host/zedtext.h"

// The full path of the process's executable, however long; empty text when the
// system cannot give it.
//
// Outside Windows the host is emulated by a test program or the runner, which
// may not live where the host's files are. There the environment variable
// ZED_HOST_EXE, when set and not empty, is taken as the host program's path
// instead (in UTF-8), so that the installation folder can be pointed at any
// tree that holds zed_ap/.
ZedString ExecutablePath();

#endif  // LEDGEWRIGHT_PLATFORM_EXECUTABLE_PATH_H
