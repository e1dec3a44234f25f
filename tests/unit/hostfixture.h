// tests/unit/hostfixture.h: a clean in-memory machine per test, short ways to seed and read it, and which
// failing calls a pass needed.
#pragma once

#include <gtest/gtest.h>
#include <hostwin32/testhost.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "cardmixer.h"
#include "opticalregistry.h"

using Bytes = std::vector<BYTE>;

// The Windows families by name, as GetVersionExA reports them.
const DWORD kNtFamily = VER_PLATFORM_WIN32_NT;
const DWORD k9xFamily = VER_PLATFORM_WIN32_WINDOWS;
const DWORD kWin32sFamily = VER_PLATFORM_WIN32s;

// The calls a pass makes that the stand-in can fail. A failed version query reads as an unsupported
// family, which has tests of its own.
inline const char* const kFaultableCalls[] = {
    "RegOpenKeyExA",         "RegCreateKeyA",           "RegQueryValueExA",       "RegSetValueExA",   "RegCloseKey",
    "LoadLibraryA",          "GetProcAddress",          "mixerGetNumDevs",        "mixerGetDevCapsA", "mixerOpen",
    "mixerGetLineControlsA", "mixerGetControlDetailsA", "mixerSetControlDetails", "mixerClose",
    "GetStdHandle",          "WriteFile",
};

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override { hostwin32::Reset(); }

  // The driver's keys as an install leaves them; a value given as Missing() is left out.
  static void InstallNtDriver(const Bytes& input, const Bytes& output) {
    hostwin32::SetPlatformId(VER_PLATFORM_WIN32_NT);
    hostwin32::CreateKey(kDriverServiceKey);
    Seed(kDriverServiceKey, kValueEnableInput, input);
    Seed(kDriverServiceKey, kValueOutputSource, output);
  }
  static void Install9xDriver(bool bInputMuted, const Bytes& sourceSelection) {
    hostwin32::SetPlatformId(VER_PLATFORM_WIN32_WINDOWS);
    hostwin32::CreateKey(kControlPanelKey);
    Seed(kControlPanelKey, kValueSourceSelection, sourceSelection);
    hostwin32::Mixer().devices.push_back(mixermodel::ArpeggioDeluxe());
    SetOpticalMute(bInputMuted);
  }

  static mixermodel::Control* OpticalMute(size_t nDevice = 0) {
    return hostwin32::Mixer().FindLineControl(nDevice, mixermodel::kArpeggioOpticalLine, MIXERCONTROL_CONTROLTYPE_MUTE);
  }
  static void SetOpticalMute(bool bMuted) { OpticalMute()->values.assign(1, bMuted ? 1 : 0); }
  static bool IsOpticalMuted() { return OpticalMute()->values[0] == 1; }

  // A value's bytes, or Missing() when there is no such value.
  static Bytes Value(const char* key, const char* name) {
    hostwin32::RegValue v;
    return hostwin32::GetValue(key, name, &v) ? v.data : Missing();
  }
  static DWORD TypeOf(const char* key, const char* name) {
    hostwin32::RegValue v;
    return hostwin32::GetValue(key, name, &v) ? v.dwType : REG_NONE;
  }
  static Bytes Missing() { return Bytes{'?', 'm', 'i', 's', 's', 'i', 'n', 'g'}; }
  static void Seed(const char* key, const char* name, const Bytes& value) {
    if (value != Missing()) hostwin32::SetValue(key, name, REG_BINARY, value);
  }
  // The nth logged call of a function (1 = the first), or null.
  static const hostwin32::Call* LoggedCall(const std::string& function, int nth) {
    for (const hostwin32::Call& c : hostwin32::Calls())
      if (c.function == function && --nth == 0) return &c;
    return nullptr;
  }
  // Which logged call of a function (1 = the first) has arguments containing part; 0 if none.
  static int NthCallWith(const std::string& function, const std::string& part) {
    int n = 0;
    for (const hostwin32::Call& c : hostwin32::Calls()) {
      if (c.function != function) continue;
      ++n;
      if (c.args.find(part) != std::string::npos) return n;
    }
    return 0;
  }
  // Whether a tool needed a call that failed: every call but the closing ones, and of the card's
  // lines only what concerns entry 7's mute: listing its line, and reading it (the tools that read it).
  static bool IsNeeded(bool bReadsMute, const hostwin32::Call& call) {
    if (call.function == "RegCloseKey" || call.function == "mixerClose") return false;
    if (call.function == "mixerGetLineControlsA") return call.args.find(OpticalLineArg()) != std::string::npos;
    if (call.function == "mixerGetControlDetailsA")
      return bReadsMute && call.args.find(OpticalMuteArg()) != std::string::npos;
    return true;
  }
  static std::string OpticalLineArg() {
    char sz[32];
    snprintf(sz, sizeof sz, ", line 0x%lx,", static_cast<unsigned long>(mixermodel::kArpeggioOpticalLine));
    return sz;
  }
  static std::string OpticalMuteArg() { return ", control " + std::to_string(OpticalMute()->dwControlID) + ","; }
};
