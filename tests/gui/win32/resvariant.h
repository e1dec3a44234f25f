// tests/gui/win32/resvariant.h: copies of a program with one resource left out or replaced.
#pragma once

#include <windows.h>

// Writes a copy of the program at pszSource into the temp folder as pszName.exe, leaving out the resource
// of type lpType and name lpName (both numbers), or putting cbData bytes at pData in its place. The copy's
// path goes to pszPath (MAX_PATH characters). False when the copy cannot be made.
bool WriteResourceVariant(const char* pszSource, const char* pszName, LPCSTR lpType, LPCSTR lpName, const void* pData,
                          DWORD cbData, char* pszPath);

// Loads, as a data file, a copy of this program whose string 101 is missing (pszText null) or pszText.
// Null when the copy cannot be made; FreeResourceVariant deletes the copy.
HMODULE LoadResourceVariant(const char* pszName, const char* pszText);
void FreeResourceVariant(HMODULE hModule, const char* pszName);
