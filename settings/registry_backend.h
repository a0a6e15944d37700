// The platform's registry under the current user, as the settings store uses it.
//
// On Windows this is the real registry (HKEY_CURRENT_USER). Elsewhere it is a
// text file in the registry editor's export layout that holds the same key
// paths and string values:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\SOFTWARE\Quorvane\ZED\Ledgewright]
//   "mMainLayer"="30|50|60"
//
// The file is UTF-8. Inside quotes "\" and the quote are escaped with "\"; a
// value holding control characters (a line break) is written in the editor's
// hex(1) form, UTF-16LE bytes. Every write rewrites the whole file through a
// temporary file and a rename, so a failed write leaves the old file whole. A
// line that cannot be read is taken as absent; values of other types are kept.
#ifndef LEDGEWRIGHT_SETTINGS_REGISTRY_BACKEND_H
#define LEDGEWRIGHT_SETTINGS_REGISTRY_BACKEND_H

#include <string>

#include "host/zedtext.h"

// Reads the text of a string value of any length; false when the key or the
// value is missing or the value is of another type. keyPath uses "\".
bool RegistryReadString(const ZedString& keyPath, const ZedString& valueName, ZedString& text);
// Creates the key if needed and stores the text as a string value; false on failure.
bool RegistryWriteString(const ZedString& keyPath, const ZedString& valueName, const ZedString& text);

#ifndef _WIN32
// Where the file lives, in this order:
// 1. the path last given to SetRegistryFilePath, unless empty;
// 2. the environment variable ZED_REGISTRY_FILE, unless empty;
// 3. $XDG_CONFIG_HOME/ledgewright/registry.reg, else $HOME/.config/ledgewright/registry.reg.
// Missing folders are created at the first write.
std::string RegistryFilePath();
// Sets the file for this process (tests use a temporary one); empty text
// returns to the environment variable and the default.
void SetRegistryFilePath(const std::string& path);
#endif

#endif  // LEDGEWRIGHT_SETTINGS_REGISTRY_BACKEND_H
