// cardaccess/cardmixer.cpp: finds the card's mixer by name and reads or switches its line controls.
#include "cardmixer.h"

#include <assert.h>
#include <string.h>

namespace {

const int kSelectEntry = 15;
const int kSwitchEntry = 18;
const int kLoudnessEntry = 12;
const int kLastMuteEntry = 14;
const int kMaxLineControls = 4;
const DWORD kMaxSelectItems = 8;
const DWORD kBalanceCentre = 0x8000;

const char* const kDeviceNames[] = {nullptr, "Sonority Hall 7 Pro", "Audioscape Arpeggio Deluxe"};

struct LineMapRow {
  DWORD dwLineID[2];  // board model 1, model 2
  int nControls;
  int nChannels;
};

const LineMapRow kLineMap[kMixerLineCount] = {
    {{0xFFFF0000, 0xFFFF0000}, 2, 2}, {{0x00000000, 0x00000000}, 2, 2}, {{0x00010000, 0x00010000}, 2, 2},
    {{0x00020000, 0x00020000}, 2, 2}, {{0x00030000, kNoLine}, 2, 1},    {{0x00040000, kNoLine}, 2, 1},
    {{0x00080000, 0x00070000}, 2, 2}, {{0x000D0000, 0x00080000}, 2, 2}, {{0x00050000, 0x00020000}, 2, 2},
    {{0x00060000, 0x00030000}, 2, 2}, {{0x00090000, 0x00050000}, 2, 2}, {{0x000A0000, kNoLine}, 2, 2},
    {{0x00070000, 0x00040000}, 3, 1}, {{0x000B0000, 0x00060000}, 2, 2}, {{0x000C0000, kNoLine}, 2, 2},
    {{0xFFFF0001, 0xFFFF0001}, 1, 1}, {{0x00000001, 0x00000001}, 1, 2}, {{0x00010001, 0x00010001}, 1, 2},
    {{0x00020001, 0x00020001}, 3, 1}, {{0x00030001, 0x00030001}, 1, 2}, {{0x00040001, kNoLine}, 1, 2},
    {{0x00050001, 0x00040001}, 1, 2}, {{0x00060001, kNoLine}, 1, 2},    {{0x00070001, 0x00050001}, 1, 2},
};

// Items of the select control, in order, and the entries they stand for.
const int kSelectEntriesModel1[] = {16, 17, 18, 19, 20, 21, 22, 23};
const int kSelectEntriesModel2[] = {16, 17, 18, 19, 21, 23};

// Unread state counts as muted, so an unreadable optical input reads as off.
const MixerLineEntry kUnsetEntry = {kNoLine,    0,          0,          0,    kBalanceCentre, 1,    kNoControl,
                                    kNoControl, kNoControl, kNoControl, true, false,          false};

bool IsKnownModel(int nModel) { return nModel == BoardModelHall7Pro || nModel == BoardModelArpeggioDeluxe; }

bool IsValidEntry(int nEntry) { return nEntry >= 0 && nEntry < kMixerLineCount; }

// part * 0x8000 / whole, rounded down, for part <= whole: long division one bit at a time, so that a driver
// reporting more than 16 bits cannot wrap around and no 64-bit helper of the compiler's runtime is needed.
DWORD ScaleToCentre(DWORD dwPart, DWORD dwWhole) {
  if (dwPart == dwWhole) return kBalanceCentre;
  DWORD dwQuotient = 0, dwRest = dwPart;
  for (int nBit = 0; nBit < 15; ++nBit) {  // 0x8000 is 2 to the 15th
    dwQuotient <<= 1;
    if (dwRest >= dwWhole - dwRest) {  // twice the rest reaches the whole, without overflowing
      dwRest -= dwWhole - dwRest;
      dwQuotient |= 1;
    } else {
      dwRest += dwRest;
    }
  }
  return dwQuotient;
}

}  // namespace

DWORD MixerBalance(DWORD dwLeft, DWORD dwRight) {
  DWORD dwBalance = kBalanceCentre;
  if (dwRight > dwLeft)
    dwBalance += ScaleToCentre(dwRight - dwLeft, dwRight);
  else if (dwLeft > 0)
    dwBalance -= ScaleToCentre(dwLeft - dwRight, dwLeft);
  return dwBalance > 0xFFFF ? 0xFFFF : dwBalance;  // all right with the left silent is 0x10000
}

CCardMixer::CCardMixer()
    : m_hMixer(nullptr), m_nBusy(0), m_bReading(false), m_nSkip(0), m_nBoardModel(CBoardInfo().GetModel()) {
  memset(&m_details, 0, sizeof m_details);
  for (MixerLineEntry& entry : m_lines) entry = kUnsetEntry;
  memset(m_abMuteRead, 0, sizeof m_abMuteRead);
}

CCardMixer::~CCardMixer() {
  if (m_hMixer) m_winmm.pfnClose(m_hMixer);
}

bool CCardMixer::Open(HWND hNotifyWnd) {
  if (!m_winmm.Load()) return false;
  const UINT nDevices = m_winmm.pfnGetNumDevs();
  if (nDevices == 0) return false;

  const char* pszName = IsKnownModel(m_nBoardModel) ? kDeviceNames[m_nBoardModel] : nullptr;
  const size_t cchName = pszName ? strlen(pszName) : 0;
  bool bFound = false;
  UINT uDevice = 0;
  for (UINT id = 0; id < nDevices; ++id) {
    MIXERCAPSA caps;
    memset(&caps, 0, sizeof caps);
    if (m_winmm.pfnGetDevCaps(id, &caps, sizeof caps) != MMSYSERR_NOERROR || !pszName) continue;
    // Whole, case-sensitive name; the driver's name field need not be terminated.
    const void* pEnd = memchr(caps.szPname, 0, MAXPNAMELEN);
    const size_t cchPname = pEnd ? static_cast<const char*>(pEnd) - caps.szPname : MAXPNAMELEN;
    if (cchPname == cchName && memcmp(caps.szPname, pszName, cchName) == 0) {
      uDevice = id;  // the highest matching ID wins
      bFound = true;
    }
  }
  if (!bFound) return false;

  HMIXER hMixer = nullptr;
  const DWORD_PTR dwCallback = reinterpret_cast<DWORD_PTR>(hNotifyWnd);
  if (m_winmm.pfnOpen(&hMixer, uDevice, dwCallback, 0, hNotifyWnd ? CALLBACK_WINDOW : 0) != MMSYSERR_NOERROR)
    return false;
  if (m_hMixer) m_winmm.pfnClose(m_hMixer);
  m_hMixer = hMixer;

  m_details.cbStruct = sizeof m_details;
  m_details.cMultipleItems = 0;
  memset(m_abMuteRead, 0, sizeof m_abMuteRead);
  for (int i = 0; i < kMixerLineCount; ++i) {
    MixerLineEntry& entry = m_lines[i];
    entry = kUnsetEntry;
    entry.dwLineID = kLineMap[i].dwLineID[m_nBoardModel - 1];
    entry.nControls = kLineMap[i].nControls;
    entry.nChannels = kLineMap[i].nChannels;
    if (entry.dwLineID != kNoLine) MapLineControls(entry, i == kSelectEntry);
  }
  return true;
}

void CCardMixer::MapLineControls(MixerLineEntry& entry, bool bSelectLine) {
  MIXERCONTROLA controls[kMaxLineControls];
  memset(controls, 0, sizeof controls);
  MIXERLINECONTROLSA query;
  memset(&query, 0, sizeof query);
  query.cbStruct = sizeof query;
  query.dwLineID = entry.dwLineID;
  query.cControls = static_cast<DWORD>(entry.nControls);
  query.cbmxctrl = sizeof controls[0];
  query.pamxctrl = controls;
  // A line we cannot list keeps no control IDs rather than another line's.
  if (m_winmm.pfnGetLineControls(reinterpret_cast<HMIXEROBJ>(m_hMixer), &query, MIXER_GETLINECONTROLSF_ALL) !=
      MMSYSERR_NOERROR)
    return;
  if (bSelectLine) {
    entry.dwSelectCtrl = controls[0].dwControlID;
    return;
  }
  for (int k = 0; k < entry.nControls; ++k) {
    switch (controls[k].dwControlType) {
      case MIXERCONTROL_CONTROLTYPE_VOLUME:
        entry.dwVolumeCtrl = controls[k].dwControlID;
        break;
      case MIXERCONTROL_CONTROLTYPE_MUTE:
        entry.dwMuteCtrl = controls[k].dwControlID;
        break;
      case MIXERCONTROL_CONTROLTYPE_ONOFF:
      case MIXERCONTROL_CONTROLTYPE_LOUDNESS:
        entry.dwSwitchCtrl = controls[k].dwControlID;
        break;
    }
  }
}

// Without an open handle no call is made: winmm would take a null handle for device 0.
bool CCardMixer::ReadControl(DWORD dwControlID, int nChannels, DWORD nItems, DWORD* pValues) {
  if (!m_hMixer || dwControlID == kNoControl) return false;
  m_details.dwControlID = dwControlID;
  m_details.cChannels = static_cast<DWORD>(nChannels);
  m_details.cMultipleItems = nItems;
  m_details.cbDetails = sizeof(DWORD);
  m_details.paDetails = pValues;
  return m_winmm.pfnGetControlDetails(reinterpret_cast<HMIXEROBJ>(m_hMixer), &m_details,
                                      MIXER_GETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
}

bool CCardMixer::WriteControl(DWORD dwControlID, LONG fValue) {
  if (!m_hMixer || dwControlID == kNoControl) return false;
  MIXERCONTROLDETAILS_BOOLEAN value = {fValue};
  m_details.dwControlID = dwControlID;
  m_details.cChannels = 1;
  m_details.cMultipleItems = 0;
  m_details.cbDetails = sizeof value;
  m_details.paDetails = &value;
  return m_winmm.pfnSetControlDetails(reinterpret_cast<HMIXEROBJ>(m_hMixer), &m_details,
                                      MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
}

bool CCardMixer::Refresh(int bFromNotify) {
  if (m_nSkip > 0 && bFromNotify == 1) {
    --m_nSkip;
    return false;
  }
  assert(m_nBusy == 0);  // one thread: a mute call never overlaps a read
  m_bReading = true;

  for (int i = 0; i < kMixerLineCount; ++i) {
    MixerLineEntry& entry = m_lines[i];
    entry.bSelected = false;
    if (i == kSelectEntry || entry.dwLineID == kNoLine) continue;
    DWORD values[2] = {0, 0};
    if (!ReadControl(entry.dwVolumeCtrl, entry.nChannels, 0, values)) continue;
    entry.dwLeft = values[0];
    entry.dwBalance = kBalanceCentre;
    if (entry.nChannels == 2) {
      entry.dwRight = values[1];
      entry.dwBalance = MixerBalance(values[0], values[1]);
    }
  }

  for (int i = 0; i <= kLastMuteEntry; ++i) {
    MixerLineEntry& entry = m_lines[i];
    DWORD value = 0;
    m_abMuteRead[i] = entry.dwLineID != kNoLine && ReadControl(entry.dwMuteCtrl, 1, 0, &value);
    if (m_abMuteRead[i]) entry.bMuted = value == 1;
  }

  const int nModel = CBoardInfo().GetModel();
  const int* pSelectEntries = nModel == BoardModelHall7Pro         ? kSelectEntriesModel1
                              : nModel == BoardModelArpeggioDeluxe ? kSelectEntriesModel2
                                                                   : nullptr;
  const DWORD nItems = nModel == BoardModelHall7Pro ? 8 : 6;
  DWORD items[kMaxSelectItems] = {0};
  if (pSelectEntries && ReadControl(m_lines[kSelectEntry].dwSelectCtrl, 1, nItems, items))
    for (DWORD k = 0; k < nItems; ++k)
      if (items[k]) m_lines[pSelectEntries[k]].bSelected = true;

  DWORD switchValue = 0;
  if (ReadControl(m_lines[kSwitchEntry].dwSwitchCtrl, 1, 0, &switchValue))
    m_lines[kLoudnessEntry].bSwitchOn = m_lines[kSwitchEntry].bSwitchOn = switchValue == 1;

  m_bReading = false;
  return true;
}

bool CCardMixer::GetMute(int nEntry) {
  if (!IsValidEntry(nEntry)) return true;
  assert(!m_bReading);
  ++m_nBusy;
  const bool bMuted = m_lines[nEntry].bMuted;
  --m_nBusy;
  return bMuted;
}

bool CCardMixer::IsMuteRead(int nEntry) const { return IsValidEntry(nEntry) && m_abMuteRead[nEntry]; }

bool CCardMixer::SetMute(int nEntry, bool bMute) {
  if (!IsValidEntry(nEntry)) return false;
  assert(!m_bReading);
  ++m_nSkip;
  ++m_nBusy;
  m_lines[nEntry].bMuted = bMute;
  const bool bWritten = WriteControl(m_lines[nEntry].dwMuteCtrl, bMute ? 1 : 0);
  --m_nBusy;
  return bWritten;
}
