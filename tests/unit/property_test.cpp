// tests/unit/property_test.cpp: long random runs of the tools while the driver changes its own values, without
// and with failing calls. A run that reports success did exactly what its command line asks; whatever a run
// reports, each direction's newest on-value is still in the driver or its backup, and no backup holds an off value.
// optstatus, when it reports success, reads each direction as it is.
#include <random>

#include "backuppass.h"
#include "hostfixture.h"
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

class PropertyTest : public HostTest, public testing::WithParamInterface<Param> {};

TEST_P(PropertyTest, RandomRunsKeepTheNewestOnValue) {
  const DWORD family = GetParam().family;
  const bool bFaults = GetParam().bFaults;
  const bool b9x = family == VER_PLATFORM_WIN32_WINDOWS;
  std::mt19937 rng(20021205u + family + (bFaults ? 7u : 0u));
  auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

  if (b9x)
    Install9xDriver(false, {2, 0, 0, 0});
  else
    InstallNtDriver({1, 0, 0, 0}, {2, 0, 0, 0});
  // Each direction's newest on-value; empty while it never held one.
  Bytes lastOn[2] = {b9x ? Bytes() : Bytes{1, 0, 0, 0}, {2, 0, 0, 0}};
  const char* key = b9x ? kControlPanelKey : kDriverServiceKey;
  const char* names[2] = {kValueEnableInput, b9x ? kValueSourceSelection : kValueOutputSource};
  const char* saved[2] = {kValueSavedInput, kValueSavedOutput};
  const BYTE offByte[2] = {0, static_cast<BYTE>(b9x ? 0xFF : 0)};
  const auto isOn = [&](int d, const Bytes& v) {
    return v != Missing() && !v.empty() && v[0] != 0 && v[0] != offByte[d];
  };
  bool muted = false;

  // With faults, half the runs have one call fail: any function, its nth call within what the last run made.
  std::string fault;
  int nth = 0;
  const auto planFault = [&] {
    fault.clear();
    if (bFaults && pick(2)) {
      fault = kFaultableCalls[pick(sizeof kFaultableCalls / sizeof kFaultableCalls[0])];
      nth = 1 + pick(std::max(1, static_cast<int>(hostwin32::CountCalls(fault))));
    }
    hostwin32::ClearCalls();
    if (!fault.empty()) hostwin32::FailCall(fault, nth, ERROR_ACCESS_DENIED);
  };
  // Whether the run's exit code is what its failed call, if any, deserves.
  const auto checkExit = [&](bool bBackupTool, int nExit) {
    hostwin32::ClearFaults();
    const hostwin32::Call* pFailed = fault.empty() ? nullptr : LoggedCall(fault, nth);
    const bool bNeeded = pFailed && IsNeeded(bBackupTool, *pFailed);
    return nExit == (bNeeded ? kExitFailed : kExitDone);
  };

  int counts[5] = {0, 0, 0, 0, 0};  // driver changes, optswitch, optbackup, optstatus, failed runs
  for (int step = 0; step < kSteps; ++step) {
    const int action = pick(10);
    if (action < 2) {  // the driver writes a new on-value of its own
      const int d = pick(b9x ? 1 : 2) + (b9x ? 1 : 0);
      Bytes v(1 + pick(12));
      for (BYTE& b : v) b = static_cast<BYTE>(pick(256));
      v[0] = static_cast<BYTE>(1 + pick(b9x && d == 1 ? 254 : 255));
      hostwin32::SetValue(key, names[d], REG_BINARY, v);
      lastOn[d] = First4(v);
      ++counts[0];
    } else if (action < 8) {
      const std::string name = kNames[pick(sizeof kNames / sizeof kNames[0])];
      const std::string args = kArgs[pick(sizeof kArgs / sizeof kArgs[0])];
      std::string blanks(pick(4) + (name[0] == '"' ? 0 : 1), ' ');
      for (char& ch : blanks) ch = static_cast<char>(1 + pick(32));
      const SwitchRequest asked = Asked(args);
      const bool disable[2] = {asked.bDisableInput, asked.bDisableOutput};
      planFault();
      const int nExit = RunOptSwitch((name + blanks + args).c_str());
      ASSERT_TRUE(checkExit(false, nExit)) << step << " exit " << nExit << " with " << fault << " #" << nth;
      for (int d = b9x ? 1 : 0; d < 2; ++d) {
        const Bytes now = Value(key, names[d]);
        if (nExit != kExitDone) {
          if (!lastOn[d].empty())
            ASSERT_TRUE(First4(now) == lastOn[d] || First4(Value(kPatchKey, saved[d])) == lastOn[d]) << step << " lost";
        } else if (disable[d]) {
          ASSERT_EQ(Bytes({offByte[d], 0, 0, 0}), now) << step;
        } else {
          ASSERT_EQ(lastOn[d].empty() ? Bytes({1, 0, 0, 0}) : lastOn[d], First4(now)) << step << " " << args;
          lastOn[d] = First4(now);
        }
      }
      if (b9x && nExit == kExitDone) ASSERT_EQ(disable[0], IsOpticalMuted()) << step;
      if (b9x) muted = IsOpticalMuted();
      ++counts[nExit == kExitDone ? 1 : 4];
    } else if (action == 8) {
      planFault();
      const int nExit = RunOptBackup();
      ASSERT_TRUE(checkExit(true, nExit)) << step << " exit " << nExit << " with " << fault << " #" << nth;
      const bool inOn = b9x ? !muted : isOn(0, Value(key, names[0]));
      Bytes recorded{static_cast<BYTE>(inOn ? '1' : '0')};
      if (b9x) recorded.push_back(0);  // the 95 family stores a text's terminator
      if (nExit == kExitDone) ASSERT_EQ(recorded, Value(kPatchKey, kValueStateInput)) << step;
      ++counts[nExit == kExitDone ? 2 : 4];
    } else {
      planFault();
      hostwin32::ClearConsoleOutput();
      const int nExit = RunOptStatus();
      ASSERT_TRUE(checkExit(true, nExit)) << step << " exit " << nExit << " with " << fault << " #" << nth;
      const std::string report = "\n" + hostwin32::ConsoleOutput();
      for (int d = 0; d < 2 && nExit == kExitDone; ++d) {
        const bool on = b9x && d == 0 ? !IsOpticalMuted() : isOn(d, Value(key, names[d]));
        const std::string line = std::string(d ? "\noutput: " : "\ninput: ") + (on ? "on" : "off") + "\r\n";
        ASSERT_NE(std::string::npos, report.find(line)) << step << report;
      }
      ++counts[nExit == kExitDone ? 3 : 4];
    }
    for (int d = 0; d < 2; ++d) {
      const Bytes backup = Value(kPatchKey, saved[d]);
      if (backup != Missing()) ASSERT_TRUE(isOn(d, backup)) << step << " backup holds an off value";
    }
  }
  if (!bFaults) EXPECT_EQ(0u, hostwin32::OpenKeyCount());
  // Every kind of step happened often, and with faults a good share of runs failed.
  for (int i = 0; i < 4; ++i) EXPECT_GT(counts[i], kSteps / 20);
  EXPECT_EQ(bFaults, counts[4] > kSteps / 20);
  printf("[property] family %u%s: %d steps (%d driver changes, %d optswitch, %d optbackup, %d optstatus, %d failed runs)\n",
         family, bFaults ? " with faults" : "", kSteps, counts[0], counts[1], counts[2], counts[3], counts[4]);
}

INSTANTIATE_TEST_SUITE_P(Families, PropertyTest,
                         testing::Values(Param{VER_PLATFORM_WIN32_NT, false}, Param{VER_PLATFORM_WIN32_WINDOWS, false},
                                         Param{VER_PLATFORM_WIN32_NT, true}, Param{VER_PLATFORM_WIN32_WINDOWS, true}),
                         [](const testing::TestParamInfo<Param>& info) {
                           return std::string(info.param.family == VER_PLATFORM_WIN32_NT ? "Nt" : "Win9x") +
                                  (info.param.bFaults ? "WithFaults" : "");
                         });

}  // namespace
