// cardsim/winmm.cpp: the mixer functions of winmm.dll over a simulated card, for tests and the demo.
// Never shipped: Wine loads it in place of its own winmm when the tests ask for a native winmm.
#define _WINMM_  // we define these functions rather than import them
#include <windows.h>
#include <mmsystem.h>

#include <hostwin32/mixermodel.h>

#include "simstate.h"

namespace {

// Each process reads the machine once, at its first mixer call, and writes back every change at once.
mixermodel::Mixer& Machine() {
  static mixermodel::Mixer mixer;
  static bool bLoaded = false;
  if (!bLoaded) {
    cardsim::LoadMachine(&mixer);
    bLoaded = true;
  }
  return mixer;
}

}  // namespace

extern "C" {

UINT WINAPI mixerGetNumDevs(void) { return Machine().GetNumDevs(); }

MMRESULT WINAPI mixerGetDevCapsA(UINT_PTR uMxId, LPMIXERCAPSA pmxcaps, UINT cbmxcaps) {
  return Machine().GetDevCaps(uMxId, pmxcaps, cbmxcaps);
}

MMRESULT WINAPI mixerOpen(LPHMIXER phmx, UINT uMxId, DWORD_PTR, DWORD_PTR, DWORD fdwOpen) {
  return Machine().Open(phmx, uMxId, fdwOpen);
}

MMRESULT WINAPI mixerClose(HMIXER hmx) { return Machine().Close(hmx); }

MMRESULT WINAPI mixerGetLineControlsA(HMIXEROBJ hmxobj, LPMIXERLINECONTROLSA pmxlc, DWORD fdwControls) {
  return Machine().GetLineControls(hmxobj, pmxlc, fdwControls);
}

MMRESULT WINAPI mixerGetControlDetailsA(HMIXEROBJ hmxobj, LPMIXERCONTROLDETAILS pmxcd, DWORD fdwDetails) {
  return Machine().GetControlDetails(hmxobj, pmxcd, fdwDetails);
}

MMRESULT WINAPI mixerSetControlDetails(HMIXEROBJ hmxobj, LPMIXERCONTROLDETAILS pmxcd, DWORD fdwDetails) {
  mixermodel::Mixer& mixer = Machine();
  const MMRESULT mmr = mixer.SetControlDetails(hmxobj, pmxcd, fdwDetails);
  if (mmr != MMSYSERR_NOERROR) return mmr;
  // A value the next process would not see was not really set.
  return cardsim::SaveMachine(mixer) ? MMSYSERR_NOERROR : MMSYSERR_ERROR;
}

}  // extern "C"
