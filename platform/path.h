// Paths as the plug-in composes them.
#ifndef LEDGEWRIGHT_PLATFORM_PATH_H
#define LEDGEWRIGHT_PLATFORM_PATH_H

#include "host/zedtext.h"

// The separator of folder names on this platform.
#ifdef _WIN32
inline constexpr ZedChar kPathSeparator = ZED_TEXT('\\');
#else
inline constexpr ZedChar kPathSeparator = ZED_TEXT('/');
#endif

// The text before the last separator; empty when there is none.
ZedString CutAtLastSeparator(const ZedString& path, ZedChar separator = kPathSeparator);

// The installation folder of a program: the parent of the folder that holds
// it, with no trailing separator ("C:\Zed\bin\zed.exe" gives "C:\Zed"). The
// path is cut at its last separator twice, so a path with fewer separators
// gives empty text.
ZedString InstallationFolderOf(const ZedString& executablePath, ZedChar separator = kPathSeparator);

// The installation folder of the running host program.
ZedString FindInstallationFolder();

// The plug-in's record of its installation folder (FindInstallationFolder at
// Startup), without a trailing separator; empty until Startup succeeds.
ZedString& InstallationFolder();

#endif  // LEDGEWRIGHT_PLATFORM_PATH_H
