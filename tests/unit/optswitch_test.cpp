// tests/unit/optswitch_test.cpp: optswitch's command line and its pass on both families, exit codes included.
#include "hostfixture.h"
#include "switchpass.h"
#include "toolexit.h"

namespace {

TEST(OptSwitchCommandLine, ArgumentStringSkipsProgramNameAndBlanks) {
  const struct {
    const char* commandLine;
    const char* arguments;
  } kCases[] = {
      {"optswitch.exe IN", "IN"},
      {"optswitch.exe", ""},
      {"", ""},
      {"optswitch.exe   ", ""},
      {"optswitch.exe\t\tBOTH", "BOTH"},
      {"optswitch.exe \x01\x1f\x20OUT x", "OUT x"},
      {"\"C:\\Program Files\\Beamset\\optswitch.exe\" OUT", "OUT"},
      {"\"C:\\Program Files\\Beamset\\optswitch.exe\"IN", "IN"},
      {"\"C:\\Program Files\\optswitch.exe\" \t \"B\"", "\"B\""},
      {"\"unterminated quote IN", ""},
      {"\"\" BOTH", "BOTH"},
      {"C:\\Pr\xe9sentation\\optswitch.exe IN", "IN"},  // a byte above 127 is part of the name
      {"opt!switch.exe IN", "IN"},                      // 33 is the first code that is no blank
      {"optswitch.exe !IN", "!IN"},
      {"optswitch.exe\x7f"
       "B",
       ""},  // DEL is no blank: all one name
  };
  for (const auto& c : kCases) EXPECT_STREQ(c.arguments, ArgumentString(c.commandLine)) << c.commandLine;
}

TEST(OptSwitchCommandLine, FirstCharacterDecidesCaseSensitively) {
  const struct {
    const char* arguments;
    bool bInput, bOutput;
  } kCases[] = {
      {"BOTH", true, true},
      {"B", true, true},
      {"Bx", true, true},
      {"IN", true, false},
      {"I", true, false},
      {"INPUT", true, false},
      {"OUT", false, true},
      {"O", false, true},
      {"OUTPUT IN", false, true},
      {"in", false, false},
      {"out", false, false},
      {"both", false, false},
      {"", false, false},
      {"\"B\"", false, false},
      {"-IN", false, false},
      {"\xc2"
       "B",
       false, false},
  };
  for (const auto& c : kCases) {
    const SwitchRequest r = ParseSwitchRequest(c.arguments);
    EXPECT_EQ(c.bInput, r.bDisableInput) << c.arguments;
    EXPECT_EQ(c.bOutput, r.bDisableOutput) << c.arguments;
  }
}

class OptSwitchTest : public HostTest {
 protected:
  static int Run(const char* args) {
    return RunOptSwitch((std::string("\"C:\\Program Files\\optswitch.exe\" ") + args).c_str());
  }
  static Bytes NtIn() { return Value(kDriverServiceKey, kValueEnableInput); }
  static Bytes NtOut() { return Value(kDriverServiceKey, kValueOutputSource); }
  static Bytes SavedIn() { return Value(kPatchKey, kValueSavedInput); }
  static Bytes SavedOut() { return Value(kPatchKey, kValueSavedOutput); }
  static Bytes Source() { return Value(kControlPanelKey, kValueSourceSelection); }
};

TEST_F(OptSwitchTest, InTwiceKeepsTheFirstBackupThenRestores) {
  InstallNtDriver({0x02, 0x00, 0x00, 0x00}, {0x01, 0x00, 0x00, 0x00});
  EXPECT_EQ(kExitDone, Run("IN"));
  EXPECT_EQ(Bytes({0, 0, 0, 0}), NtIn());
  EXPECT_EQ(Bytes({2, 0, 0, 0}), SavedIn());
  EXPECT_EQ(Bytes({1, 0, 0, 0}), NtOut());     // restored: written back unchanged
  EXPECT_EQ(Bytes({1, 0, 0, 0}), SavedOut());  // and saved on the way
  EXPECT_EQ(kExitDone, Run("IN"));
  EXPECT_EQ(Bytes({2, 0, 0, 0}), SavedIn());
  EXPECT_EQ(kExitDone, Run(""));
  EXPECT_EQ(Bytes({2, 0, 0, 0}), NtIn());
  EXPECT_EQ(static_cast<DWORD>(REG_BINARY), TypeOf(kDriverServiceKey, kValueEnableInput));
  EXPECT_EQ(0u, hostwin32::OpenKeyCount());
}

TEST_F(OptSwitchTest, OutThenInBringsTheSourceBack) {
  InstallNtDriver({0x01, 0x00, 0x00, 0x00}, {0x03, 0x00, 0x00, 0x00});
  EXPECT_EQ(kExitDone, Run("OUT"));
  EXPECT_EQ(Bytes({3, 0, 0, 0}), SavedOut());
  EXPECT_EQ(Bytes({0, 0, 0, 0}), NtOut());
  EXPECT_EQ(Bytes({1, 0, 0, 0}), NtIn());
  EXPECT_EQ(kExitDone, Run("IN"));
  EXPECT_EQ(Bytes({3, 0, 0, 0}), NtOut());
  EXPECT_EQ(Bytes({0, 0, 0, 0}), NtIn());
}

TEST_F(OptSwitchTest, LowerCaseRestoresBothAndDefaultIsOne) {
  InstallNtDriver({0x00, 0x00, 0x00, 0x00}, {0x00, 0x07, 0x00, 0x00});
  EXPECT_EQ(kExitDone, Run("out"));
  EXPECT_EQ(Bytes({1, 0, 0, 0}), NtIn());
  EXPECT_EQ(Bytes({1, 0, 0, 0}), NtOut());  // no backup: the default, not the driver's other bytes
  EXPECT_FALSE(Exists(kPatchKey, kValueSavedOutput));
}

TEST_F(OptSwitchTest, OffBackupRestoresWithFirstByteOne) {
  InstallNtDriver({0x00, 0x00, 0x00, 0x00}, {0x00, 0x00, 0x00, 0x00});
  hostwin32::SetValue(kPatchKey, kValueSavedInput, REG_BINARY, {0x00, 0x05, 0x06, 0x07});
  EXPECT_EQ(kExitDone, Run("O"));
  EXPECT_EQ(Bytes({1, 5, 6, 7}), NtIn());
  EXPECT_EQ(Bytes({0, 0, 0, 0}), NtOut());
}

TEST_F(OptSwitchTest, NinetyFiveFamily) {
  Install9xDriver(false, {0xFF, 0x00, 0x00, 0x00});
  hostwin32::SetValue(kPatchKey, kValueSavedOutput, REG_BINARY, {0xFF, 0x00});
  EXPECT_EQ(kExitDone, Run("BOTH"));
  EXPECT_TRUE(IsOpticalMuted());
  EXPECT_EQ(Bytes({0xFF, 0, 0, 0}), Source());
  EXPECT_EQ(Bytes({0xFF, 0}), SavedOut());  // 255 is off: never saved over
  EXPECT_EQ(kExitDone, Run("IN"));
  EXPECT_TRUE(IsOpticalMuted());
  EXPECT_EQ(Bytes({1, 0}), Source());  // the backup's reported length
  EXPECT_EQ(kExitDone, Run("OUT"));
  EXPECT_FALSE(IsOpticalMuted());
  EXPECT_EQ(Bytes({1, 0, 0, 0}), SavedOut());  // saved as the output was on
  EXPECT_EQ(Bytes({0xFF, 0, 0, 0}), Source());
  EXPECT_FALSE(Exists(kPatchKey, kValueSavedInput));
  EXPECT_FALSE(Exists(kControlPanelKey, kValueEnableInput));
}

TEST_F(OptSwitchTest, NinetyFiveSourceTwoRoundTrips) {
  Install9xDriver(false, {0x02, 0x00, 0x00, 0x00});
  EXPECT_EQ(kExitDone, Run("B"));
  EXPECT_EQ(Bytes({2, 0, 0, 0}), SavedOut());
  EXPECT_EQ(kExitDone, Run("x"));
  EXPECT_EQ(Bytes({2, 0, 0, 0}), Source());
  EXPECT_FALSE(IsOpticalMuted());
}

TEST_F(OptSwitchTest, OtherFamiliesTouchNothingAndSucceed) {
  for (DWORD family : {0u, 3u}) {
    hostwin32::Reset();
    InstallNtDriver({2, 0, 0, 0}, {2, 0, 0, 0});
    hostwin32::SetPlatformId(family);
    EXPECT_EQ(kExitDone, Run("BOTH"));
    EXPECT_EQ(Bytes({2, 0, 0, 0}), NtIn());
    EXPECT_FALSE(hostwin32::KeyExists(kPatchKey));
    EXPECT_EQ(1u, hostwin32::Calls().size());  // the version query alone
  }
}

TEST_F(OptSwitchTest, MissingDriverKeyFailsAndHarmsNothing) {
  hostwin32::SetPlatformId(VER_PLATFORM_WIN32_NT);
  hostwin32::SetValue(kPatchKey, kValueSavedInput, REG_BINARY, {2, 0, 0, 0});
  for (const char* args : {"", "BOTH", "IN"}) {
    EXPECT_EQ(kExitFailed, Run(args)) << args;
    EXPECT_EQ(Bytes({2, 0, 0, 0}), SavedIn());
    EXPECT_FALSE(hostwin32::KeyExists(kDriverServiceKey));
  }
  EXPECT_EQ(0u, hostwin32::OpenKeyCount());
}

TEST_F(OptSwitchTest, NinetyFiveWithoutCardFailsButSwitchesTheOutput) {
  hostwin32::SetPlatformId(VER_PLATFORM_WIN32_WINDOWS);
  hostwin32::SetValue(kControlPanelKey, kValueSourceSelection, REG_BINARY, {2, 0, 0, 0});
  EXPECT_EQ(kExitFailed, Run("OUT"));
  EXPECT_EQ(Bytes({0xFF, 0, 0, 0}), Source());
  EXPECT_EQ(Bytes({2, 0, 0, 0}), SavedOut());
}

// Without the patch key nothing can be saved or restored: every value stays as it was, and the run says so.
TEST_F(OptSwitchTest, UncreatablePatchKeyIsReportedAndChangesNothing) {
  const struct {
    Bytes input, output;
    const char* args;
  } kCases[] = {
      {{2, 0, 0, 0}, {0, 0, 0, 0}, "B"},  // an on-value not saved is not switched off
      {{0, 0, 0, 0}, {0, 0, 0, 0}, "B"},  // both already off: nothing to save, still no patch key
      {{0, 0, 0, 0}, {3, 0, 0, 0}, ""},   // a backup that cannot be read is not replaced by the default
  };
  for (const auto& c : kCases) {
    hostwin32::Reset();
    InstallNtDriver(c.input, c.output);
    hostwin32::FailCall("RegCreateKeyA", 1, ERROR_ACCESS_DENIED);
    EXPECT_EQ(kExitFailed, Run(c.args)) << c.args;
    EXPECT_EQ(c.input, NtIn());
    EXPECT_EQ(c.output, NtOut());
  }
}

// The user's story: a passing failure to read the backup must not cost the on-value on the next run.
TEST_F(OptSwitchTest, UnreadableBackupKeepsTheOnValueForTheNextRun) {
  InstallNtDriver({1, 0, 0, 0}, {3, 0, 0, 0});
  EXPECT_EQ(kExitDone, Run("OUT"));
  hostwin32::ClearCalls();
  EXPECT_EQ(kExitDone, Run(""));
  const int nth = NthCallWith("RegQueryValueExA", kValueSavedOutput);
  EXPECT_EQ(kExitDone, Run("OUT"));
  hostwin32::FailCall("RegQueryValueExA", nth, ERROR_ACCESS_DENIED);
  EXPECT_EQ(kExitFailed, Run(""));
  EXPECT_EQ(Bytes({0, 0, 0, 0}), NtOut());
  EXPECT_EQ(kExitDone, Run(""));
  EXPECT_EQ(Bytes({3, 0, 0, 0}), NtOut());
  EXPECT_EQ(Bytes({3, 0, 0, 0}), SavedOut());
}

// Input before output, each saved before it is switched, the card's mute before the patch key is made.
TEST_F(OptSwitchTest, CallOrderOnEachFamily) {
  const auto written = [] {
    std::vector<std::string> calls;
    for (const hostwin32::Call& c : hostwin32::Calls()) {
      const size_t quote = c.args.find('"');
      if (c.function == "mixerSetControlDetails") calls.push_back(c.function);
      if (c.function.compare(0, 3, "Reg") == 0 && quote != std::string::npos)
        calls.push_back(c.function + " " + c.args.substr(quote + 1, c.args.find('"', quote + 1) - quote - 1));
    }
    return calls;
  };
  const std::string open = "RegOpenKeyExA ", create = "RegCreateKeyA ", query = "RegQueryValueExA ",
                    set = "RegSetValueExA ";
  InstallNtDriver({2, 0, 0, 0}, {3, 0, 0, 0});
  hostwin32::ClearCalls();
  EXPECT_EQ(kExitDone, Run("B"));
  EXPECT_EQ(std::vector<std::string>({open + kDriverServiceKey, create + kPatchKey, query + kValueEnableInput,
                                      set + kValueSavedInput, set + kValueEnableInput, query + kValueOutputSource,
                                      set + kValueSavedOutput, set + kValueOutputSource}),
            written());
  hostwin32::Reset();
  Install9xDriver(false, {2, 0, 0, 0});
  hostwin32::ClearCalls();
  EXPECT_EQ(kExitDone, Run("B"));
  EXPECT_EQ(
      std::vector<std::string>({open + kControlPanelKey, "mixerSetControlDetails", create + kPatchKey,
                                query + kValueSourceSelection, set + kValueSavedOutput, set + kValueSourceSelection}),
      written());
}

}  // namespace
