// hostwin32/src/mixermodel.cpp: mixer devices, lines and controls in memory, with winmm's call rules.
#include <hostwin32/mixermodel.h>

#include <string.h>

namespace mixermodel {
namespace {

const UINT_PTR kHandleBase = 0xC000;  // handles never collide with small device IDs

// What a board's line carries, by the controls its driver presents.
enum LineKind { Plain, Switched, Loud, Select, Source, SourceSwitched };

struct LineDef {
  DWORD dwLineID;
  LineKind kind;
};

Control MakeControl(DWORD id, DWORD type, DWORD channels, DWORD items, DWORD value) {
  Control c{id, type, channels, items, {}};
  c.values.assign(channels * (items ? items : 1), value);
  return c;
}

Device MakeDevice(const char* name, const LineDef* defs, size_t count, DWORD selectItems) {
  Device dev{name, {}};
  DWORD id = 1;
  for (size_t i = 0; i < count; ++i) {
    Line line{defs[i].dwLineID, {}};
    const LineKind kind = defs[i].kind;
    if (kind == Select) {
      line.controls.push_back(MakeControl(id++, MIXERCONTROL_CONTROLTYPE_MUX, 1, selectItems, 0));
      line.controls.back().values[0] = 1;
    } else {
      line.controls.push_back(MakeControl(id++, MIXERCONTROL_CONTROLTYPE_VOLUME, 2, 0, 0xC000));
      if (kind != Source) line.controls.push_back(MakeControl(id++, MIXERCONTROL_CONTROLTYPE_MUTE, 1, 0, 0));
      if (kind == Loud) line.controls.push_back(MakeControl(id++, MIXERCONTROL_CONTROLTYPE_LOUDNESS, 1, 0, 0));
      if (kind == SourceSwitched) line.controls.push_back(MakeControl(id++, MIXERCONTROL_CONTROLTYPE_ONOFF, 1, 0, 0));
    }
    dev.lines.push_back(line);
  }
  return dev;
}

}  // namespace

Device ArpeggioDeluxe() {
  static const LineDef defs[] = {
      {0xFFFF0000, Plain},  {0x00000000, Plain},           {0x00010000, Plain},  {0x00020000, Plain},
      {0x00070000, Plain},  {kArpeggioOpticalLine, Plain}, {0x00030000, Plain},  {0x00050000, Plain},
      {0x00040000, Loud},   {0x00060000, Plain},           {0xFFFF0001, Select}, {0x00000001, Source},
      {0x00010001, Source}, {0x00020001, SourceSwitched},  {0x00030001, Source}, {0x00040001, Source},
      {0x00050001, Source},
  };
  return MakeDevice("Audioscape Arpeggio Deluxe", defs, sizeof defs / sizeof defs[0], 6);
}

Device SonorityHall7Pro() {
  static const LineDef defs[] = {
      {0xFFFF0000, Plain},  {0x00000000, Plain},  {0x00010000, Plain},          {0x00020000, Plain},
      {0x00030000, Plain},  {0x00040000, Plain},  {0x00080000, Plain},          {kHall7OpticalLine, Plain},
      {0x00050000, Plain},  {0x00060000, Plain},  {0x00090000, Plain},          {0x000A0000, Plain},
      {0x00070000, Loud},   {0x000B0000, Plain},  {0x000C0000, Plain},          {0xFFFF0001, Select},
      {0x00000001, Source}, {0x00010001, Source}, {0x00020001, SourceSwitched}, {0x00030001, Source},
      {0x00040001, Source}, {0x00050001, Source}, {0x00060001, Source},         {0x00070001, Source},
  };
  return MakeDevice("Sonority Hall 7 Pro", defs, sizeof defs / sizeof defs[0], 8);
}

UINT Mixer::GetNumDevs() const { return static_cast<UINT>(devices.size()); }

MMRESULT Mixer::GetDevCaps(UINT_PTR uMxId, LPMIXERCAPSA pCaps, UINT cbCaps) const {
  if (uMxId >= devices.size()) return MMSYSERR_BADDEVICEID;
  if (!pCaps || cbCaps < sizeof(MIXERCAPSA)) return MMSYSERR_INVALPARAM;
  memset(pCaps, 0, sizeof *pCaps);
  strncpy(pCaps->szPname, devices[uMxId].name.c_str(), MAXPNAMELEN - 1);
  pCaps->cDestinations = 2;
  return MMSYSERR_NOERROR;
}

MMRESULT Mixer::Open(LPHMIXER phmx, UINT uMxId, DWORD fdwOpen) {
  if (!phmx) return MMSYSERR_INVALPARAM;
  if (uMxId >= devices.size()) return MMSYSERR_BADDEVICEID;
  if (fdwOpen & ~static_cast<DWORD>(CALLBACK_WINDOW)) return MMSYSERR_INVALFLAG;
  size_t slot = 0;
  while (slot < m_open.size() && m_open[slot] >= 0) ++slot;
  if (slot == m_open.size()) m_open.push_back(-1);
  m_open[slot] = static_cast<int>(uMxId);
  *phmx = reinterpret_cast<HMIXER>(kHandleBase + slot);
  return MMSYSERR_NOERROR;
}

MMRESULT Mixer::Close(HMIXER hmx) {
  const UINT_PTR slot = reinterpret_cast<UINT_PTR>(hmx) - kHandleBase;
  if (slot >= m_open.size() || m_open[slot] < 0) return MMSYSERR_INVALHANDLE;
  m_open[slot] = -1;
  return MMSYSERR_NOERROR;
}

size_t Mixer::OpenHandleCount() const {
  size_t n = 0;
  for (int dev : m_open) n += dev >= 0;
  return n;
}

// As winmm does: without a handle flag a small value names a device, anything else an open handle.
Device* Mixer::Resolve(HMIXEROBJ hobj, DWORD fdw) {
  const UINT_PTR value = reinterpret_cast<UINT_PTR>(hobj);
  if (!(fdw & MIXER_OBJECTF_HANDLE) && value < devices.size()) return &devices[value];
  const UINT_PTR slot = value - kHandleBase;
  if (slot >= m_open.size() || m_open[slot] < 0) return nullptr;
  return &devices[static_cast<size_t>(m_open[slot])];
}

Control* Mixer::FindControl(size_t nDevice, DWORD dwControlID) {
  if (nDevice >= devices.size()) return nullptr;
  for (Line& line : devices[nDevice].lines)
    for (Control& c : line.controls)
      if (c.dwControlID == dwControlID) return &c;
  return nullptr;
}

Control* Mixer::FindLineControl(size_t nDevice, DWORD dwLineID, DWORD dwControlType) {
  if (nDevice >= devices.size()) return nullptr;
  for (Line& line : devices[nDevice].lines)
    if (line.dwLineID == dwLineID)
      for (Control& c : line.controls)
        if (c.dwControlType == dwControlType) return &c;
  return nullptr;
}

MMRESULT Mixer::GetLineControls(HMIXEROBJ hobj, LPMIXERLINECONTROLSA pmxlc, DWORD fdwControls) {
  Device* dev = Resolve(hobj, fdwControls);
  if (!dev) return MMSYSERR_INVALHANDLE;
  if ((fdwControls & 0x0000000F) != MIXER_GETLINECONTROLSF_ALL) return MMSYSERR_INVALFLAG;
  if (!pmxlc || pmxlc->cbStruct < sizeof(MIXERLINECONTROLSA) || pmxlc->cbmxctrl < sizeof(MIXERCONTROLA) ||
      !pmxlc->pamxctrl)
    return MMSYSERR_INVALPARAM;
  for (const Line& line : dev->lines) {
    if (line.dwLineID != pmxlc->dwLineID) continue;
    // winmm insists on the line's exact control count for an "all controls" query.
    if (pmxlc->cControls != line.controls.size()) return MMSYSERR_INVALPARAM;
    BYTE* out = reinterpret_cast<BYTE*>(pmxlc->pamxctrl);
    for (const Control& c : line.controls) {
      MIXERCONTROLA mc;
      memset(&mc, 0, sizeof mc);
      mc.cbStruct = sizeof mc;
      mc.dwControlID = c.dwControlID;
      mc.dwControlType = c.dwControlType;
      mc.cMultipleItems = c.cMultipleItems;
      if (c.cMultipleItems) mc.fdwControl = MIXERCONTROL_CONTROLF_MULTIPLE;
      if (c.cChannels == 1) mc.fdwControl |= MIXERCONTROL_CONTROLF_UNIFORM;
      mc.Bounds.dwMaximum = c.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME ? 0xFFFF : 1;
      memcpy(out, &mc, sizeof mc);
      out += pmxlc->cbmxctrl;
    }
    return MMSYSERR_NOERROR;
  }
  return MIXERR_INVALLINE;
}

Control* Mixer::ResolveControl(HMIXEROBJ hobj, const MIXERCONTROLDETAILS* pmxcd, DWORD fdw, MMRESULT* pmmr) {
  Device* dev = Resolve(hobj, fdw);
  *pmmr = MMSYSERR_INVALHANDLE;
  if (!dev) return nullptr;
  *pmmr = MMSYSERR_INVALFLAG;
  if ((fdw & 0x0000000F) != MIXER_GETCONTROLDETAILSF_VALUE) return nullptr;
  *pmmr = MMSYSERR_INVALPARAM;
  if (!pmxcd || pmxcd->cbStruct < sizeof(MIXERCONTROLDETAILS) || pmxcd->cbDetails != sizeof(DWORD) || !pmxcd->paDetails)
    return nullptr;
  *pmmr = MIXERR_INVALCONTROL;
  for (Line& line : dev->lines)
    for (Control& c : line.controls)
      if (c.dwControlID == pmxcd->dwControlID) {
        *pmmr = MMSYSERR_INVALPARAM;
        if (pmxcd->cChannels != 1 && pmxcd->cChannels != c.cChannels) return nullptr;
        if (pmxcd->cMultipleItems != c.cMultipleItems) return nullptr;
        *pmmr = MMSYSERR_NOERROR;
        return &c;
      }
  return nullptr;
}

MMRESULT Mixer::GetControlDetails(HMIXEROBJ hobj, LPMIXERCONTROLDETAILS pmxcd, DWORD fdwDetails) {
  MMRESULT mmr;
  const Control* c = ResolveControl(hobj, pmxcd, fdwDetails, &mmr);
  if (!c) return mmr;
  const DWORD items = c->cMultipleItems ? c->cMultipleItems : 1;
  DWORD* out = static_cast<DWORD*>(pmxcd->paDetails);
  // One requested channel reads the control as uniform: the first channel's values.
  for (DWORD ch = 0; ch < pmxcd->cChannels; ++ch)
    for (DWORD item = 0; item < items; ++item) out[ch * items + item] = c->values[ch * items + item];
  return MMSYSERR_NOERROR;
}

MMRESULT Mixer::SetControlDetails(HMIXEROBJ hobj, LPMIXERCONTROLDETAILS pmxcd, DWORD fdwDetails) {
  MMRESULT mmr;
  Control* c = ResolveControl(hobj, pmxcd, fdwDetails, &mmr);
  if (!c) return mmr;
  const DWORD items = c->cMultipleItems ? c->cMultipleItems : 1;
  const DWORD* in = static_cast<const DWORD*>(pmxcd->paDetails);
  // One given channel sets every channel alike.
  for (DWORD ch = 0; ch < c->cChannels; ++ch)
    for (DWORD item = 0; item < items; ++item)
      c->values[ch * items + item] = in[(pmxcd->cChannels == 1 ? 0 : ch) * items + item];
  return MMSYSERR_NOERROR;
}

}  // namespace mixermodel
