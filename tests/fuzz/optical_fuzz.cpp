// tests/fuzz/optical_fuzz.cpp: libFuzzer over optswitch's command line, arbitrary registry contents and a failing call.
// Input: family selector, key/card flags, fault selector, seven values (length 0-64 or missing, any type), then the
// command line. optstatus reads it all first and changes nothing; optswitch runs with the command line, then once
// more restoring both, then optbackup runs.
#include <stdlib.h>
#include <string.h>

#include <hostwin32/testhost.h>

#include <string>
#include <vector>

#include "backuppass.h"
#include "onvaluepromise.h"
#include "opticalregistry.h"
#include "statuspass.h"
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

// A run closes what it opens, and on the 95 family the key a failed close left open: its handle is shared.
bool ClosedWhatItOpened(size_t nOpenBefore, bool b9x) {
  return b9x ? hostwin32::OpenKeyCount() <= nOpenBefore : hostwin32::OpenKeyCount() == nOpenBefore;
}

// What optswitch should do, from the rule alone: the first character after the program name (quoted, or up to
// a code of 32 or less) and the blanks after it (codes 1 to 32); "B", "I" and "O" exactly.
void Asked(const std::string& commandLine, bool abDisable[2]) {
  size_t i = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    const size_t close = commandLine.find('"', 1);
    i = close == std::string::npos ? commandLine.size() : close + 1;
  } else {
    while (i < commandLine.size() && static_cast<unsigned char>(commandLine[i]) > 32) ++i;
  }
  while (i < commandLine.size() && static_cast<unsigned char>(commandLine[i]) <= 32) ++i;  // no zero byte in it
  const char ch = i < commandLine.size() ? commandLine[i] : '\0';
  abDisable[0] = ch == 'B' || ch == 'I';
  abDisable[1] = ch == 'B' || ch == 'O';
}

const char* const kFaultable[] = {"RegOpenKeyExA",  "RegCreateKeyA",         "RegQueryValueExA",
                                  "RegSetValueExA", "RegCloseKey",           "LoadLibraryA",
                                  "mixerOpen",      "mixerGetLineControlsA", "mixerSetControlDetails"};

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
  const uint8_t faultSel = in.Byte();

  const bool b9x = family == VER_PLATFORM_WIN32_WINDOWS;
  const Slot slots[] = {
      {kDriverServiceKey, kValueEnableInput},
      {b9x ? kControlPanelKey : kDriverServiceKey, b9x ? kValueSourceSelection : kValueOutputSource},
      {kDriverServiceKey, kValueEnableOutput},
      {kPatchKey, kValueSavedInput},
      {kPatchKey, kValueSavedOutput},
      {kPatchKey, kValueStateInput},
      {kPatchKey, kValueStateOutput},
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

  // optstatus on whatever is there: it writes nothing, and its lines say what kept it from exiting with 0.
  {
    const size_t nOpenKeys = hostwin32::OpenKeyCount();
    hostwin32::ClearCalls();
    const int nExit = RunOptStatus("optstatus.exe");
    for (const char* writer : {"RegCreateKeyA", "RegSetValueExA", "mixerSetControlDetails"})
      Check(hostwin32::CountCalls(writer) == 0);
    Check(hostwin32::OpenKeyCount() == nOpenKeys && hostwin32::LoadedLibraryCount() == 0);
    const std::string& report = hostwin32::ConsoleOutput();
    for (size_t at = 0; at < report.size();) {
      const size_t end = report.find("\r\n", at), colon = report.find(": ", at);
      Check(end != std::string::npos && colon != std::string::npos && colon < end && colon + 2 < end);
      for (size_t i = at; i < end; ++i) Check(report[i] >= 0x20 && report[i] < 0x7F);
      at = end + 2;
    }
    const bool bNamed = report.find("not read") != std::string::npos || report.find(": not installed") != std::string::npos;
    Check(!report.empty() && (nExit == kExitDone) == !bNamed);
  }
  commandLine = commandLine.substr(0, strnlen(commandLine.c_str(), commandLine.size()));

  std::vector<OnValuePromise> promises = OnValuePromise::ForFamily(family);
  // Whatever a run reports, the newest on-value stays in the driver or the backup, and a backup the run
  // changed holds an on-value; a run that reports success did what its command line asks.
  const auto run = [&](const std::string& line, bool bFault) {
    bool savedExisted[2];
    const std::vector<BYTE> savedBefore[2] = {Get(slots[3], &savedExisted[0]), Get(slots[4], &savedExisted[1])};
    const size_t nFaultable = sizeof kFaultable / sizeof kFaultable[0];
    const char* pszFault = bFault && faultSel ? kFaultable[faultSel % nFaultable] : nullptr;
    if (pszFault) hostwin32::FailCall(pszFault, 1 + faultSel / nFaultable, ERROR_ACCESS_DENIED);
    const size_t nOpenKeys = hostwin32::OpenKeyCount();
    const int nExit = RunOptSwitch(line.c_str());
    hostwin32::ClearFaults();
    Check(nExit == kExitDone || nExit == kExitFailed);
    Check(hostwin32::LoadedLibraryCount() == 0);
    Check(ClosedWhatItOpened(nOpenKeys, b9x) || (pszFault && strcmp(pszFault, "RegCloseKey") == 0));
    bool disabled[2];
    Asked(line, disabled);
    for (OnValuePromise& p : promises) {
      const int d = p.Direction();
      bool exists;
      const std::vector<BYTE> now = p.Now(), saved = Get(slots[3 + d], &exists);
      if (nExit == kExitDone) Check(disabled[d] ? now == p.OffValue() : p.IsOn(now));
      if (exists && (!savedExisted[d] || saved != savedBefore[d])) Check(p.IsOn(saved) && saved.size() == 4);
      Check(p.Kept(nExit == kExitDone));
    }
  };
  run(commandLine, true);
  run("optswitch.exe", false);

  const size_t nOpenKeys = hostwin32::OpenKeyCount();  // not all closed if closing failed
  const int nBackupExit = RunOptBackup("optbackup.exe");
  Check(nBackupExit == kExitDone || nBackupExit == kExitFailed);
  Check(ClosedWhatItOpened(nOpenKeys, b9x));
  return 0;
}
