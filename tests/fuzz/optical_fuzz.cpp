// tests/fuzz/optical_fuzz.cpp: libFuzzer over optswitch's command line and arbitrary registry contents.
// Input: family selector, key/card flags, five values (length 0-64 or missing, any type), then the argument string.
#include <stdlib.h>
#include <string.h>

#include <hostwin32/testhost.h>

#include <string>
#include <vector>

#include "backuppass.h"
#include "opticalregistry.h"
#include "switchpass.h"
#include "toolexit.h"

namespace {

struct Reader {
  const uint8_t* p;
  size_t n;
  uint8_t Byte() { return n ? (--n, *p++) : 0; }
};

struct Slot {
  const char* key;
  const char* name;
};

std::vector<BYTE> Get(const Slot& s, bool* pExists) {
  hostwin32::RegValue v;
  *pExists = hostwin32::GetValue(s.key, s.name, &v);
  return *pExists ? v.data : std::vector<BYTE>();
}

void Check(bool ok) {
  if (!ok) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader in{data, size};
  hostwin32::Reset();
  const uint8_t familySel = in.Byte();
  const DWORD family = familySel % 3 == 0   ? VER_PLATFORM_WIN32_NT
                       : familySel % 3 == 1 ? VER_PLATFORM_WIN32_WINDOWS
                                            : familySel / 3;
  hostwin32::SetPlatformId(family);
  const uint8_t flags = in.Byte();
  if (flags & 1) hostwin32::CreateKey(kDriverServiceKey);
  if (flags & 2) hostwin32::CreateKey(kControlPanelKey);
  if (flags & 4) hostwin32::Mixer().devices.push_back(mixermodel::ArpeggioDeluxe());
  if (flags & 8) hostwin32::Mixer().devices.push_back(mixermodel::ArpeggioDeluxe());

  const bool b9x = family == VER_PLATFORM_WIN32_WINDOWS;
  const Slot slots[] = {
      {kDriverServiceKey, kValueEnableInput},
      {b9x ? kControlPanelKey : kDriverServiceKey, b9x ? kValueSourceSelection : kValueOutputSource},
      {kDriverServiceKey, kValueEnableOutput},
      {kPatchKey, kValueSavedInput},
      {kPatchKey, kValueSavedOutput},
  };
  for (const Slot& s : slots) {
    const uint8_t len = in.Byte();
    const uint8_t type = in.Byte();
    if (len == 0xFF) continue;  // missing
    std::vector<BYTE> bytes(len % 65);
    for (BYTE& b : bytes) b = in.Byte();
    if ((s.key == kDriverServiceKey && !(flags & 1)) || (s.key == kControlPanelKey && !(flags & 2))) continue;
    hostwin32::SetValue(s.key, s.name, type, bytes);
  }
  std::string commandLine(reinterpret_cast<const char*>(in.p), in.n);
  commandLine = commandLine.substr(0, strnlen(commandLine.c_str(), commandLine.size()));

  bool savedExisted[2];
  const std::vector<BYTE> savedBefore[2] = {Get(slots[3], &savedExisted[0]), Get(slots[4], &savedExisted[1])};

  const int nExit = RunOptSwitch(commandLine.c_str());
  Check(nExit == kExitDone || nExit == kExitFailed);
  Check(hostwin32::OpenKeyCount() == 0 && hostwin32::LoadedLibraryCount() == 0);

  const SwitchRequest request = ParseSwitchRequest(ArgumentString(commandLine.c_str()));
  const bool disabled[2] = {request.bDisableInput, request.bDisableOutput};
  const bool supported = family == VER_PLATFORM_WIN32_NT || b9x;
  for (int d = b9x ? 1 : 0; supported && d < 2; ++d) {
    const BYTE offByte = b9x ? 0xFF : 0x00;
    const auto isOn = [&](const std::vector<BYTE>& v) { return !v.empty() && v[0] != 0 && v[0] != offByte; };
    bool exists;
    const std::vector<BYTE> now = Get(slots[d], &exists);
    if (nExit == kExitDone) {
      const std::vector<BYTE> off = {offByte, 0, 0, 0};
      Check(disabled[d] ? now == off : isOn(now));
    }
    // A backup we changed holds an on-value.
    const std::vector<BYTE> saved = Get(slots[3 + d], &exists);
    if (exists && (!savedExisted[d] || saved != savedBefore[d])) Check(isOn(saved) && saved.size() == 4);
  }

  const int nBackupExit = RunOptBackup();
  Check(nBackupExit == kExitDone || nBackupExit == kExitFailed);
  Check(hostwin32::OpenKeyCount() == 0);
  return 0;
}
