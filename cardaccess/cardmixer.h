// cardaccess/cardmixer.h: the sound card's mixer device, its 24-line map, and the mute of one line.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include "mixerlibrary.h"

// Selects the mixer device name and line-map column.
enum BoardModel { BoardModelHall7Pro = 1, BoardModelArpeggioDeluxe = 2 };

const int kMixerLineCount = 24;
const int kOpticalInputEntry = 7;  // its mute carries the optical input on the 95 family
const DWORD kNoLine = 0xFFFFFFFF;
const DWORD kNoControl = 0xFFFFFFFF;

struct MixerLineEntry {
  DWORD dwLineID;  // kNoLine: the board has no such line
  int nControls;
  DWORD dwLeft;
  DWORD dwRight;
  DWORD dwBalance;  // 0 all left, 0x8000 centre, 0xFFFF all right
  int nChannels;
  DWORD dwVolumeCtrl;  // control IDs; kNoControl where the line has none
  DWORD dwMuteCtrl;
  DWORD dwSelectCtrl;
  DWORD dwSwitchCtrl;
  bool bMuted;
  bool bSelected;
  bool bSwitchOn;
};

class CBoardInfo {
 public:
  virtual ~CBoardInfo() {}
  int GetModel() const { return BoardModelArpeggioDeluxe; }
};

class CCardMixer {
 public:
  CCardMixer();
  virtual ~CCardMixer();

  // False when the card is missing or could not be opened. A line whose controls could not be
  // listed keeps none, so it is never read or switched.
  bool Open(HWND hNotifyWnd);
  // False only when a notification read is skipped; what could not be read keeps its last value.
  bool Refresh(int bFromNotify);
  bool GetMute(int nEntry);
  // Whether the last Refresh read this entry's mute from the mixer.
  bool IsMuteRead(int nEntry) const;
  // True when the mixer took the new state; the cached state changes either way.
  bool SetMute(int nEntry, bool bMute);

  const MixerLineEntry& GetLine(int nEntry) const { return m_lines[nEntry]; }

 private:
  CCardMixer(const CCardMixer&) = delete;
  CCardMixer& operator=(const CCardMixer&) = delete;

  bool ReadControl(DWORD dwControlID, int nChannels, DWORD nItems, DWORD* pValues);
  bool WriteControl(DWORD dwControlID, LONG fValue);
  void MapLineControls(MixerLineEntry& entry, bool bSelectLine);

  CMixerLibrary m_winmm;
  HMIXER m_hMixer;
  MIXERCONTROLDETAILS m_details;
  MixerLineEntry m_lines[kMixerLineCount];
  bool m_abMuteRead[kMixerLineCount];
  int m_nBusy;
  bool m_bReading;
  unsigned int m_nSkip;
  int m_nBoardModel;
};

// Balance of a two-channel reading: 0x8000 centred, clamped to 0xFFFF.
DWORD MixerBalance(DWORD dwLeft, DWORD dwRight);
