// tests/unit/optbackup_test.cpp: optbackup records each direction as one character, input first, and changes
// nothing else. Unreadable state and missing keys are the fault and Wine tests' part.
#include "backuppass.h"
#include "hostfixture.h"
#include "toolexit.h"

namespace {

class OptBackupTest : public HostTest {
 protected:
  // NT stores the character alone; the 95 family cannot store a text without its terminator.
  static Bytes Text(char ch, bool b9x) { return b9x ? Bytes{BYTE(ch), 0} : Bytes{BYTE(ch)}; }
};

TEST_F(OptBackupTest, RecordsEachFamilysState) {
  const struct {
    DWORD family;
    Bytes input, enableOutput, output;  // 95: input {1} is muted; output is SourceSelection
    char in, out;
  } kCases[] = {
      {kNtFamily, {1, 0, 0, 0}, {0, 0, 0, 0}, {3, 0, 0, 0}, '1', '0'},
      {kNtFamily, {0, 9, 9, 9}, {2, 0, 0, 0}, {0, 0, 0, 0}, '0', '1'},
      {kNtFamily, {0xFF}, Missing(), {3, 0, 0, 0}, '1', '0'},  // no SPDIFEnableOutput: off whatever the source says
      {k9xFamily, {1}, {}, {0xFF, 0, 0, 0}, '0', '0'},
      {k9xFamily, {0}, {}, {0x00, 0, 0, 0}, '1', '0'},
      {k9xFamily, {1}, {}, {0xFE}, '0', '1'},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(c.input) + " " + testing::PrintToString(c.output));
    hostwin32::Reset();
    const bool b9x = c.family == VER_PLATFORM_WIN32_WINDOWS;
    if (b9x) {
      Install9xDriver(c.input[0] == 1, c.output);
    } else {
      InstallNtDriver(c.input, c.output);
      Seed(kDriverServiceKey, kValueEnableOutput, c.enableOutput);
    }
    hostwin32::ClearCalls();
    EXPECT_EQ(kExitDone, RunOptBackup("optbackup.exe"));
    EXPECT_EQ(Text(c.in, b9x), Value(kPatchKeyUpper, kValueStateInput));
    EXPECT_EQ(Text(c.out, b9x), Value(kPatchKeyUpper, kValueStateOutput));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), TypeOf(kPatchKey, kValueStateOutput));
    EXPECT_EQ(2u, hostwin32::CountCalls("RegSetValueExA"));  // the two records and nothing else
    if (b9x) EXPECT_EQ(c.input[0] == 1, IsOpticalMuted());
    EXPECT_EQ(0u, hostwin32::CountCalls("mixerSetControlDetails"));
  }
}

TEST_F(OptBackupTest, OtherFamiliesOnlyCreateTheKey) {
  hostwin32::SetPlatformId(kWin32sFamily);
  EXPECT_EQ(kExitDone, RunOptBackup("optbackup.exe"));
  EXPECT_TRUE(hostwin32::KeyExists(kPatchKey));
  EXPECT_EQ(Missing(), Value(kPatchKey, kValueStateInput));
  EXPECT_EQ(0u, hostwin32::OpenKeyCount());
  hostwin32::FailCall("RegCreateKeyA", 1, ERROR_ACCESS_DENIED);  // the key is all it has to do
  EXPECT_EQ(kExitFailed, RunOptBackup("optbackup.exe"));
}

}  // namespace
