// tests/unit/hostfixture.h: a clean in-memory machine per test, and short ways to seed and read it.
#pragma once

#include <gtest/gtest.h>
#include <hostwin32/testhost.h>

#include <string>
#include <vector>

#include "cardmixer.h"
#include "opticalregistry.h"

using Bytes = std::vector<BYTE>;

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override { hostwin32::Reset(); }

  // The driver's keys as an install leaves them.
  static void InstallNtDriver(const Bytes& input, const Bytes& output) {
    hostwin32::SetPlatformId(VER_PLATFORM_WIN32_NT);
    hostwin32::SetValue(kDriverServiceKey, kValueEnableInput, REG_BINARY, input);
    hostwin32::SetValue(kDriverServiceKey, kValueOutputSource, REG_BINARY, output);
  }
  static void Install9xDriver(bool bInputMuted, const Bytes& sourceSelection) {
    hostwin32::SetPlatformId(VER_PLATFORM_WIN32_WINDOWS);
    hostwin32::SetValue(kControlPanelKey, kValueSourceSelection, REG_BINARY, sourceSelection);
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
  static bool Exists(const char* key, const char* name) {
    hostwin32::RegValue v;
    return hostwin32::GetValue(key, name, &v);
  }
  static Bytes Missing() { return Bytes{'?', 'm', 'i', 's', 's', 'i', 'n', 'g'}; }
};
