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
      {{0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true, true},        // exactly as long as asked for
      {{0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true, true},     // one byte longer
      {{0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true, true},  // longer than asked for
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.value));
    hostwin32::Reset();
    InstallNtDriver(c.value, c.value);
    {
      OpenStore s;
      EXPECT_EQ(c.bOnNt, QueryOpticalState(s.store, OpticalInput));
      EXPECT_EQ(c.bOnNt, QueryOpticalState(s.store, OpticalOutput));
    }
    hostwin32::Reset();
    Install9xDriver(false, c.value);
    OpenStore s;
    EXPECT_EQ(c.bOn9xOutput, QueryOpticalState(s.store, OpticalOutput));
  }
}

TEST_F(OpticalStoreTest, MissingValuesAndKeysReadAsOff) {
  hostwin32::SetPlatformId(VER_PLATFORM_WIN32_NT);
  {
    OpenStore s;
    EXPECT_FALSE(QueryOpticalState(s.store, OpticalInput));
  }
  hostwin32::CreateKey(kDriverServiceKey);
  OpenStore s;
  EXPECT_FALSE(QueryOpticalState(s.store, OpticalOutput));
}

TEST_F(OpticalStoreTest, BackupToolReadsItsOwnOutputValue) {
  InstallNtDriver({1, 0, 0, 0}, {2, 0, 0, 0});
  OpenStore s(kOptBackupVariant);
  EXPECT_FALSE(QueryOpticalState(s.store, OpticalOutput));  // no SPDIFEnableOutput
  hostwin32::SetValue(kDriverServiceKey, kValueEnableOutput, REG_BINARY, {1, 0, 0, 0});
  EXPECT_TRUE(QueryOpticalState(s.store, OpticalOutput));
}

TEST_F(OpticalStoreTest, NinetyFiveInputIsTheMuteOfEntrySeven) {
  Install9xDriver(true, {2, 0, 0, 0});
  {
    OpenStore s;
    EXPECT_FALSE(QueryOpticalState(s.store, OpticalInput));
    EXPECT_TRUE(RestoreOptical(s.store, OpticalInput, {false}));
  }
  EXPECT_FALSE(IsOpticalMuted());
  {
    OpenStore s;
    EXPECT_TRUE(QueryOpticalState(s.store, OpticalInput));
    EXPECT_TRUE(DisableOptical(s.store, OpticalInput));
  }
  EXPECT_TRUE(IsOpticalMuted());
  EXPECT_FALSE(Exists(kPatchKey, kValueSavedInput));  // the mixer is its own record
}

TEST_F(OpticalStoreTest, DisablingTwiceKeepsTheFirstBackup) {
  InstallNtDriver({0x02, 0x00, 0x00, 0x00}, {0x03, 0x01, 0x00, 0x00});
  for (int run = 0; run < 2; ++run) {
    OpenStore s(kBeamsetVariant);
    EXPECT_TRUE(DisableOptical(s.store, OpticalInput));
    EXPECT_TRUE(DisableOptical(s.store, OpticalOutput));
  }
  EXPECT_EQ(Bytes({0, 0, 0, 0}), Value(kDriverServiceKey, kValueEnableInput));
  EXPECT_EQ(Bytes({0, 0, 0, 0}), Value(kDriverServiceKey, kValueOutputSource));
  EXPECT_EQ(Bytes({2, 0, 0, 0}), Value(kPatchKey, kValueSavedInput));
  EXPECT_EQ(Bytes({3, 1, 0, 0}), Value(kPatchKey, kValueSavedOutput));
  EXPECT_EQ(static_cast<DWORD>(REG_BINARY), TypeOf(kPatchKey, kValueSavedOutput));
  OpenStore s(kBeamsetVariant);
  EXPECT_TRUE(RestoreOptical(s.store, OpticalInput, kBeamsetVariant.ntInput));
  EXPECT_TRUE(RestoreOptical(s.store, OpticalOutput, kBeamsetVariant.ntOutput));
  EXPECT_EQ(Bytes({2, 0, 0, 0}), Value(kDriverServiceKey, kValueEnableInput));
  EXPECT_EQ(Bytes({3, 1, 0, 0}), Value(kDriverServiceKey, kValueOutputSource));
}

TEST_F(OpticalStoreTest, OnlyFourBytesAreSavedEvenOfALongValue) {
  InstallNtDriver({0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D}, {0x05, 0x06});
  OpenStore s;
  EXPECT_TRUE(DisableOptical(s.store, OpticalInput));
  EXPECT_TRUE(DisableOptical(s.store, OpticalOutput));
  EXPECT_EQ(Bytes({2, 3, 4, 5}), Value(kPatchKey, kValueSavedInput));
  EXPECT_EQ(Bytes({5, 6, 0, 0}), Value(kPatchKey, kValueSavedOutput));  // zero-filled buffer
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
      {"nt no backup", 2, &kOptSwitchVariant, OpticalInput, kNone, {1, 0, 0, 0}},
      {"nt backup off", 2, &kOptSwitchVariant, OpticalInput, {0, 0xAA, 0xBB, 0xCC}, {1, 0xAA, 0xBB, 0xCC}},
      {"nt backup 255 is on", 2, &kOptSwitchVariant, OpticalOutput, {0xFF, 0, 0, 0}, {0xFF, 0, 0, 0}},
      {"nt round trip", 2, &kOptSwitchVariant, OpticalOutput, {2, 0, 0, 0}, {2, 0, 0, 0}},
      {"nt short backup written as 4", 2, &kOptSwitchVariant, OpticalInput, {3, 9}, {3, 9, 0, 0}},
      {"nt empty backup", 2, &kOptSwitchVariant, OpticalOutput, {}, {1, 0, 0, 0}},
      {"beamset input writes reported length", 2, &kBeamsetVariant, OpticalInput, {3, 9}, {3, 9}},
      {"beamset output writes 4", 2, &kBeamsetVariant, OpticalOutput, {3, 9}, {3, 9, 0, 0}},
      {"beamset backup of one off byte", 2, &kBeamsetVariant, OpticalInput, {0x00}, {1}},
      {"beamset empty backup written whole", 2, &kBeamsetVariant, OpticalInput, {}, {1, 0, 0, 0}},
      {"beamset no backup written whole", 2, &kBeamsetVariant, OpticalInput, kNone, {1, 0, 0, 0}},
      {"95 no backup", 1, &kOptSwitchVariant, OpticalOutput, kNone, {1, 0, 0, 0}},
      {"95 backup 255", 1, &kOptSwitchVariant, OpticalOutput, {0xFF, 7, 0, 0}, {1, 7, 0, 0}},
      {"95 backup 0", 1, &kOptSwitchVariant, OpticalOutput, {0, 0, 0, 0}, {1, 0, 0, 0}},
      {"95 reported length", 1, &kOptSwitchVariant, OpticalOutput, {2, 5}, {2, 5}},
      {"95 empty backup written whole", 1, &kOptSwitchVariant, OpticalOutput, {}, {1, 0, 0, 0}},
      {"95 long backup keeps 4", 1, &kOptSwitchVariant, OpticalOutput, {2, 5, 6, 7, 8, 9}, {2, 5, 6, 7}},
      {"95 beamset writes 4", 1, &kBeamsetVariant, OpticalOutput, {2, 5}, {2, 5, 0, 0}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    hostwin32::Reset();
    if (c.family == VER_PLATFORM_WIN32_NT)
      InstallNtDriver({0, 0, 0, 0}, {0, 0, 0, 0});
    else
      Install9xDriver(true, {0xFF, 0, 0, 0});
    const char* saved = c.direction == OpticalInput ? kValueSavedInput : kValueSavedOutput;
    if (c.backup != kNone) hostwin32::SetValue(kPatchKey, saved, REG_BINARY, c.backup);
    OpenStore s(*c.variant);
    EXPECT_TRUE(RestoreOptical(s.store, c.direction, c.variant->RestoreFor(c.family, c.direction)));
    const char* key = c.family == VER_PLATFORM_WIN32_NT ? kDriverServiceKey : kControlPanelKey;
    EXPECT_EQ(c.written, Value(key, OpticalValueName(s.store, c.direction)));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), TypeOf(key, OpticalValueName(s.store, c.direction)));
    // The backup itself is never removed or changed by a restore.
    EXPECT_EQ(c.backup, Value(kPatchKey, saved));
  }
}

// A backup that exists but cannot be read may be the only copy of an on-value: the default must not
// take the driver's value, or the next run would save it over that backup.
TEST_F(OpticalStoreTest, UnreadableBackupWritesNothing) {
  const struct {
    const char* name;
    DWORD family;
    Bytes backup;
    int nFailingQuery;  // which query of the backup fails; 0: the patch key is not open
  } kCases[] = {
      {"nt", 2, {3, 0, 0, 0}, 1},
      {"nt long backup, its size", 2, {3, 0, 0, 0, 9}, 2},
      {"nt long backup, read whole", 2, {3, 0, 0, 0, 9}, 3},
      {"nt no patch key", 2, {3, 0, 0, 0}, 0},
      {"95", 1, {3, 0, 0, 0}, 1},
      {"95 long backup, read whole", 1, {3, 0, 0, 0, 9}, 3},
      {"95 no patch key", 1, {3, 0, 0, 0}, 0},
  };
  for (const auto& c : kCases)
    for (const ProgramVariant* variant : {&kOptSwitchVariant, &kBeamsetVariant}) {
      SCOPED_TRACE(c.name);
      hostwin32::Reset();
      const Bytes off = {static_cast<BYTE>(c.family == VER_PLATFORM_WIN32_NT ? 0 : 0xFF), 0, 0, 0};
      if (c.family == VER_PLATFORM_WIN32_NT)
        InstallNtDriver(off, off);
      else
        Install9xDriver(true, off);
      hostwin32::SetValue(kPatchKey, kValueSavedOutput, REG_BINARY, c.backup);
      OpenStore s(*variant);
      if (c.nFailingQuery > 0) {
        hostwin32::FailCall("RegQueryValueExA", c.nFailingQuery, ERROR_ACCESS_DENIED);
      } else {
        RegCloseKey(s.store.hPatch);
        s.store.hPatch = nullptr;
      }
      EXPECT_FALSE(RestoreOptical(s.store, OpticalOutput, variant->RestoreFor(c.family, OpticalOutput)));
      EXPECT_EQ(off, Value(c.family == VER_PLATFORM_WIN32_NT ? kDriverServiceKey : kControlPanelKey,
                           OpticalValueName(s.store, OpticalOutput)));
      EXPECT_EQ(c.backup, Value(kPatchKey, kValueSavedOutput));
      hostwin32::ClearFaults();
    }
}

TEST_F(OpticalStoreTest, NinetyFiveOffValuesAreNeverBackedUp) {
  for (BYTE first : {BYTE{0x00}, BYTE{0xFF}}) {
    hostwin32::Reset();
    Install9xDriver(false, {first, 0, 0, 0});
    hostwin32::SetValue(kPatchKey, kValueSavedOutput, REG_BINARY, {4, 0, 0, 0});
    OpenStore s;
    EXPECT_TRUE(DisableOptical(s.store, OpticalOutput));
    EXPECT_EQ(Bytes({4, 0, 0, 0}), Value(kPatchKey, kValueSavedOutput));
    EXPECT_EQ(Bytes({0xFF, 0, 0, 0}), Value(kControlPanelKey, kValueSourceSelection));
  }
}

TEST_F(OpticalStoreTest, OtherFamiliesTouchNothing) {
  for (DWORD family : {0u, 3u, 0xFFFFFFFFu}) {
    hostwin32::Reset();
    InstallNtDriver({1, 0, 0, 0}, {2, 0, 0, 0});
    hostwin32::Mixer().devices.push_back(mixermodel::ArpeggioDeluxe());
    hostwin32::SetPlatformId(family);
    OpticalStore store = {GetPlatformFamily(), &kBeamsetVariant, nullptr, nullptr, nullptr};
    EXPECT_EQ(family, store.dwFamily);
    hostwin32::ClearCalls();
    for (OpticalDirection d : {OpticalInput, OpticalOutput}) {
      EXPECT_FALSE(QueryOpticalState(store, d));
      EXPECT_TRUE(DisableOptical(store, d));
      EXPECT_TRUE(RestoreOptical(store, d, {true}));
    }
    EXPECT_TRUE(hostwin32::Calls().empty());
  }
}

TEST_F(OpticalStoreTest, FailedVersionQueryIsNoFamily) {
  hostwin32::FailCall("GetVersionExA", 1, 0);
  EXPECT_EQ(0u, GetPlatformFamily());
  EXPECT_EQ(VER_PLATFORM_WIN32_NT, GetPlatformFamily());
}

TEST_F(OpticalStoreTest, UnreadableOnValueIsLeftInPlace) {
  InstallNtDriver({2, 0, 0, 0}, {3, 0, 0, 0});
  OpenStore s;
  hostwin32::FailCall("RegQueryValueExA", 1, ERROR_ACCESS_DENIED);
  EXPECT_FALSE(DisableOptical(s.store, OpticalInput));
  hostwin32::FailCall("RegSetValueExA", 1, ERROR_ACCESS_DENIED);  // the backup write
  EXPECT_FALSE(DisableOptical(s.store, OpticalOutput));
  EXPECT_EQ(Bytes({2, 0, 0, 0}), Value(kDriverServiceKey, kValueEnableInput));
  EXPECT_EQ(Bytes({3, 0, 0, 0}), Value(kDriverServiceKey, kValueOutputSource));
}

}  // namespace
