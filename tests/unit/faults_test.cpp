// tests/unit/faults_test.cpp: every registry, mixer and output call failing in turn in every tool pass, and the runs
// after. A failed call the pass needed is reported; any other leaves what a clean run leaves, reported as done.
// After every run, each direction's newest on-value is still in the driver or in its backup.
#include <map>

#include "backuppass.h"
#include "hostfixture.h"
#include "onvaluepromise.h"
#include "statuspass.h"
#include "switchpass.h"
#include "toolexit.h"

namespace {

enum Machine { NtInputOn, NtBothOff, Win9xOutputOn, Win9xOutputOff };

struct Scenario {
  const char* name;
  Machine machine;
  const char* commandLine;  // its program names the pass
};

const Scenario kScenarios[] = {
    {"nt both", NtInputOn, "optswitch.exe BOTH"},
    {"nt restore", NtInputOn, "optswitch.exe"},
    {"nt in", NtInputOn, "optswitch.exe IN"},
    {"nt out", NtInputOn, "optswitch.exe OUT"},
    {"nt backup tool", NtInputOn, "optbackup.exe"},
    {"nt status", NtInputOn, "optstatus.exe"},
    {"nt status, all off", NtBothOff, "optstatus.exe"},
    {"nt both, all off", NtBothOff, "optswitch.exe B"},
    {"nt restore, all off", NtBothOff, "optswitch.exe"},
    {"95 both", Win9xOutputOn, "optswitch.exe B"},
    {"95 restore", Win9xOutputOn, "optswitch.exe"},
    {"95 in", Win9xOutputOn, "optswitch.exe I"},
    {"95 out", Win9xOutputOn, "optswitch.exe O"},
    {"95 backup tool", Win9xOutputOn, "optbackup.exe"},
    {"95 status", Win9xOutputOn, "optstatus.exe"},
    {"95 status, output off", Win9xOutputOff, "optstatus.exe"},
    {"95 restore, output off", Win9xOutputOff, "optswitch.exe"},
};

// What runs after a fault: each kind of run once; a restore then ends the sequence.
const char* const kNextRuns[] = {"optswitch.exe", "optswitch.exe BOTH", "optswitch.exe IN", "optswitch.exe OUT",
                                 "optbackup.exe"};

// Longer than the capacities they are read with: their first bytes take the longer way.
const Bytes kInputOn = {0x02, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B};
const Bytes kSavedOut = {0x06, 0x41, 0x42, 0x43, 0x44, 0x45};
const Bytes kOutputOn = {0x03, 0x21};
const Bytes kSavedIn = {0x05, 0x31, 0x32, 0x33};

using Snapshot = std::map<std::string, Bytes>;

bool IsNt(Machine m) { return m == NtInputOn || m == NtBothOff; }

bool Runs(const char* commandLine, const char* program) {
  return strncmp(commandLine, program, strlen(program)) == 0;
}

// What each direction's run leaves, by the snapshot's names; the card's mute carries the 95 family's input.
const char* const kDirectionValues[2][6] = {
    {kValueEnableInput, kValueSavedInput, kValueStateInput, "mute", nullptr},
    {kValueOutputSource, kValueSourceSelection, kValueEnableOutput, kValueSavedOutput, kValueStateOutput, nullptr},
};

// The direction a failed call concerned, from what it names; -1 for one that serves both, such as a key.
int DirectionOf(const hostwin32::Call& call) {
  for (int d = 0; d < 2; ++d)
    for (const char* const* name = kDirectionValues[d]; *name; ++name)
      if (call.args.find(std::string("\"") + *name + "\"") != std::string::npos) return d;
  const bool bCard = call.function.compare(0, 5, "mixer") == 0 || call.function == "LoadLibraryA" ||
                     call.function == "GetProcAddress";
  return bCard ? 0 : -1;
}

int RunPass(const char* commandLine) {
  if (Runs(commandLine, "optbackup.exe")) return RunOptBackup(commandLine);
  if (Runs(commandLine, "optstatus.exe")) return RunOptStatus(commandLine);
  return RunOptSwitch(commandLine);
}

class FaultTest : public HostTest {
 protected:
  void Seed(Machine machine) {
    hostwin32::Reset();
    if (IsNt(machine)) {
      InstallNtDriver(machine == NtInputOn ? kInputOn : Bytes{0, 0, 0, 0}, {0, 0, 0, 0});
      hostwin32::SetValue(kDriverServiceKey, kValueEnableOutput, REG_BINARY, {1, 0, 0, 0});
    } else {
      Install9xDriver(machine == Win9xOutputOn, machine == Win9xOutputOn ? kOutputOn : Bytes{0xFF, 0, 0, 0});
    }
    hostwin32::SetValue(kPatchKey, kValueSavedInput, REG_BINARY, kSavedIn);
    hostwin32::SetValue(kPatchKey, kValueSavedOutput, REG_BINARY, kSavedOut);
    hostwin32::ClearCalls();
    m_bNt = IsNt(machine);
    m_promises = OnValuePromise::ForFamily(m_bNt ? kNtFamily : k9xFamily);
  }

  // Runs a pass with the nth call of function failing (none when function is null), then checks that the
  // user's on-values are kept and no backup holds an off value. The result tells whether the fault struck
  // and the pass needed it.
  int Run(const char* commandLine, const char* function, int nth, bool* pbNeeded = nullptr) {
    hostwin32::ClearCalls();
    if (function) hostwin32::FailCall(function, nth, ERROR_ACCESS_DENIED);
    const size_t nOpenKeys = hostwin32::OpenKeyCount();
    hostwin32::ClearConsoleOutput();
    const int nExit = RunPass(commandLine);
    hostwin32::ClearFaults();
    const hostwin32::Call* pFailed = function ? LoggedCall(function, nth) : nullptr;
    // The tools that read the input's mute need it; optswitch only writes it.
    if (pbNeeded) *pbNeeded = pFailed && IsNeeded(!Runs(commandLine, "optswitch.exe"), *pFailed);
    // A run closes what it opens, and on the 95 family the key a failed close left open: its handle is shared.
    if (!function || std::string(function) != "RegCloseKey")
      EXPECT_TRUE(m_bNt ? hostwin32::OpenKeyCount() == nOpenKeys : hostwin32::OpenKeyCount() <= nOpenKeys)
          << hostwin32::OpenKeyCount() << " keys open, " << nOpenKeys << " before";
    for (OnValuePromise& p : m_promises) {
      const Bytes newest = p.Newest();
      EXPECT_TRUE(p.Kept(nExit == kExitDone)) << p.Name() << " lost " << testing::PrintToString(newest);
      EXPECT_TRUE(p.BackupIsOnOrNone()) << p.SavedName() << " holds an off value";
    }
    return nExit;
  }

  static Snapshot Take() {
    Snapshot snap;
    for (const char* name : {kValueEnableInput, kValueOutputSource, kValueEnableOutput})
      snap[name] = Value(kDriverServiceKey, name);
    snap[kValueSourceSelection] = Value(kControlPanelKey, kValueSourceSelection);
    for (const char* name : {kValueSavedInput, kValueSavedOutput, kValueStateInput, kValueStateOutput})
      snap[name] = Value(kPatchKey, name);
    snap["mute"] = hostwin32::Mixer().devices.empty() ? Bytes() : Bytes{static_cast<BYTE>(IsOpticalMuted())};
    const std::string& console = hostwin32::ConsoleOutput();  // the last run's report
    snap["console"] = Bytes(console.begin(), console.end());
    return snap;
  }

  // How often the last run called each function.
  static std::map<std::string, int> CallCounts() {
    std::map<std::string, int> counts;
    for (const char* f : kFaultableCalls) counts[f] = static_cast<int>(hostwin32::CountCalls(f));
    return counts;
  }

  bool m_bNt = true;
  std::vector<OnValuePromise> m_promises;
};

TEST_F(FaultTest, EveryCallFailingInTurn) {
  int nRuns = 0;
  for (const Scenario& s : kScenarios) {
    Seed(s.machine);
    const Snapshot seeded = Take();
    ASSERT_EQ(kExitDone, Run(s.commandLine, nullptr, 0)) << s.name;
    const Snapshot clean = Take();
    const std::map<std::string, int> counts = CallCounts();

    for (const char* f : kFaultableCalls)
      for (int nth = 1; nth <= counts.at(f); ++nth) {
        SCOPED_TRACE(std::string(s.name) + ": " + f + " #" + std::to_string(nth));
        Seed(s.machine);
        bool bNeeded;
        const int nExit = Run(s.commandLine, f, nth, &bNeeded);
        EXPECT_EQ(bNeeded ? kExitFailed : kExitDone, nExit) << (bNeeded ? "needed" : "not needed");
        const Snapshot after = Take();
        if (nExit == kExitDone) EXPECT_EQ(clean, after) << "success reported for a different result";
        // A failure of one direction's call leaves the other done as a clean run does it.
        const int nFailedDirection = DirectionOf(*LoggedCall(f, nth));
        if (nFailedDirection >= 0)
          for (const char* const* name = kDirectionValues[1 - nFailedDirection]; *name; ++name)
            EXPECT_EQ(clean.at(*name), after.at(*name)) << *name << " not done after a fault of the other direction";
        // A report that exits with 1 names what it could not read, unless it could not be written at all.
        if (nExit == kExitFailed && Runs(s.commandLine, "optstatus.exe"))
          EXPECT_TRUE(hostwin32::ConsoleOutput().find("not read") != std::string::npos ||
                      (hostwin32::ConsoleOutput().empty() &&
                       (std::string(f) == "GetStdHandle" || std::string(f) == "WriteFile")))
              << hostwin32::ConsoleOutput();
        // Each value as it was or as a clean run leaves it; what could not be read is recorded as off.
        for (const auto& [name, value] : after)
          if (name != kValueStateInput && name != kValueStateOutput && name != "console")
            EXPECT_TRUE(value == seeded.at(name) || value == clean.at(name)) << name;
        for (const char* next : kNextRuns) Run(next, nullptr, 0);
        Run("optswitch.exe", nullptr, 0);
        nRuns += 2 + static_cast<int>(sizeof kNextRuns / sizeof kNextRuns[0]);
      }
  }
  EXPECT_GT(nRuns, 3000);
  printf("[faults] %d runs, each fault followed by clean runs\n", nRuns);
}

}  // namespace
