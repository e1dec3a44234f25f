// tests/unit/property_test.cpp: long random runs of both tools while the driver changes its own values.
// Whatever the order, a backup never holds an off value and a restore brings back the last on-value.
#include <random>

#include "backuppass.h"
#include "hostfixture.h"
#include "opticalstore.h"
#include "switchpass.h"
#include "toolexit.h"

namespace {

const int kSteps = 10000;

class PropertyTest : public HostTest, public testing::WithParamInterface<DWORD> {
 protected:
  static Bytes First4(const Bytes& b) {
    Bytes r(b.begin(), b.begin() + std::min<size_t>(4, b.size()));
    r.resize(4, 0);
    return r;
  }
};

TEST_P(PropertyTest, RandomRunsKeepTheLastOnValue) {
  const DWORD family = GetParam();
  const bool b9x = family == VER_PLATFORM_WIN32_WINDOWS;
  std::mt19937 rng(20021205u + family);
  auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };

  if (b9x)
    Install9xDriver(false, {2, 0, 0, 0});
  else
    InstallNtDriver({1, 0, 0, 0}, {2, 0, 0, 0});
  // What each direction's last on-value was; empty while it never held one.
  Bytes lastOn[2] = {b9x ? Bytes() : Bytes{1, 0, 0, 0}, {2, 0, 0, 0}};
  const char* key = b9x ? kControlPanelKey : kDriverServiceKey;
  const char* names[2] = {kValueEnableInput, b9x ? kValueSourceSelection : kValueOutputSource};
  const BYTE offByte[2] = {0, static_cast<BYTE>(b9x ? 0xFF : 0)};
  const auto isOn = [&](int d, const Bytes& v) { return !v.empty() && v[0] != 0 && v[0] != offByte[d]; };
  bool muted = false;

  const char* const kArgs[] = {"BOTH", "B", "IN", "INPUT", "OUT", "O", "", "in", "out", "both", "Bx", "x", "\t"};
  int counts[3] = {0, 0, 0};
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
      const char* args = kArgs[pick(sizeof kArgs / sizeof kArgs[0])];
      const SwitchRequest request = ParseSwitchRequest(args);
      const bool disable[2] = {request.bDisableInput, request.bDisableOutput};
      ASSERT_EQ(kExitDone, RunOptSwitch((std::string("optswitch.exe ") + args).c_str())) << step;
      for (int d = b9x ? 1 : 0; d < 2; ++d) {
        const Bytes now = Value(key, names[d]);
        if (disable[d])
          ASSERT_EQ(Bytes({offByte[d], 0, 0, 0}), now) << step;
        else
          ASSERT_EQ(lastOn[d].empty() ? Bytes({1, 0, 0, 0}) : lastOn[d], First4(now)) << step << " " << args;
        if (!disable[d] && lastOn[d].empty()) lastOn[d] = {1, 0, 0, 0};
      }
      if (b9x) {
        muted = disable[0];
        ASSERT_EQ(muted, IsOpticalMuted());
      }
      ++counts[1];
    } else {
      ASSERT_EQ(kExitDone, RunOptBackup());
      const bool inOn = b9x ? !muted : isOn(0, Value(key, names[0]));
      Bytes recorded{static_cast<BYTE>(inOn ? '1' : '0')};
      if (b9x) recorded.push_back(0);  // the 95 family stores a text's terminator
      ASSERT_EQ(recorded, Value(kPatchKey, kValueStateInput)) << step;
      ++counts[2];
    }
    for (int d = 0; d < 2; ++d) {
      const Bytes saved = Value(kPatchKey, d == 0 ? kValueSavedInput : kValueSavedOutput);
      if (saved != Missing()) ASSERT_TRUE(isOn(d, saved)) << step << " backup holds an off value";
    }
  }
  EXPECT_EQ(0u, hostwin32::OpenKeyCount());
  // Every kind of step happened often.
  for (int n : counts) EXPECT_GT(n, kSteps / 10);
  printf("[property] family %u: %d steps (%d driver changes, %d optswitch, %d optbackup)\n", family, kSteps, counts[0],
         counts[1], counts[2]);
}

INSTANTIATE_TEST_SUITE_P(Families, PropertyTest, testing::Values(VER_PLATFORM_WIN32_NT, VER_PLATFORM_WIN32_WINDOWS));

}  // namespace
