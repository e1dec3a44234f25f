// tests/gui/win32/resvariant.h: a copy of a program with one resource left out.
#pragma once

#include <windows.h>

// Writes a copy of the program at pszSource into the temp folder as pszName.exe, leaving out the resource
// of type lpType and name lpName (both numbers). The copy's path goes to pszPath (MAX_PATH characters).
// False when the copy cannot be made.
bool WriteResourceVariant(const char* pszSource, const char* pszName, LPCSTR lpType, LPCSTR lpName, char* pszPath);

