// cardaccess/boundfunction.h: a DLL's function bound by name at run time, for what not every Windows exports
// or not every start should pay for.
#pragma once

#include <windows.h>

// Sets *ppfn to hModule's function pszName, or to null when it has none; true when bound.
template <typename Fn>
bool BindFunction(HMODULE hModule, const char* pszName, Fn* ppfn) {
  // Through void(*)(void), the one function pointer type every other converts to without complaint.
  *ppfn = reinterpret_cast<Fn>(reinterpret_cast<void (*)(void)>(GetProcAddress(hModule, pszName)));
  return *ppfn != nullptr;
}
