// tests/unit/opticalchoice_test.cpp: Beamset's read and apply sequences, and what each failure is reported as.
#include <stdio.h>
#include <string.h>

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
  // "-" is no value.
  static Bytes FromHex(const char* psz) {
    if (strcmp(psz, "-") == 0) return Missing();
    Bytes b;
    for (unsigned int x; psz[0] && psz[1] && sscanf(psz, "%2x", &x) == 1; psz += 2) b.push_back(static_cast<BYTE>(x));
    return b;
  }
};

// Reading needs read access only and writes nothing; what could not be read is no choice, so it is never applied
// as one. A missing value is read, as off; the 95 family's input is the card's mute as the mixer reads it now.
TEST_F(OpticalChoiceTest, ReadTable) {
  const struct {
    const char* name;
    DWORD family;
    bool bDriver;
    bool bMuted;       // the 95 family's input
    const char* fail;  // the first call of this function fails; for the mixer, the one reading entry 7's mute
    OpticalDirection direction;
    int nChoice;
  } kCases[] = {
      {"nt input on", kNtFamily, true, false, nullptr, OpticalInput, kChoiceEnabled},
      {"nt output missing reads as off", kNtFamily, true, false, nullptr, OpticalOutput, kChoiceDisabled},
      {"nt value unreadable", kNtFamily, true, false, "RegQueryValueExA", OpticalInput, kNoChoice},
      {"nt key denied", kNtFamily, true, false, "RegOpenKeyExA", OpticalOutput, kNoChoice},
      {"nt driver not installed", kNtFamily, false, false, nullptr, OpticalInput, kNoChoice},
      {"95 input not muted", k9xFamily, true, false, nullptr, OpticalInput, kChoiceEnabled},
      {"95 input muted", k9xFamily, true, true, nullptr, OpticalInput, kChoiceDisabled},
      {"95 output 255 is off", k9xFamily, true, false, nullptr, OpticalOutput, kChoiceDisabled},
      {"95 without the card's mixer", k9xFamily, false, false, nullptr, OpticalInput, kNoChoice},
      {"95 mute unreadable", k9xFamily, true, false, "mixerGetControlDetailsA", OpticalInput, kNoChoice},
      {"95 control panel value unreadable", k9xFamily, true, false, "RegQueryValueExA", OpticalOutput, kNoChoice},
      {"other family", kWin32sFamily, true, false, nullptr, OpticalInput, kNoChoice},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const auto seed = [&c] {
      hostwin32::Reset();
      if (c.family == kNtFamily && c.bDriver) InstallNtDriver({0x01, 0x00}, Missing());
      if (c.family != kNtFamily && c.bDriver) Install9xDriver(c.bMuted, {0xFF});
      hostwin32::SetPlatformId(c.family);
    };
    seed();
    int nth = 1;
    if (c.fail && strncmp(c.fail, "mixer", 5) == 0) {  // a first read finds the call that reads entry 7's mute
      ReadOpticalChoice(c.direction);
      nth = NthCallWith(c.fail, OpticalMuteArg());
      seed();
    }
    if (c.fail) hostwin32::FailCall(c.fail, nth, ERROR_ACCESS_DENIED);
    EXPECT_EQ(c.nChoice, ReadOpticalChoice(c.direction));
    // A user who may not change the value still sees it as it is.
    for (const hostwin32::Call& call : hostwin32::Calls())
      if (call.function == "RegOpenKeyExA") EXPECT_NE(std::string::npos, call.args.find(", 0x20019")) << call.args;
    EXPECT_EQ(0u, hostwin32::CountCalls("RegSetValueExA") + hostwin32::CountCalls("mixerSetControlDetails"));
    EXPECT_EQ(0u, hostwin32::OpenKeyCount());
    EXPECT_FALSE(hostwin32::KeyExists(kPatchKey));
  }
}

// One apply on a seeded machine: each direction's fault, whether it was written, and the bytes it leaves.
// On the 95 family the input is the card's mute, seeded and shown as 00 (muted) or 01 (not).
TEST_F(OpticalChoiceTest, ApplyTable) {
  const int E = kChoiceEnabled, D = kChoiceDisabled, N = kNoChoice;
  const ApplyFault kOk = ApplyFaultNone, kNoKey = ApplyFaultKeyMissing, kDenied = ApplyFaultAccessDenied,
                   kNoMixer = ApplyFaultMixerMissing, kRefused = ApplyFaultMixerRefused,
                   kNoSaved = ApplyFaultSavedUnreadable, kNoRead = ApplyFaultUnreadable, kWrite = ApplyFaultWriteFailed;
  const struct {
    const char* name;
    DWORD family;
    bool bDriver;      // the driver's key is installed (on the 95 family, the card's mixer too)
    const char* fail;  // this call of this function fails with access denied
    int nth;           // 0 for the mixer's read of entry 7's mute
    const char* seed;  // input, output, saved input, saved output; "-" for none
    int nInput, nOutput;
    ApplyFault input, output;
    const char* written;  // "i", "o": the directions the apply reports as switched
    const char* after;
  } kCases[] = {
      {"nt disable in, enable out", kNtFamily, true, nullptr, 0, "02000000 00000000 - 03010000", D, E, kOk, kOk, "io",
       "00000000 03010000 02000000 03010000"},
      {"nt enabled, nothing saved: the default", kNtFamily, true, nullptr, 0, "00000000 00000000 - -", E, N, kOk, kOk, "i",
       "01000000 00000000 - -"},
      {"nt enabled over custom on-values", kNtFamily, true, nullptr, 0, "05000000 03020000 - -", E, E, kOk, kOk, "",
       "05000000 03020000 - -"},
      {"nt enabled over on-values, stale backups", kNtFamily, true, nullptr, 0, "05000000 03020000 07000000 09000000", E, E,
       kOk, kOk, "", "05000000 03020000 07000000 09000000"},
      {"nt disabled over off-values", kNtFamily, true, nullptr, 0, "00050000 00000000 - 03010000", D, D, kOk, kOk, "",
       "00050000 00000000 - 03010000"},
      {"nt no choice touches nothing", kNtFamily, true, nullptr, 0, "02000000 00000000 - 03010000", N, N, kOk, kOk, "",
       "02000000 00000000 - 03010000"},
      {"nt no driver", kNtFamily, false, nullptr, 0, "- - - 03010000", E, D, kNoKey, kNoKey, "", "- - - 03010000"},
      {"nt no driver, nothing chosen", kNtFamily, false, nullptr, 0, "- - - -", N, N, kOk, kOk, "", "- - - -"},
      {"nt no driver, patch key denied: the driver is named", kNtFamily, false, "RegCreateKeyA", 1, "- - - -", E, N,
       kNoKey, kOk, "", "- - - -"},
      {"nt driver key denied", kNtFamily, true, "RegOpenKeyExA", 1, "02000000 00000000 - 03010000", D, E, kDenied, kDenied, "",
       "02000000 00000000 - 03010000"},
      {"nt patch key denied", kNtFamily, true, "RegCreateKeyA", 1, "02000000 00000000 - 03010000", D, D, kDenied, kOk, "",
       "02000000 00000000 - 03010000"},
      {"nt enabled, patch key denied", kNtFamily, true, "RegCreateKeyA", 1, "00000000 00000000 - 03010000", E, E, kDenied,
       kDenied, "", "00000000 00000000 - 03010000"},
      {"nt write fails, output still written", kNtFamily, true, "RegSetValueExA", 1, "02000000 00000000 - 03010000", D, E,
       kWrite, kOk, "o", "02000000 03010000 - 03010000"},
      {"nt current value unreadable", kNtFamily, true, "RegQueryValueExA", 1, "00000000 00000000 - 03010000", N, E, kOk,
       kNoRead, "", "00000000 00000000 - 03010000"},
      {"nt unreadable backup", kNtFamily, true, "RegQueryValueExA", 2, "02000000 00000000 - 03010000", N, E, kOk, kNoSaved, "",
       "02000000 00000000 - 03010000"},
      {"95 disable both", k9xFamily, true, nullptr, 0, "01 02000000 - -", D, D, kOk, kOk, "io", "00 FF000000 - 02000000"},
      {"95 enable both", k9xFamily, true, nullptr, 0, "00 FF000000 - 07000000", E, E, kOk, kOk, "io", "01 07000000 - 07000000"},
      {"95 enabled over a custom on-value", k9xFamily, true, nullptr, 0, "01 05000000 - 09000000", E, E, kOk, kOk, "",
       "01 05000000 - 09000000"},
      {"95 no mixer, no control panel key", k9xFamily, false, nullptr, 0, "- - - -", D, D, kNoMixer, kNoKey, "", "- - - -"},
      {"95 mute not taken", k9xFamily, true, "mixerSetControlDetails", 1, "01 02000000 - -", D, D, kRefused, kOk, "o",
       "01 FF000000 - 02000000"},
      {"95 mute unreadable but written", k9xFamily, true, "mixerGetControlDetailsA", 0, "01 02000000 - -", D, N, kOk,
       kOk, "i", "00 02000000 - -"},
      {"95 patch key denied: no rights to blame", k9xFamily, true, "RegCreateKeyA", 1, "01 02000000 - -", N, D, kOk, kWrite, "",
       "01 02000000 - -"},
      {"95 enabled, patch key denied", k9xFamily, true, "RegCreateKeyA", 1, "01 FF000000 - 02000000", N, E, kOk, kWrite, "",
       "01 FF000000 - 02000000"},
      {"95 unreadable backup", k9xFamily, true, "RegQueryValueExA", 2, "01 FF000000 - 02000000", N, E, kOk, kNoSaved, "",
       "01 FF000000 - 02000000"},
      {"no family writes nothing", kWin32sFamily, true, nullptr, 0, "02000000 00000000 - 03010000", D, D, kOk, kOk, "",
       "02000000 00000000 - 03010000"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    hostwin32::Reset();
    const bool b9x = c.family == VER_PLATFORM_WIN32_WINDOWS;
    const char* key = b9x ? kControlPanelKey : kDriverServiceKey;
    const char* output = b9x ? kValueSourceSelection : kValueOutputSource;
    char in[16], out[16], savedIn[16], savedOut[16];
    ASSERT_EQ(4, sscanf(c.seed, "%15s %15s %15s %15s", in, out, savedIn, savedOut));
    if (b9x && c.bDriver) {
      Install9xDriver(strcmp(in, "00") == 0, FromHex(out));
    } else if (c.bDriver) {
      InstallNtDriver(FromHex(in), FromHex(out));
    }
    Seed(kPatchKey, kValueSavedInput, FromHex(savedIn));
    Seed(kPatchKey, kValueSavedOutput, FromHex(savedOut));
    hostwin32::SetPlatformId(c.family);
    int nth = c.nth;
    if (c.fail && nth == 0) {  // the apply opens and reads the card as a fresh mixer does
      CCardMixer probe;
      probe.Open(nullptr);
      probe.Refresh(0);
      nth = NthCallWith(c.fail, OpticalMuteArg());
      hostwin32::ClearCalls();
    }
    if (c.fail) hostwin32::FailCall(c.fail, nth, ERROR_ACCESS_DENIED);

    CCardMixer mixer;
    const OpticalApplyResult result = ApplyOpticalChoices(c.nInput, c.nOutput, mixer);
    EXPECT_EQ(c.family, result.dwFamily);
    EXPECT_EQ(c.input, result.input);
    EXPECT_EQ(c.output, result.output);
    EXPECT_EQ(c.input == kOk && c.output == kOk, result.Succeeded());
    EXPECT_EQ(strchr(c.written, 'i') != nullptr, result.bInputWritten);
    EXPECT_EQ(strchr(c.written, 'o') != nullptr, result.bOutputWritten);
    const std::string strInput = !b9x               ? Hex(Value(key, kValueEnableInput))
                                 : !c.bDriver       ? "-"
                                 : IsOpticalMuted() ? "00"
                                                    : "01";
    EXPECT_EQ(c.after, strInput + " " + Hex(Value(key, output)) + " " + Hex(Value(kPatchKey, kValueSavedInput)) + " " +
                           Hex(Value(kPatchKey, kValueSavedOutput)));
    EXPECT_EQ(0u, hostwin32::OpenKeyCount());
    EXPECT_FALSE(hostwin32::KeyExists(b9x ? kDriverServiceKey : kControlPanelKey));
    if (c.nInput == N && c.nOutput == N)  // nothing to apply: no key is opened or created, the card left alone
      EXPECT_EQ(hostwin32::CountCalls("GetVersionExA"), hostwin32::Calls().size());
  }
}

// The prompt's rule: a direction written by this apply after an odd number of changes, where the family
// reads it at start-up.
TEST(NeedsRestartTest, OddChangesOfAWrittenDirectionReadAtStartUp) {
  const struct {
    DWORD family;
    bool bInputWritten, bOutputWritten;
    int nInputChanges, nOutputChanges;
    bool bPrompt;
  } kCases[] = {
      {kNtFamily, true, true, 1, 0, true},      {kNtFamily, true, true, 0, 3, true},
      {kNtFamily, true, true, 2, 0, false},     {kNtFamily, true, true, 0, 2, false},
      {kNtFamily, false, true, 1, 0, false},    {kNtFamily, true, false, 0, 1, false},
      {kNtFamily, false, true, 1, 1, true},     {k9xFamily, true, true, 1, 0, false},  // the 95 input: at once
      {k9xFamily, true, true, 0, 1, true},      {k9xFamily, true, false, 0, 1, false},
      {k9xFamily, true, true, 2, 2, false},     {kWin32sFamily, true, true, 1, 1, false},
  };
  for (const auto& c : kCases) {
    const OpticalApplyResult result = {c.family, ApplyFaultNone, ApplyFaultNone, c.bInputWritten, c.bOutputWritten};
    EXPECT_EQ(c.bPrompt, NeedsRestart(result, c.nInputChanges, c.nOutputChanges))
        << c.family << " written " << c.bInputWritten << c.bOutputWritten << " changes " << c.nInputChanges << ","
        << c.nOutputChanges;
  }
}

}  // namespace
