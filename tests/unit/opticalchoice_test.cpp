// tests/unit/opticalchoice_test.cpp: Beamset's read and apply sequences, what each failure is reported as,
// and when the pages' changes call for a restart.
#include <string>

#include "hostfixture.h"
#include "opticalchoice.h"

namespace {

class OpticalChoiceTest : public HostTest {
 protected:
  static OpticalApplyResult Apply(int nInput, int nOutput) {
    CCardMixer mixer;
    return ApplyOpticalChoices(nInput, nOutput, mixer);
  }
};

TEST_F(OpticalChoiceTest, ReadsEachDirectionAsAChoice) {
  const struct {
    const char* name;
    DWORD family;
    Bytes value;  // the direction's registry value on both families; empty: none
    bool bMuted;  // 95 family input
    int nInput, nOutput;
  } kCases[] = {
      {"nt first byte 0", 2, {0x00, 0x11, 0x22, 0x33}, false, kChoiceDisabled, kChoiceDisabled},
      {"nt on", 2, {0x02, 0, 0, 0}, false, kChoiceEnabled, kChoiceEnabled},
      {"nt 255 is on", 2, {0xFF, 0, 0, 0}, false, kChoiceEnabled, kChoiceEnabled},
      {"nt no driver key", 2, {}, false, kChoiceDisabled, kChoiceDisabled},
      {"95 source 0, unmuted", 1, {0x00, 0, 0, 0}, false, kChoiceEnabled, kChoiceDisabled},
      {"95 source 255, muted", 1, {0xFF, 0, 0, 0}, true, kChoiceDisabled, kChoiceDisabled},
      {"95 source 1", 1, {0x01, 0, 0, 0}, true, kChoiceDisabled, kChoiceEnabled},
      {"no family", 0, {0x01, 0, 0, 0}, false, kNoChoice, kNoChoice},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    hostwin32::Reset();
    if (c.family == VER_PLATFORM_WIN32_WINDOWS) {
      Install9xDriver(c.bMuted, c.value);
    } else if (!c.value.empty()) {
      InstallNtDriver(c.value, c.value);
    }
    hostwin32::SetPlatformId(c.family);
    EXPECT_EQ(c.nInput, ReadOpticalChoice(OpticalInput));
    EXPECT_EQ(c.nOutput, ReadOpticalChoice(OpticalOutput));
    EXPECT_EQ(0u, hostwin32::OpenKeyCount());
    EXPECT_EQ(0, hostwin32::LoadedLibraryCount());
    EXPECT_FALSE(hostwin32::KeyExists(kPatchKey));
    for (const hostwin32::Call& call : hostwin32::Calls()) {
      EXPECT_NE("RegSetValueExA", call.function);
      // Read access is all a reading needs, so a user without write access still sees the state.
      if (call.function == "RegOpenKeyExA") EXPECT_NE(std::string::npos, call.args.find(", 0x20019"));
    }
  }
}

// One apply on a seeded machine: each direction's fault and the bytes it leaves.
TEST_F(OpticalChoiceTest, ApplyTable) {
  const Bytes kOff = {0, 0, 0, 0}, kOff9x = {0xFF, 0, 0, 0};
  const struct {
    const char* name;
    DWORD family;
    bool bDriver;      // the driver's key is installed (and on the 95 family, the card's mixer)
    const char* fail;  // the first call of this function fails with access denied
    int nInput, nOutput;
    ApplyFault input, output;
    Bytes in, out, savedIn, savedOut;  // afterwards; Missing() for no value
  } kCases[] = {
      {"nt disable in, enable out",
       2,
       true,
       nullptr,
       kChoiceDisabled,
       kChoiceEnabled,
       ApplyFaultNone,
       ApplyFaultNone,
       kOff,
       {3, 1, 0, 0},
       {2, 0, 0, 0},
       {3, 1, 0, 0}},
      {"nt enabled without backup writes the default",
       2,
       true,
       nullptr,
       kChoiceEnabled,
       kNoChoice,
       ApplyFaultNone,
       ApplyFaultNone,
       {1, 0, 0, 0},
       kOff,
       Missing(),
       {3, 1, 0, 0}},
      {"nt no choice touches nothing",
       2,
       true,
       nullptr,
       kNoChoice,
       kNoChoice,
       ApplyFaultNone,
       ApplyFaultNone,
       {2, 0, 0, 0},
       kOff,
       Missing(),
       {3, 1, 0, 0}},
      {"nt driver key missing",
       2,
       false,
       nullptr,
       kChoiceEnabled,
       kChoiceDisabled,
       ApplyFaultKeyMissing,
       ApplyFaultKeyMissing,
       Missing(),
       Missing(),
       Missing(),
       {3, 1, 0, 0}},
      {"nt nothing chosen, nothing needed",
       2,
       false,
       nullptr,
       kNoChoice,
       kNoChoice,
       ApplyFaultNone,
       ApplyFaultNone,
       Missing(),
       Missing(),
       Missing(),
       {3, 1, 0, 0}},
      {"nt driver key denied",
       2,
       true,
       "RegOpenKeyExA",
       kChoiceDisabled,
       kChoiceDisabled,
       ApplyFaultKeyDenied,
       ApplyFaultKeyDenied,
       {2, 0, 0, 0},
       kOff,
       Missing(),
       {3, 1, 0, 0}},
      {"nt patch key denied: an on-value stays on",
       2,
       true,
       "RegCreateKeyA",
       kChoiceDisabled,
       kChoiceDisabled,
       ApplyFaultKeyDenied,
       ApplyFaultNone,
       {2, 0, 0, 0},
       kOff,
       Missing(),
       {3, 1, 0, 0}},
      {"nt first write fails, the output is still written",
       2,
       true,
       "RegSetValueExA",
       kChoiceDisabled,
       kChoiceEnabled,
       ApplyFaultWriteFailed,
       ApplyFaultNone,
       {2, 0, 0, 0},
       {3, 1, 0, 0},
       Missing(),
       {3, 1, 0, 0}},
      {"nt unreadable backup leaves the value",
       2,
       true,
       "RegQueryValueExA",
       kNoChoice,
       kChoiceEnabled,
       ApplyFaultNone,
       ApplyFaultWriteFailed,
       {2, 0, 0, 0},
       kOff,
       Missing(),
       {3, 1, 0, 0}},
      {"95 disable both",
       1,
       true,
       nullptr,
       kChoiceDisabled,
       kChoiceDisabled,
       ApplyFaultNone,
       ApplyFaultNone,
       Missing(),
       kOff9x,
       Missing(),
       {2, 0, 0, 0}},
      {"95 enable output",
       1,
       true,
       nullptr,
       kChoiceEnabled,
       kChoiceEnabled,
       ApplyFaultNone,
       ApplyFaultNone,
       Missing(),
       {1, 0, 0, 0},
       Missing(),
       Missing()},
      {"95 no mixer, no control panel key", 1, false, nullptr, kChoiceDisabled, kChoiceDisabled, ApplyFaultMixerMissing,
       ApplyFaultKeyMissing, Missing(), Missing(), Missing(), Missing()},
      {"95 mute not taken, the output is still written",
       1,
       true,
       "mixerSetControlDetails",
       kChoiceDisabled,
       kChoiceDisabled,
       ApplyFaultWriteFailed,
       ApplyFaultNone,
       Missing(),
       kOff9x,
       Missing(),
       {2, 0, 0, 0}},
      {"95 patch key denied",
       1,
       true,
       "RegCreateKeyA",
       kNoChoice,
       kChoiceDisabled,
       ApplyFaultNone,
       ApplyFaultKeyDenied,
       Missing(),
       {2, 0, 0, 0},
       Missing(),
       Missing()},
      {"no family writes nothing",
       0,
       true,
       nullptr,
       kChoiceDisabled,
       kChoiceDisabled,
       ApplyFaultNone,
       ApplyFaultNone,
       {2, 0, 0, 0},
       kOff,
       Missing(),
       {3, 1, 0, 0}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    hostwin32::Reset();
    const bool b9x = c.family == VER_PLATFORM_WIN32_WINDOWS;
    if (b9x && c.bDriver) {
      Install9xDriver(false, {2, 0, 0, 0});
    } else if (c.bDriver) {
      InstallNtDriver({2, 0, 0, 0}, kOff);
    }
    if (!b9x) hostwin32::SetValue(kPatchKey, kValueSavedOutput, REG_BINARY, {3, 1, 0, 0});
    hostwin32::SetPlatformId(c.family);
    if (c.fail) hostwin32::FailCall(c.fail, 1, ERROR_ACCESS_DENIED);

    const OpticalApplyResult result = Apply(c.nInput, c.nOutput);
    EXPECT_EQ(c.family, result.dwFamily);
    EXPECT_EQ(c.input, result.input);
    EXPECT_EQ(c.output, result.output);
    EXPECT_EQ(c.input == ApplyFaultNone && c.output == ApplyFaultNone, result.Succeeded());
    const char* key = b9x ? kControlPanelKey : kDriverServiceKey;
    EXPECT_EQ(c.in, b9x ? Missing() : Value(key, kValueEnableInput));
    EXPECT_EQ(c.out, Value(key, b9x ? kValueSourceSelection : kValueOutputSource));
    EXPECT_EQ(c.savedIn, Value(kPatchKey, kValueSavedInput));
    EXPECT_EQ(c.savedOut, Value(kPatchKey, kValueSavedOutput));
    if (b9x && c.bDriver && !c.fail) EXPECT_EQ(c.nInput == kChoiceDisabled, IsOpticalMuted());
    EXPECT_EQ(0u, hostwin32::OpenKeyCount());
    EXPECT_FALSE(hostwin32::KeyExists(b9x ? kDriverServiceKey : kControlPanelKey));
  }
}

TEST_F(OpticalChoiceTest, MixerStaysOpenUntilTheCallerDestroysIt) {
  Install9xDriver(true, {2, 0, 0, 0});
  {
    CCardMixer mixer;
    EXPECT_TRUE(ApplyOpticalChoices(kChoiceEnabled, kNoChoice, mixer).Succeeded());
    EXPECT_EQ(1, hostwin32::LoadedLibraryCount());
  }
  EXPECT_EQ(0, hostwin32::LoadedLibraryCount());
  EXPECT_FALSE(IsOpticalMuted());
}

TEST(NeedsRestart, OddCountsOfTheDirectionsReadAtStartUp) {
  const struct {
    DWORD family;
    int nInput, nOutput;
    bool bRestart;
  } kCases[] = {
      {2, 0, 0, false}, {2, 1, 0, true},  {2, 0, 1, true}, {2, 2, 0, false}, {2, 2, 2, false}, {2, 3, 2, true},
      {1, 1, 0, false}, {1, 3, 2, false}, {1, 0, 1, true}, {1, 2, 5, true},  {0, 1, 1, false}, {3, 1, 1, false},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(c.bRestart, NeedsRestart(c.family, c.nInput, c.nOutput)) << c.family << " " << c.nInput << c.nOutput;
}

}  // namespace
