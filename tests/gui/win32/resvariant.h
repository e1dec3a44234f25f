// tests/gui/win32/resvariant.h: a copy of this program's resources with the About string removed or emptied.
#pragma once

#include <windows.h>

// Loads, as a data file, a copy of this program whose string 101 is missing (pszText null) or pszText.
// Null when the copy cannot be made; FreeResourceVariant deletes the copy.
HMODULE LoadResourceVariant(const char* pszName, const char* pszText);
void FreeResourceVariant(HMODULE hModule, const char* pszName);
