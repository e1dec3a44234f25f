// tests/unit/opticalstore_test.cpp: the read, disable and restore rules on each family, per program variant.
#include "hostfixture.h"
#include "opticalstore.h"

namespace {

// Opens what a program's sequence opens, for one family, and closes it again.
class OpenStore {
 public:
  explicit OpenStore(const ProgramVariant& variant = kOptSwitchVariant) {
    store = {GetPlatformFamily(), &variant, nullptr, nullptr, nullptr};
    const char* settings = store.dwFamily == VER_PLATFORM_WIN32_NT ? kDriverServiceKey : kControlPanelKey;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, settings, 0, KEY_ALL_ACCESS, &store.hSettings);
    RegCreateKeyA(HKEY_LOCAL_MACHINE, variant.pszPatchKey, &store.hPatch);
    mixer.Open(nullptr);
    mixer.Refresh(0);
    store.pMixer = &mixer;
  }
  ~OpenStore() {
    if (store.hSettings) RegCloseKey(store.hSettings);
    if (store.hPatch) RegCloseKey(store.hPatch);
  }
  OpticalStore store;
  CCardMixer mixer;
};

class OpticalStoreTest : public HostTest {};

TEST_F(OpticalStoreTest, OnlyTheFirstByteDecidesTheState) {
  const struct {
    Bytes value;
    bool bOnNt, bOn9xOutput;
  } kCases[] = {
      {{0x00, 0x00, 0x00, 0x00}, false, false},
      {{0x00, 0xFF, 0x01, 0x01}, false, false},
      {{0x01, 0x00, 0x00, 0x00}, true, true},
      {{0xFE}, true, true},
      {{0xFF, 0x00, 0x00, 0x00}, true, false},
      {{}, false, false},
      {Missing(), false, false},
      {{0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true, true},        // exactly as long as asked for
      {{0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true, true},     // one byte longer
      {{0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true, true},  // longer than asked for
  };
  for (const auto& c : kCases)
    for (const DWORD family : {kNtFamily, k9xFamily}) {
      SCOPED_TRACE(testing::PrintToString(c.value) + (family == kNtFamily ? " on NT" : " on 95"));
      hostwin32::Reset();
      family == kNtFamily ? InstallNtDriver(c.value, c.value) : Install9xDriver(false, c.value);
      OpenStore s;
      const bool bOn = family == kNtFamily ? c.bOnNt : c.bOn9xOutput;
      for (const OpticalDirection direction : {OpticalInput, OpticalOutput}) {
        if (!OpticalValueName(s.store, direction)) continue;
        EXPECT_EQ(bOn, QueryOpticalState(s.store, direction));
        // Gone between the short read and the whole one: missing, whatever the short read left in the buffer.
        hostwin32::FailCall("RegQueryValueExA", 2, ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(bOn && c.value.size() <= kCurrentCapacity, QueryOpticalState(s.store, direction));
        hostwin32::ClearFaults();
      }
    }
}

// Restore, by family and variant: what the backup holds and what the driver value becomes.
TEST_F(OpticalStoreTest, RestoreTable) {
  const Bytes kNone = Missing();
  const struct {
    const char* name;
    DWORD family;
    const ProgramVariant* variant;
    OpticalDirection direction;
    Bytes backup;  // kNone: no backup value at all
    Bytes written;
  } kCases[] = {
      {"nt no backup", kNtFamily, &kOptSwitchVariant, OpticalInput, kNone, {1, 0, 0, 0}},
      {"nt backup off", kNtFamily, &kOptSwitchVariant, OpticalInput, {0, 0xAA, 0xBB, 0xCC}, {1, 0xAA, 0xBB, 0xCC}},
      {"nt backup 255 is on", kNtFamily, &kOptSwitchVariant, OpticalOutput, {0xFF, 0, 0, 0}, {0xFF, 0, 0, 0}},
      {"nt round trip", kNtFamily, &kOptSwitchVariant, OpticalOutput, {2, 0, 0, 0}, {2, 0, 0, 0}},
      {"nt short backup written as 4", kNtFamily, &kOptSwitchVariant, OpticalInput, {3, 9}, {3, 9, 0, 0}},
      {"nt empty backup", kNtFamily, &kOptSwitchVariant, OpticalOutput, {}, {1, 0, 0, 0}},
      {"beamset input writes reported length", kNtFamily, &kBeamsetVariant, OpticalInput, {3, 9}, {3, 9}},
      {"beamset output writes 4", kNtFamily, &kBeamsetVariant, OpticalOutput, {3, 9}, {3, 9, 0, 0}},
      {"beamset backup of one off byte", kNtFamily, &kBeamsetVariant, OpticalInput, {0x00}, {1}},
      {"beamset empty backup written whole", kNtFamily, &kBeamsetVariant, OpticalInput, {}, {1, 0, 0, 0}},
      {"beamset no backup written whole", kNtFamily, &kBeamsetVariant, OpticalInput, kNone, {1, 0, 0, 0}},
      {"95 no backup", k9xFamily, &kOptSwitchVariant, OpticalOutput, kNone, {1, 0, 0, 0}},
      {"95 backup 255", k9xFamily, &kOptSwitchVariant, OpticalOutput, {0xFF, 7, 0, 0}, {1, 7, 0, 0}},
      {"95 backup 0", k9xFamily, &kOptSwitchVariant, OpticalOutput, {0, 0, 0, 0}, {1, 0, 0, 0}},
      {"95 reported length", k9xFamily, &kOptSwitchVariant, OpticalOutput, {2, 5}, {2, 5}},
      {"95 empty backup written whole", k9xFamily, &kOptSwitchVariant, OpticalOutput, {}, {1, 0, 0, 0}},
      {"95 long backup keeps 4", k9xFamily, &kOptSwitchVariant, OpticalOutput, {2, 5, 6, 7, 8, 9}, {2, 5, 6, 7}},
      {"95 beamset writes 4", k9xFamily, &kBeamsetVariant, OpticalOutput, {2, 5}, {2, 5, 0, 0}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    hostwin32::Reset();
    if (c.family == VER_PLATFORM_WIN32_NT)
      InstallNtDriver({0, 0, 0, 0}, {0, 0, 0, 0});
    else
      Install9xDriver(true, {0xFF, 0, 0, 0});
    const char* saved = c.direction == OpticalInput ? kValueSavedInput : kValueSavedOutput;
    Seed(kPatchKey, saved, c.backup);
    OpenStore s(*c.variant);
    EXPECT_TRUE(RestoreOptical(s.store, c.direction, c.variant->RestoreFor(c.family, c.direction)));
    const char* key = c.family == VER_PLATFORM_WIN32_NT ? kDriverServiceKey : kControlPanelKey;
    EXPECT_EQ(c.written, Value(key, OpticalValueName(s.store, c.direction)));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), TypeOf(key, OpticalValueName(s.store, c.direction)));
    // The backup itself is never removed or changed by a restore.
    EXPECT_EQ(c.backup, Value(kPatchKey, saved));
  }
}

TEST_F(OpticalStoreTest, FailedVersionQueryIsNoFamily) {
  hostwin32::FailCall("GetVersionExA", 1, 0);
  EXPECT_EQ(0u, GetPlatformFamily());
  EXPECT_EQ(VER_PLATFORM_WIN32_NT, GetPlatformFamily());
}

}  // namespace
