// tests/unit/property_test.cpp: long random runs of the tools while the driver changes its own values, without
// and with failing calls. A run that reports success did exactly what its command line asks; whatever a run
// reports, each direction's newest on-value is still in the driver or its backup, and no backup holds an off value.
// optstatus, when it reports success, reads each direction as it is.
#include <random>

#include "backuppass.h"
#include "hostfixture.h"
#include "onvaluepromise.h"
#include "statuspass.h"
#include "switchpass.h"
#include "toolexit.h"

namespace {

const int kSteps = 10000;

// The expectation, from the rule alone: the first character of the argument string, "B", "I" or "O" exactly.
SwitchRequest Asked(const std::string& args) {
  const char ch = args.empty() ? '\0' : args[0];
  return SwitchRequest{ch == 'B' || ch == 'I', ch == 'B' || ch == 'O'};
}

// Program names as a command line may carry them, and argument strings (none starts with a blank).
const char* const kNames[] = {"optswitch.exe",  "\"C:\\Program Files\\Beamset\\optswitch.exe\"",
                              "opt!switch.exe", "\"\"",
                              "C:\\B\\I.exe",   "\"C:\\O B\\optswitch.exe\""};
const char* const kArgs[] = {"BOTH", "B",    "IN", "INPUT", "OUT", "O",     "",    "in",
                             "out",  "both", "Bx", "x",     "!B",  "\"B\"", "I O", "-IN"};

struct Param {
  DWORD family;
  bool bFaults;
};

// How often each kind of step happened.
struct Tally {
  int nDriverChanges = 0, nOptSwitch = 0, nOptBackup = 0, nOptStatus = 0, nFailedRuns = 0;
};

class PropertyTest : public HostTest, public testing::WithParamInterface<Param> {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    m_b9x = GetParam().family == VER_PLATFORM_WIN32_WINDOWS;
    m_rng.seed(20021205u + GetParam().family + (GetParam().bFaults ? 7u : 0u));
    if (m_b9x)
      Install9xDriver(false, {2, 0, 0, 0});
    else
      InstallNtDriver({1, 0, 0, 0}, {2, 0, 0, 0});
    m_promises = OnValuePromise::ForFamily(GetParam().family);
  }

  int Pick(int n) { return static_cast<int>(m_rng() % static_cast<unsigned>(n)); }
  // The direction kept in a value: the 95 family's input has none.
  OnValuePromise* Direction(int d) {
    for (OnValuePromise& p : m_promises)
      if (p.Direction() == d) return &p;
    return nullptr;
  }

  // The driver writes a new on-value of its own, up to 12 bytes long.
  void DriverChangesItsValue() {
    OnValuePromise& p = m_promises[Pick(static_cast<int>(m_promises.size()))];
    Bytes v(1 + Pick(12));
    for (BYTE& b : v) b = static_cast<BYTE>(Pick(256));
    v[0] = static_cast<BYTE>(1 + Pick(m_b9x ? 254 : 255));
    hostwin32::SetValue(p.Key(), p.Name(), REG_BINARY, v);
    p.DriverWrote(v);
    ++m_tally.nDriverChanges;
  }

  // With faults, half the runs have one call fail: any function, its nth call within what the last run made.
  void PlanFault() {
    m_fault.clear();
    if (GetParam().bFaults && Pick(2)) {
      m_fault = kFaultableCalls[Pick(sizeof kFaultableCalls / sizeof kFaultableCalls[0])];
      m_nth = 1 + Pick(std::max(1, static_cast<int>(hostwin32::CountCalls(m_fault))));
    }
    hostwin32::ClearCalls();
    if (!m_fault.empty()) hostwin32::FailCall(m_fault, m_nth, ERROR_ACCESS_DENIED);
  }

  // The run's exit code is what its failed call, if any, deserves.
  void ExpectExitFor(bool bReadsMute, int nExit, int& nDone) {
    hostwin32::ClearFaults();
    const hostwin32::Call* pFailed = m_fault.empty() ? nullptr : LoggedCall(m_fault, m_nth);
    const bool bNeeded = pFailed && IsNeeded(bReadsMute, *pFailed);
    ASSERT_EQ(bNeeded ? kExitFailed : kExitDone, nExit) << "with " << m_fault << " #" << m_nth;
    ++(nExit == kExitDone ? nDone : m_tally.nFailedRuns);
  }

  // A run that reports success did what the first character asks; any run keeps the newest on-values.
  void OptSwitchDoesWhatItsArgumentAsks() {
    const std::string name = kNames[Pick(sizeof kNames / sizeof kNames[0])];
    const std::string args = kArgs[Pick(sizeof kArgs / sizeof kArgs[0])];
    std::string blanks(Pick(4) + (name[0] == '"' ? 0 : 1), ' ');
    for (char& ch : blanks) ch = static_cast<char>(1 + Pick(32));
    const SwitchRequest asked = Asked(args);
    const bool disable[2] = {asked.bDisableInput, asked.bDisableOutput};
    PlanFault();
    const int nExit = RunOptSwitch((name + blanks + args).c_str());
    ExpectExitFor(false, nExit, m_tally.nOptSwitch);
    if (HasFatalFailure()) return;
    for (OnValuePromise& p : m_promises) {
      const Bytes now = p.Now();
      if (nExit == kExitDone && disable[p.Direction()])
        ASSERT_EQ(p.OffValue(), now);
      else if (nExit == kExitDone)  // the newest on-value back, or the default where there never was one
        ASSERT_EQ(p.Newest().empty() ? Bytes({1, 0, 0, 0}) : p.Newest(), OnValuePromise::First4(now)) << args;
      ASSERT_TRUE(p.Kept(nExit == kExitDone)) << p.Name() << " lost";
    }
    if (m_b9x && nExit == kExitDone) ASSERT_EQ(disable[0], IsOpticalMuted());
    if (m_b9x) m_bMuted = IsOpticalMuted();
  }

  void OptBackupRecordsTheInput() {
    PlanFault();
    const int nExit = RunOptBackup("optbackup.exe");
    ExpectExitFor(true, nExit, m_tally.nOptBackup);
    if (HasFatalFailure()) return;
    const bool bInputOn = m_b9x ? !m_bMuted : Direction(0)->IsOn(Direction(0)->Now());
    Bytes recorded{static_cast<BYTE>(bInputOn ? '1' : '0')};
    if (m_b9x) recorded.push_back(0);  // the 95 family stores a text's terminator
    if (nExit == kExitDone) ASSERT_EQ(recorded, Value(kPatchKey, kValueStateInput));
  }

  void OptStatusReadsEachDirectionAsItIs() {
    PlanFault();
    hostwin32::ClearConsoleOutput();
    const int nExit = RunOptStatus("optstatus.exe");
    ExpectExitFor(true, nExit, m_tally.nOptStatus);
    if (HasFatalFailure()) return;
    const std::string report = "\n" + hostwin32::ConsoleOutput();
    for (int d = 0; d < 2 && nExit == kExitDone; ++d) {
      const bool bOn = Direction(d) ? Direction(d)->IsOn(Direction(d)->Now()) : !IsOpticalMuted();
      const std::string line = std::string(d ? "\noutput: " : "\ninput: ") + (bOn ? "on" : "off") + "\r\n";
      ASSERT_NE(std::string::npos, report.find(line)) << report;
    }
  }

  void NoBackupHoldsAnOffValue() {
    for (const OnValuePromise& p : m_promises) ASSERT_TRUE(p.BackupIsOnOrNone()) << p.SavedName() << " holds an off value";
  }

  std::mt19937 m_rng;
  bool m_b9x = false;
  std::vector<OnValuePromise> m_promises;
  bool m_bMuted = false;
  std::string m_fault;
  int m_nth = 0;
  Tally m_tally;
};

TEST_P(PropertyTest, RandomRunsKeepTheNewestOnValue) {
  for (int step = 0; step < kSteps; ++step) {
    SCOPED_TRACE(step);
    const int action = Pick(10);
    if (action < 2)
      DriverChangesItsValue();
    else if (action < 8)
      OptSwitchDoesWhatItsArgumentAsks();
    else if (action == 8)
      OptBackupRecordsTheInput();
    else
      OptStatusReadsEachDirectionAsItIs();
    if (HasFatalFailure()) return;
    NoBackupHoldsAnOffValue();
    if (HasFatalFailure()) return;
  }
  if (!GetParam().bFaults) EXPECT_EQ(0u, hostwin32::OpenKeyCount());
  // Every kind of step happened often, and with faults a good share of runs failed.
  const Tally& t = m_tally;
  for (int n : {t.nDriverChanges, t.nOptSwitch, t.nOptBackup, t.nOptStatus}) EXPECT_GT(n, kSteps / 20);
  EXPECT_EQ(GetParam().bFaults, t.nFailedRuns > kSteps / 20);
  printf("[property] family %u%s: %d steps (%d driver changes, %d optswitch, %d optbackup, %d optstatus, %d failed "
         "runs)\n",
         static_cast<unsigned>(GetParam().family), GetParam().bFaults ? " with faults" : "", kSteps, t.nDriverChanges,
         t.nOptSwitch, t.nOptBackup, t.nOptStatus, t.nFailedRuns);
}

INSTANTIATE_TEST_SUITE_P(Families, PropertyTest,
                         testing::Values(Param{VER_PLATFORM_WIN32_NT, false}, Param{VER_PLATFORM_WIN32_WINDOWS, false},
                                         Param{VER_PLATFORM_WIN32_NT, true}, Param{VER_PLATFORM_WIN32_WINDOWS, true}),
                         [](const testing::TestParamInfo<Param>& info) {
                           return std::string(info.param.family == VER_PLATFORM_WIN32_NT ? "Nt" : "Win9x") +
                                  (info.param.bFaults ? "WithFaults" : "");
                         });

}  // namespace
