// tests/unit/hostwin32_test.cpp: the stand-in keeps the registry and mixer rules the other tests rely on.
#include "hostfixture.h"

namespace {

class StandInTest : public HostTest {};

TEST_F(StandInTest, KeysOpenWithoutCreatingAndMatchWithoutCase) {
  HKEY hKey = reinterpret_cast<HKEY>(0x1);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\A\\B", 0, KEY_ALL_ACCESS, &hKey));
  EXPECT_EQ(nullptr, hKey);
  EXPECT_FALSE(hostwin32::KeyExists("Software\\A"));
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\a\\B", &hKey));
  EXPECT_TRUE(hostwin32::KeyExists("software\\A"));  // parents come with it
  HKEY hSame = nullptr;
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\A\\b", 0, KEY_ALL_ACCESS, &hSame));
  const BYTE data[] = {9, 8, 7};
  EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(hKey, "Name", 0, REG_DWORD, data, 3));
  EXPECT_EQ(Bytes({9, 8, 7}), Value("software\\a\\b", "NAME"));
  EXPECT_EQ(static_cast<DWORD>(REG_DWORD), TypeOf("software\\a\\b", "name"));
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(hKey));
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(hSame));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(hSame));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegSetValueExA(hSame, "Name", 0, REG_BINARY, data, 1));
  EXPECT_EQ(0u, hostwin32::OpenKeyCount());
}

TEST_F(StandInTest, QueriesFollowTheInOutLength) {
  hostwin32::SetValue("K", "Six", REG_BINARY, {1, 2, 3, 4, 5, 6});
  HKEY hKey;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "K", 0, KEY_ALL_ACCESS, &hKey));
  const struct {
    const char* name;
    DWORD capacity;
    LONG result;
    DWORD cbOut;
    Bytes buffer;  // 0xAB marks bytes the call must not touch
  } kCases[] = {
      {"Six", 10, ERROR_SUCCESS, 6, {1, 2, 3, 4, 5, 6, 0xAB, 0xAB, 0xAB, 0xAB}},
      {"Six", 6, ERROR_SUCCESS, 6, {1, 2, 3, 4, 5, 6, 0xAB, 0xAB, 0xAB, 0xAB}},
      {"Six", 4, ERROR_MORE_DATA, 6, Bytes(10, 0xAB)},
      {"Missing", 10, ERROR_FILE_NOT_FOUND, 10, Bytes(10, 0xAB)},
  };
  for (const auto& c : kCases) {
    Bytes buffer(10, 0xAB);
    DWORD cb = c.capacity, dwType = 0;
    EXPECT_EQ(c.result, RegQueryValueExA(hKey, c.name, nullptr, &dwType, buffer.data(), &cb)) << c.capacity;
    EXPECT_EQ(c.cbOut, cb) << c.capacity;
    EXPECT_EQ(c.buffer, buffer) << c.capacity;
  }
  DWORD cbSize = 0;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(hKey, "Six", nullptr, nullptr, nullptr, &cbSize));
  EXPECT_EQ(6u, cbSize);
  RegCloseKey(hKey);
}

TEST_F(StandInTest, TextsAreStoredAsEachFamilyStoresThem) {
  const BYTE kOneThenZero[] = {'1', 0, 'x'};
  const BYTE kOneThenOne[] = {'1', '1', 0};
  const struct {
    DWORD family;
    const BYTE* data;
    Bytes stored;
  } kCases[] = {
      {VER_PLATFORM_WIN32_NT, kOneThenZero, {'1', 0}},  // NT adds a terminator that follows the data
      {VER_PLATFORM_WIN32_NT, kOneThenOne, {'1'}},
      {VER_PLATFORM_WIN32_WINDOWS, kOneThenOne, {'1', '1', 0}},  // the 95 family ignores the length
  };
  for (const auto& c : kCases) {
    hostwin32::Reset();
    hostwin32::SetPlatformId(c.family);
    HKEY hKey;
    RegCreateKeyA(HKEY_LOCAL_MACHINE, "K", &hKey);
    RegSetValueExA(hKey, "T", 0, REG_SZ, c.data, 1);
    EXPECT_EQ(c.stored, Value("K", "T"));
    RegCloseKey(hKey);
  }
}

TEST_F(StandInTest, PlannedFaultsHitTheNthCallOnce) {
  hostwin32::CreateKey("K");
  hostwin32::FailCall("RegOpenKeyExA", 2, ERROR_ACCESS_DENIED);
  HKEY h[3];
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "K", 0, KEY_ALL_ACCESS, &h[0]));
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "K", 0, KEY_ALL_ACCESS, &h[1]));
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "K", 0, KEY_ALL_ACCESS, &h[2]));
  EXPECT_EQ(2u, hostwin32::OpenKeyCount());
  EXPECT_EQ(3u, hostwin32::CountCalls("RegOpenKeyExA"));
  EXPECT_EQ(ERROR_ACCESS_DENIED, hostwin32::Calls()[1].result);
  RegCloseKey(h[0]);
  RegCloseKey(h[2]);
}

TEST_F(StandInTest, MixerObjectIsADeviceIdOrAnOpenHandle) {
  hostwin32::Mixer().devices = {mixermodel::ArpeggioDeluxe(), mixermodel::ArpeggioDeluxe()};
  HMIXER hMixer = nullptr;
  ASSERT_EQ(MMSYSERR_NOERROR, mixerOpen(&hMixer, 1, 0, 0, 0));
  const DWORD dwMute = OpticalMute(1)->dwControlID;
  MIXERCONTROLDETAILS_BOOLEAN value = {1};
  MIXERCONTROLDETAILS details = {sizeof details, dwMute, 1, {}, sizeof value, &value};
  // Without a handle flag, a small number names a device: 0 is the first card, not "no mixer".
  EXPECT_EQ(MMSYSERR_NOERROR, mixerSetControlDetails(reinterpret_cast<HMIXEROBJ>(hMixer), &details, 0));
  EXPECT_EQ(1u, OpticalMute(1)->values[0]);
  EXPECT_EQ(MMSYSERR_NOERROR, mixerSetControlDetails(nullptr, &details, 0));
  EXPECT_EQ(1u, OpticalMute(0)->values[0]);
  EXPECT_EQ(MMSYSERR_INVALHANDLE, mixerSetControlDetails(nullptr, &details, MIXER_OBJECTF_HMIXER));
  EXPECT_EQ(MMSYSERR_NOERROR, mixerClose(hMixer));
  EXPECT_EQ(MMSYSERR_INVALHANDLE, mixerClose(hMixer));
}

}  // namespace
