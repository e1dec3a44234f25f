// tests/unit/optbackup_test.cpp: optbackup records each direction as one character and changes nothing else.
#include "backuppass.h"
#include "hostfixture.h"
#include "toolexit.h"

namespace {

class OptBackupTest : public HostTest {
 protected:
  static Bytes In() { return Value(kPatchKeyUpper, kValueStateInput); }
  static Bytes Out() { return Value(kPatchKeyUpper, kValueStateOutput); }
  // NT stores the character alone; the 95 family cannot store a text without its terminator.
  static void ExpectOneCharTexts(size_t cbStored) {
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), TypeOf(kPatchKey, kValueStateInput));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), TypeOf(kPatchKey, kValueStateOutput));
    EXPECT_EQ(cbStored, In().size());
    EXPECT_EQ(cbStored, Out().size());
    if (cbStored == 2) EXPECT_EQ(0, In()[1]);
  }
  static void ExpectInputWrittenFirst() {
    std::vector<std::string> written;
    for (const hostwin32::Call& c : hostwin32::Calls())
      if (c.function == "RegSetValueExA") written.push_back(c.args.substr(c.args.find('"')));
    ASSERT_EQ(2u, written.size());
    EXPECT_EQ(0u, written[0].find("\"BkupInput\", 0, type 1, length 1"));
    EXPECT_EQ(0u, written[1].find("\"BkupOutput\", 0, type 1, length 1"));
  }
};

TEST_F(OptBackupTest, NtReadsEnableOutputNotTheSource) {
  const struct {
    Bytes input, enableOutput, outputSource;
    const char *in, *out;
  } kCases[] = {
      {{1, 0, 0, 0}, {0, 0, 0, 0}, {3, 0, 0, 0}, "1", "0"},
      {{0, 9, 9, 9}, {2, 0, 0, 0}, {0, 0, 0, 0}, "0", "1"},
      {{0xFF}, {}, {3, 0, 0, 0}, "1", "0"},  // no SPDIFEnableOutput: off whatever the source says
  };
  for (const auto& c : kCases) {
    hostwin32::Reset();
    InstallNtDriver(c.input, c.outputSource);
    if (!c.enableOutput.empty()) hostwin32::SetValue(kDriverServiceKey, kValueEnableOutput, REG_BINARY, c.enableOutput);
    EXPECT_EQ(kExitDone, RunOptBackup());
    EXPECT_EQ(Bytes(c.in, c.in + 1), In());
    EXPECT_EQ(Bytes(c.out, c.out + 1), Out());
    ExpectOneCharTexts(1);
    EXPECT_EQ(c.input, Value(kDriverServiceKey, kValueEnableInput));
    ExpectInputWrittenFirst();
  }
}

TEST_F(OptBackupTest, NinetyFiveReadsMuteAndSourceSelection) {
  const struct {
    bool bMuted;
    Bytes source;
    const char *in, *out;
  } kCases[] = {
      {true, {0xFF, 0, 0, 0}, "0", "0"},
      {false, {0x02, 0, 0, 0}, "1", "1"},
      {false, {0x00, 0, 0, 0}, "1", "0"},
      {true, {0xFE}, "0", "1"},
  };
  for (const auto& c : kCases) {
    hostwin32::Reset();
    Install9xDriver(c.bMuted, c.source);
    EXPECT_EQ(kExitDone, RunOptBackup());
    EXPECT_EQ(Bytes(c.in, c.in + 2), In());
    EXPECT_EQ(Bytes(c.out, c.out + 2), Out());
    ExpectOneCharTexts(2);
    EXPECT_EQ(c.bMuted, IsOpticalMuted());
    EXPECT_EQ(0u, hostwin32::CountCalls("mixerSetControlDetails"));
  }
}

TEST_F(OptBackupTest, OtherFamiliesOnlyCreateTheKey) {
  hostwin32::SetPlatformId(0);
  EXPECT_EQ(kExitDone, RunOptBackup());
  EXPECT_TRUE(hostwin32::KeyExists(kPatchKey));
  EXPECT_FALSE(Exists(kPatchKey, kValueStateInput));
  EXPECT_EQ(0u, hostwin32::OpenKeyCount());
  hostwin32::FailCall("RegCreateKeyA", 1, ERROR_ACCESS_DENIED);  // the key is all it has to do
  EXPECT_EQ(kExitFailed, RunOptBackup());
}

TEST_F(OptBackupTest, WhatCannotBeReadIsRecordedOffAndReported) {
  hostwin32::SetPlatformId(VER_PLATFORM_WIN32_NT);  // no driver key
  EXPECT_EQ(kExitFailed, RunOptBackup());
  EXPECT_EQ(Bytes({'0'}), In());
  EXPECT_EQ(Bytes({'0'}), Out());

  hostwin32::Reset();
  hostwin32::SetPlatformId(VER_PLATFORM_WIN32_WINDOWS);  // no card
  hostwin32::SetValue(kControlPanelKey, kValueSourceSelection, REG_BINARY, {2, 0, 0, 0});
  EXPECT_EQ(kExitFailed, RunOptBackup());
  EXPECT_EQ(Bytes({'0', 0}), In());
  EXPECT_EQ(Bytes({'1', 0}), Out());
}

// Of the card only entry 7's mute is needed: a failure on another line changes neither record nor exit code.
TEST_F(OptBackupTest, NinetyFiveNeedsOnlyEntrySevensMute) {
  const struct {
    const char* function;
    bool bOpticalMute;  // the failing call concerns entry 7's mute, else the first call fails
  } kCases[] = {
      {"mixerGetLineControlsA", true},
      {"mixerGetControlDetailsA", true},
      {"mixerGetLineControlsA", false},
      {"mixerGetControlDetailsA", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.function) + (c.bOpticalMute ? " of entry 7's mute" : " of another line"));
    hostwin32::Reset();
    Install9xDriver(false, {2, 0, 0, 0});
    RunOptBackup();
    const bool bListing = std::string(c.function) == "mixerGetLineControlsA";
    const int nth = c.bOpticalMute ? NthCallWith(c.function, bListing ? OpticalLineArg() : OpticalMuteArg()) : 1;
    ASSERT_GT(nth, 0);
    hostwin32::ClearCalls();
    hostwin32::FailCall(c.function, nth, MMSYSERR_ERROR);
    EXPECT_EQ(c.bOpticalMute ? kExitFailed : kExitDone, RunOptBackup());
    EXPECT_EQ(Bytes({c.bOpticalMute ? BYTE{'0'} : BYTE{'1'}, 0}), In());
    EXPECT_EQ(Bytes({'1', 0}), Out());
  }
}

}  // namespace
