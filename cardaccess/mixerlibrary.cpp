// cardaccess/mixerlibrary.cpp: loads winmm and binds the mixer functions by name.
#include "mixerlibrary.h"

namespace {

template <typename Fn>
bool Bind(HMODULE hModule, const char* pszName, Fn* ppfn) {
  // Through void(*)(void), the one function pointer type every other converts to without complaint.
  *ppfn = reinterpret_cast<Fn>(reinterpret_cast<void (*)(void)>(GetProcAddress(hModule, pszName)));
  return *ppfn != nullptr;
}

}  // namespace

CMixerLibrary::CMixerLibrary()
    : pfnGetNumDevs(nullptr),
      pfnGetDevCaps(nullptr),
      pfnOpen(nullptr),
      pfnClose(nullptr),
      pfnGetLineControls(nullptr),
      pfnGetControlDetails(nullptr),
      pfnSetControlDetails(nullptr),
      m_hModule(nullptr) {}

CMixerLibrary::~CMixerLibrary() {
  if (m_hModule) FreeLibrary(m_hModule);
}

bool CMixerLibrary::Load() {
  if (!m_hModule) m_hModule = LoadLibraryA("winmm.dll");
  if (!m_hModule) return false;
  return Bind(m_hModule, "mixerGetNumDevs", &pfnGetNumDevs) && Bind(m_hModule, "mixerGetDevCapsA", &pfnGetDevCaps) &&
         Bind(m_hModule, "mixerOpen", &pfnOpen) && Bind(m_hModule, "mixerClose", &pfnClose) &&
         Bind(m_hModule, "mixerGetLineControlsA", &pfnGetLineControls) &&
         Bind(m_hModule, "mixerGetControlDetailsA", &pfnGetControlDetails) &&
         Bind(m_hModule, "mixerSetControlDetails", &pfnSetControlDetails);
}
