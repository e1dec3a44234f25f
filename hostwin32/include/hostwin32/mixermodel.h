// hostwin32/include/hostwin32/mixermodel.h: a card mixer in memory, behind the winmm mixer calls.
// Shared by the native stand-in and the simulated card DLL, so both present the same hardware.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

namespace mixermodel {

struct Control {
  DWORD dwControlID;
  DWORD dwControlType;
  DWORD cChannels;
  DWORD cMultipleItems;       // 0 for a single-item control
  std::vector<DWORD> values;  // cChannels * max(1, cMultipleItems), channel-major
};

struct Line {
  DWORD dwLineID;
  std::vector<Control> controls;
};

struct Device {
  std::string name;
  std::vector<Line> lines;
};

// The mixer subsystem of one machine: its devices and the handles opened on them.
class Mixer {
 public:
  std::vector<Device> devices;

  UINT GetNumDevs() const;
  MMRESULT GetDevCaps(UINT_PTR uMxId, LPMIXERCAPSA pCaps, UINT cbCaps) const;
  MMRESULT Open(LPHMIXER phmx, UINT uMxId, DWORD fdwOpen);
  MMRESULT Close(HMIXER hmx);
  MMRESULT GetLineControls(HMIXEROBJ hobj, LPMIXERLINECONTROLSA pmxlc, DWORD fdwControls);
  MMRESULT GetControlDetails(HMIXEROBJ hobj, LPMIXERCONTROLDETAILS pmxcd, DWORD fdwDetails);
  MMRESULT SetControlDetails(HMIXEROBJ hobj, LPMIXERCONTROLDETAILS pmxcd, DWORD fdwDetails);

  size_t OpenHandleCount() const;
  // The control with this ID on the device, or null.
  Control* FindControl(size_t nDevice, DWORD dwControlID);
  // The first control of a type on the line, or null.
  Control* FindLineControl(size_t nDevice, DWORD dwLineID, DWORD dwControlType);

 private:
  std::vector<int> m_open;  // device index per handle slot, -1 when closed
  Device* Resolve(HMIXEROBJ hobj, DWORD fdw);
  Control* ResolveControl(HMIXEROBJ hobj, const MIXERCONTROLDETAILS* pmxcd, DWORD fdw, MMRESULT* pmmr);
};

// The two boards the suite knows, with the lines and controls their drivers present.
Device ArpeggioDeluxe();
Device SonorityHall7Pro();

// Line carrying the optical input's mute on each board.
const DWORD kArpeggioOpticalLine = 0x00080000;
const DWORD kHall7OpticalLine = 0x000D0000;

}  // namespace mixermodel
