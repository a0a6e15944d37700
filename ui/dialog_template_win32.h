// An in-memory extended dialog template (DLGTEMPLATEEX) built from a layout.
#ifndef LEDGEWRIGHT_UI_DIALOG_TEMPLATE_WIN32_H
#define LEDGEWRIGHT_UI_DIALOG_TEMPLATE_WIN32_H

#include <windows.h>

#include <string>
#include <vector>

#include "ui/layout.h"

// The template's bytes, DWORD-aligned as the dialog manager wants them.
std::vector<DWORD> BuildDialogTemplate(const DialogLayout& layout);
// Host text as UTF-16 (the legacy build's text is code page 949).
std::wstring WideOf(const ZedChar* text);
ZedString ZedOfWide(const std::wstring& text);

#endif  // LEDGEWRIGHT_UI_DIALOG_TEMPLATE_WIN32_H
