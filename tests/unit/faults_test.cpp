// tests/unit/faults_test.cpp: every registry and mixer call failing in turn, in every tool pass.
// A pass that reports success must have done exactly what it does without faults; whatever it
// reports, no backup holds an off value and no driver value holds anything but an expected pattern.
#include <algorithm>
#include <map>

#include "backuppass.h"
#include "hostfixture.h"
#include "switchpass.h"
#include "toolexit.h"

namespace {

struct Scenario {
  const char* name;
  DWORD family;
  const char* commandLine;  // null: optbackup
};

const Scenario kScenarios[] = {
    {"nt both", 2, "optswitch.exe BOTH"}, {"nt restore", 2, "optswitch.exe"}, {"nt in", 2, "optswitch.exe IN"},
    {"nt out", 2, "optswitch.exe OUT"},   {"95 both", 1, "optswitch.exe B"},  {"95 restore", 1, "optswitch.exe"},
    {"95 in", 1, "optswitch.exe I"},      {"95 out", 1, "optswitch.exe O"},   {"nt backup tool", 2, nullptr},
    {"95 backup tool", 1, nullptr},
};

// Version queries that fail read as an unsupported family, which has its own tests.
const char* const kFaultable[] = {
    "RegOpenKeyExA",         "RegCreateKeyA",           "RegQueryValueExA",       "RegSetValueExA",   "RegCloseKey",
    "LoadLibraryA",          "GetProcAddress",          "mixerGetNumDevs",        "mixerGetDevCapsA", "mixerOpen",
    "mixerGetLineControlsA", "mixerGetControlDetailsA", "mixerSetControlDetails", "mixerClose",
};

const Bytes kInputOn = {0x02, 0x11, 0x12, 0x13, 0x14};
const Bytes kOutputOn = {0x03, 0x21};
const Bytes kSavedIn = {0x05, 0x31, 0x32, 0x33};
const Bytes kSavedOut = {0x06, 0x41, 0x42, 0x43};

using Snapshot = std::map<std::string, Bytes>;

class FaultTest : public HostTest {
 protected:
  // One direction on, the other off with a backup, so both disable and restore have work to do.
  static void Seed(DWORD family) {
    hostwin32::Reset();
    if (family == VER_PLATFORM_WIN32_NT) {
      InstallNtDriver(kInputOn, {0, 0, 0, 0});
      hostwin32::SetValue(kDriverServiceKey, kValueEnableOutput, REG_BINARY, {1, 0, 0, 0});
      hostwin32::SetValue(kPatchKey, kValueSavedOutput, REG_BINARY, kSavedOut);
    } else {
      Install9xDriver(true, kOutputOn);
    }
    hostwin32::SetValue(kPatchKey, kValueSavedInput, REG_BINARY, kSavedIn);
    if (family == VER_PLATFORM_WIN32_WINDOWS) hostwin32::SetValue(kPatchKey, kValueSavedOutput, REG_BINARY, kSavedOut);
    hostwin32::ClearCalls();
  }
  static int RunScenario(const Scenario& s) { return s.commandLine ? RunOptSwitch(s.commandLine) : RunOptBackup(); }

  static Snapshot Take() {
    Snapshot snap;
    for (const char* name : {kValueEnableInput, kValueOutputSource, kValueEnableOutput})
      snap[name] = Value(kDriverServiceKey, name);
    snap[kValueSourceSelection] = Value(kControlPanelKey, kValueSourceSelection);
    for (const char* name : {kValueSavedInput, kValueSavedOutput, kValueStateInput, kValueStateOutput})
      snap[name] = Value(kPatchKey, name);
    snap["mute"] = hostwin32::Mixer().devices.empty() ? Bytes() : Bytes{static_cast<BYTE>(IsOpticalMuted())};
    return snap;
  }

  static void ExpectSafe(DWORD family, const Snapshot& snap) {
    const bool b9x = family == VER_PLATFORM_WIN32_WINDOWS;
    const Bytes savedIn = snap.at(kValueSavedInput), savedOut = snap.at(kValueSavedOutput);
    EXPECT_NE(0, savedIn[0]);
    EXPECT_NE(0, savedOut[0]);
    if (b9x) EXPECT_NE(0xFF, savedOut[0]);
    const auto first4 = [](const Bytes& b) {
      Bytes r(b.begin(), b.begin() + std::min<size_t>(4, b.size()));
      r.resize(4, 0);
      return r;
    };
    // The seed, its first four bytes, the off pattern, a saved on-value or the default: nothing else.
    const std::vector<Bytes> allowed = {kInputOn,        first4(kInputOn), kOutputOn, first4(kOutputOn), {0, 0, 0, 0},
                                        {0xFF, 0, 0, 0}, kSavedOut,        kSavedIn,  {1, 0, 0, 0}};
    for (const char* name : {kValueEnableInput, kValueOutputSource, kValueSourceSelection}) {
      const Bytes& v = snap.at(name);
      if (v == Missing()) continue;
      EXPECT_NE(allowed.end(), std::find(allowed.begin(), allowed.end(), v)) << name << testing::PrintToString(v);
    }
    if (!b9x) EXPECT_NE(Bytes({0xFF, 0, 0, 0}), snap.at(kValueEnableInput));
  }
};

TEST_F(FaultTest, EveryCallFailingInTurn) {
  int nRuns = 0;
  for (const Scenario& s : kScenarios) {
    Seed(s.family);
    ASSERT_EQ(kExitDone, RunScenario(s)) << s.name;
    const Snapshot clean = Take();
    std::map<std::string, size_t> counts;
    for (const char* f : kFaultable) counts[f] = hostwin32::CountCalls(f);

    for (const char* f : kFaultable)
      for (size_t nth = 1; nth <= counts[f]; ++nth) {
        SCOPED_TRACE(std::string(s.name) + ": " + f + " #" + std::to_string(nth));
        Seed(s.family);
        hostwin32::FailCall(f, static_cast<int>(nth), ERROR_ACCESS_DENIED);
        const int nExit = RunScenario(s);
        const Snapshot after = Take();
        ExpectSafe(s.family, after);
        if (nExit == kExitDone) EXPECT_EQ(clean, after) << "success reported for a different result";
        if (std::string(f) != "RegCloseKey") EXPECT_EQ(0u, hostwin32::OpenKeyCount());
        ++nRuns;
      }
  }
  EXPECT_GT(nRuns, 300);
  printf("[faults] %d faulted runs\n", nRuns);
}

}  // namespace
