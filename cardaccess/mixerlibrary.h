// cardaccess/mixerlibrary.h: winmm's mixer functions, bound when first needed.
// Importing winmm would make every start pay for its audio drivers, on every family.
#pragma once

#include <windows.h>
#include <mmsystem.h>

class CMixerLibrary {
 public:
  CMixerLibrary();
  ~CMixerLibrary();

  // True when winmm is loaded and every function below is bound.
  bool Load();

  UINT(WINAPI* pfnGetNumDevs)(void);
  MMRESULT(WINAPI* pfnGetDevCaps)(UINT_PTR, LPMIXERCAPSA, UINT);
  MMRESULT(WINAPI* pfnOpen)(LPHMIXER, UINT, DWORD_PTR, DWORD_PTR, DWORD);
  MMRESULT(WINAPI* pfnClose)(HMIXER);
  MMRESULT(WINAPI* pfnGetLineControls)(HMIXEROBJ, LPMIXERLINECONTROLSA, DWORD);
  MMRESULT(WINAPI* pfnGetControlDetails)(HMIXEROBJ, LPMIXERCONTROLDETAILS, DWORD);
  MMRESULT(WINAPI* pfnSetControlDetails)(HMIXEROBJ, LPMIXERCONTROLDETAILS, DWORD);

 private:
  CMixerLibrary(const CMixerLibrary&) = delete;
  CMixerLibrary& operator=(const CMixerLibrary&) = delete;

  HMODULE m_hModule;
};
