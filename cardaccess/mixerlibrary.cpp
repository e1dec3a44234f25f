// cardaccess/mixerlibrary.cpp: loads winmm and binds the mixer functions by name.
#include "mixerlibrary.h"

#include "boundfunction.h"

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
  return BindFunction(m_hModule, "mixerGetNumDevs", &pfnGetNumDevs) &&
         BindFunction(m_hModule, "mixerGetDevCapsA", &pfnGetDevCaps) &&
         BindFunction(m_hModule, "mixerOpen", &pfnOpen) && BindFunction(m_hModule, "mixerClose", &pfnClose) &&
         BindFunction(m_hModule, "mixerGetLineControlsA", &pfnGetLineControls) &&
         BindFunction(m_hModule, "mixerGetControlDetailsA", &pfnGetControlDetails) &&
         BindFunction(m_hModule, "mixerSetControlDetails", &pfnSetControlDetails);
}
