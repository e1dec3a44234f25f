// tests/unit/opticalchoice_test.cpp: Beamset's read and apply sequences, and what each failure is reported as.
#include <stdio.h>

#include <string>

#include "hostfixture.h"
#include "opticalchoice.h"

namespace {

class OpticalChoiceTest : public HostTest {
 protected:
  // A value as hex, "-" when there is none.
  static std::string Hex(const Bytes& b) {
    if (b == Missing()) return "-";
    std::string s;
    char sz[3];
    for (BYTE x : b) snprintf(sz, sizeof sz, "%02X", x), s += sz;
    return s;
  }
};

TEST_F(OpticalChoiceTest, ReadingNeedsOnlyReadAccessAndWritesNothing) {
  InstallNtDriver({0x00, 0x11}, {0xFF});
  EXPECT_EQ(kChoiceDisabled, ReadOpticalChoice(OpticalInput));
  EXPECT_EQ(kChoiceEnabled, ReadOpticalChoice(OpticalOutput));
  for (const hostwin32::Call& call : hostwin32::Calls()) {
    EXPECT_NE("RegSetValueExA", call.function);
    // A user who may not change the value still sees it as it is.
    if (call.function == "RegOpenKeyExA") EXPECT_NE(std::string::npos, call.args.find(", 0x20019")) << call.args;
  }
  EXPECT_EQ(0u, hostwin32::OpenKeyCount());
  EXPECT_FALSE(hostwin32::KeyExists(kPatchKey));
  // The 95 family's input is the card's mute as the mixer reads it now.
  for (bool bMuted : {false, true}) {
    hostwin32::Reset();
    Install9xDriver(bMuted, {0xFF});
    EXPECT_EQ(bMuted ? kChoiceDisabled : kChoiceEnabled, ReadOpticalChoice(OpticalInput));
    EXPECT_EQ(kChoiceDisabled, ReadOpticalChoice(OpticalOutput));
  }
  hostwin32::SetPlatformId(0);
  EXPECT_EQ(kNoChoice, ReadOpticalChoice(OpticalInput));
}

// One apply on a seeded machine: each direction's fault and the bytes it leaves.
TEST_F(OpticalChoiceTest, ApplyTable) {
  const int E = kChoiceEnabled, D = kChoiceDisabled, N = kNoChoice;
  const ApplyFault kOk = ApplyFaultNone, kNoKey = ApplyFaultKeyMissing, kDenied = ApplyFaultKeyDenied,
                   kNoMixer = ApplyFaultMixerMissing, kWrite = ApplyFaultWriteFailed;
  const struct {
    const char* name;
    DWORD family;
    bool bDriver;      // the driver's key is installed (on the 95 family, the card's mixer too)
    const char* fail;  // the first call of this function fails with access denied
    int nInput, nOutput;
    ApplyFault input, output;
    const char* after;  // input, output, saved input, saved output
  } kCases[] = {
      {"nt disable in, enable out", 2, true, nullptr, D, E, kOk, kOk, "00000000 03010000 02000000 03010000"},
      {"nt enabled, nothing saved: the default", 2, true, nullptr, E, N, kOk, kOk, "01000000 00000000 - 03010000"},
      {"nt no choice touches nothing", 2, true, nullptr, N, N, kOk, kOk, "02000000 00000000 - 03010000"},
      {"nt no driver", 2, false, nullptr, E, D, kNoKey, kNoKey, "- - - 03010000"},
      {"nt no driver, nothing chosen", 2, false, nullptr, N, N, kOk, kOk, "- - - 03010000"},
      {"nt driver key denied", 2, true, "RegOpenKeyExA", D, D, kDenied, kDenied, "02000000 00000000 - 03010000"},
      {"nt patch key denied", 2, true, "RegCreateKeyA", D, D, kDenied, kOk, "02000000 00000000 - 03010000"},
      {"nt write fails, output still written", 2, true, "RegSetValueExA", D, E, kWrite, kOk,
       "02000000 03010000 - 03010000"},
      {"nt unreadable backup", 2, true, "RegQueryValueExA", N, E, kOk, kWrite, "02000000 00000000 - 03010000"},
      {"95 disable both", 1, true, nullptr, D, D, kOk, kOk, "- FF000000 - 02000000"},
      {"95 no mixer, no control panel key", 1, false, nullptr, D, D, kNoMixer, kNoKey, "- - - -"},
      {"95 mute not taken", 1, true, "mixerSetControlDetails", D, D, kWrite, kOk, "- FF000000 - 02000000"},
      {"95 patch key denied", 1, true, "RegCreateKeyA", N, D, kOk, kDenied, "- 02000000 - -"},
      {"no family writes nothing", 0, true, nullptr, D, D, kOk, kOk, "02000000 00000000 - 03010000"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    hostwin32::Reset();
    const bool b9x = c.family == VER_PLATFORM_WIN32_WINDOWS;
    if (b9x && c.bDriver) {
      Install9xDriver(false, {2, 0, 0, 0});
    } else if (c.bDriver) {
      InstallNtDriver({2, 0, 0, 0}, {0, 0, 0, 0});
    }
    if (!b9x) hostwin32::SetValue(kPatchKey, kValueSavedOutput, REG_BINARY, {3, 1, 0, 0});
    hostwin32::SetPlatformId(c.family);
    if (c.fail) hostwin32::FailCall(c.fail, 1, ERROR_ACCESS_DENIED);

    CCardMixer mixer;
    const OpticalApplyResult result = ApplyOpticalChoices(c.nInput, c.nOutput, mixer);
    EXPECT_EQ(c.family, result.dwFamily);
    EXPECT_EQ(c.input, result.input);
    EXPECT_EQ(c.output, result.output);
    EXPECT_EQ(c.input == kOk && c.output == kOk, result.Succeeded());
    const char* key = b9x ? kControlPanelKey : kDriverServiceKey;
    EXPECT_EQ(c.after, Hex(Value(key, kValueEnableInput)) + " " +
                           Hex(Value(key, b9x ? kValueSourceSelection : kValueOutputSource)) + " " +
                           Hex(Value(kPatchKey, kValueSavedInput)) + " " + Hex(Value(kPatchKey, kValueSavedOutput)));
    if (b9x && c.bDriver && !c.fail) EXPECT_EQ(c.nInput == D, IsOpticalMuted());
    EXPECT_EQ(0u, hostwin32::OpenKeyCount());
    EXPECT_FALSE(hostwin32::KeyExists(b9x ? kDriverServiceKey : kControlPanelKey));
  }
}

// The prompt's rule: an odd number of changes of a direction the family reads at start-up.
TEST(NeedsRestartTest, OddChangesOfADirectionReadAtStartUp) {
  const int kCases[][4] = {{2, 1, 0, 1}, {2, 0, 3, 1}, {2, 2, 0, 0}, {2, 0, 2, 0},
                           {1, 1, 0, 0}, {1, 0, 1, 1}, {1, 2, 2, 0}, {0, 1, 1, 0}};  // family, input, output, prompt
  for (const auto& c : kCases) EXPECT_EQ(c[3] != 0, NeedsRestart(c[0], c[1], c[2])) << c[0] << c[1] << c[2];
}

}  // namespace
