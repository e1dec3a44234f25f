// tests/unit/cardmixer_test.cpp: finding the card, mapping its lines, reading the snapshot, switching a mute.
#include <set>

#include "hostfixture.h"

namespace {

using hostwin32::CountCalls;
using mixermodel::Control;
using mixermodel::Device;

class CardMixerTest : public HostTest {
 protected:
  static Device& AddBoard(Device dev = mixermodel::ArpeggioDeluxe()) {
    hostwin32::Mixer().devices.push_back(dev);
    return hostwin32::Mixer().devices.back();
  }
  static Control* LineControl(DWORD dwLine, DWORD dwType, size_t nDevice = 0) {
    return hostwin32::Mixer().FindLineControl(nDevice, dwLine, dwType);
  }
  // The lines that mixerGetLineControlsA was asked about, as logged.
  static std::set<std::string> QueriedLines() {
    std::set<std::string> lines;
    for (const hostwin32::Call& c : hostwin32::Calls())
      if (c.function == "mixerGetLineControlsA") lines.insert(c.args.substr(c.args.find("line ")));
    return lines;
  }
};

TEST_F(CardMixerTest, OpensTheHighestDeviceCarryingTheBoardName) {
  AddBoard();
  AddBoard(mixermodel::SonorityHall7Pro());
  AddBoard();
  AddBoard(mixermodel::SonorityHall7Pro());
  CCardMixer mixer;
  ASSERT_TRUE(mixer.Open(nullptr));
  EXPECT_EQ(4u, CountCalls("mixerGetDevCapsA"));
  ASSERT_EQ(1u, CountCalls("mixerOpen"));
  for (const hostwin32::Call& c : hostwin32::Calls())
    if (c.function == "mixerOpen") EXPECT_EQ("2, 0, 0, 0x0", c.args);
  // The opened device is the one whose mute changes.
  mixer.SetMute(kOpticalInputEntry, true);
  EXPECT_EQ(1u, LineControl(mixermodel::kArpeggioOpticalLine, MIXERCONTROL_CONTROLTYPE_MUTE, 2)->values[0]);
  EXPECT_EQ(0u, LineControl(mixermodel::kArpeggioOpticalLine, MIXERCONTROL_CONTROLTYPE_MUTE, 0)->values[0]);
}

TEST_F(CardMixerTest, MatchesTheWholeNameExactly) {
  const char* const kNearMisses[] = {
      "Audioscape Arpeggio",           // prefix
      "Audioscape Arpeggio Deluxe 2",  // longer
      "audioscape arpeggio deluxe",    // letter case
      "AUDIOSCAPE ARPEGGIO DELUXE",
      " Audioscape Arpeggio Deluxe",
      "",
      "Audioscape Arpeggio DeluxeXXXXX",  // 31 characters: fills the name field to its terminator
  };
  for (const char* name : kNearMisses) {
    SCOPED_TRACE(name);
    hostwin32::Reset();
    Device dev = mixermodel::ArpeggioDeluxe();
    dev.name = name;
    AddBoard(dev);
    CCardMixer mixer;
    EXPECT_FALSE(mixer.Open(nullptr));
    EXPECT_EQ(0u, CountCalls("mixerOpen"));
    EXPECT_TRUE(mixer.GetMute(kOpticalInputEntry));  // unreadable input reads as off
  }
}

TEST_F(CardMixerTest, NoDeviceMeansNoCapsQuery) {
  CCardMixer mixer;
  EXPECT_FALSE(mixer.Open(nullptr));
  EXPECT_EQ(1u, CountCalls("mixerGetNumDevs"));
  EXPECT_EQ(0u, CountCalls("mixerGetDevCapsA"));
}

TEST_F(CardMixerTest, WithoutWinmmNothingIsCalled) {
  AddBoard();
  hostwin32::FailCall("LoadLibraryA", 1, 0);
  CCardMixer mixer;
  EXPECT_FALSE(mixer.Open(nullptr));
  EXPECT_FALSE(mixer.SetMute(kOpticalInputEntry, true));
  EXPECT_EQ(0u, CountCalls("mixerGetNumDevs"));
  EXPECT_EQ(0u, LineControl(mixermodel::kArpeggioOpticalLine, MIXERCONTROL_CONTROLTYPE_MUTE)->values[0]);
}

TEST_F(CardMixerTest, NotificationWindowIsPassedAsCallback) {
  AddBoard();
  CCardMixer mixer;
  ASSERT_TRUE(mixer.Open(reinterpret_cast<HWND>(0x1234)));
  for (const hostwin32::Call& c : hostwin32::Calls())
    if (c.function == "mixerOpen") EXPECT_EQ("0, 4660, 0, 0x10000", c.args);
}

TEST_F(CardMixerTest, ModelTwoSkipsTheLinesItLacks) {
  AddBoard();
  CCardMixer mixer;
  ASSERT_TRUE(mixer.Open(nullptr));
  ASSERT_TRUE(mixer.Refresh(0));
  // 18 mapped entries, two of them on the same line.
  EXPECT_EQ(18u, CountCalls("mixerGetLineControlsA"));
  EXPECT_EQ(17u, QueriedLines().size());
  for (int entry : {4, 5, 11, 14, 20, 22}) {
    SCOPED_TRACE(entry);
    const MixerLineEntry& e = mixer.GetLine(entry);
    EXPECT_EQ(kNoLine, e.dwLineID);
    EXPECT_EQ(0x8000u, e.dwBalance);
    EXPECT_EQ(kNoControl, e.dwVolumeCtrl);
    EXPECT_EQ(kNoControl, e.dwMuteCtrl);
  }
  // Every read addresses a control of a queried line: none of the missing lines' IDs leak in.
  for (const hostwin32::Call& c : hostwin32::Calls())
    if (c.function == "mixerGetControlDetailsA") EXPECT_EQ(MMSYSERR_NOERROR, c.result) << c.args;
}

TEST_F(CardMixerTest, SortsControlsByTypeWithLaterOnesWinning) {
  Device& dev = AddBoard();
  for (mixermodel::Line& line : dev.lines) {
    if (line.dwLineID == mixermodel::kArpeggioOpticalLine)
      line.controls = {{70, MIXERCONTROL_CONTROLTYPE_MUTE, 1, 0, {0}}, {71, MIXERCONTROL_CONTROLTYPE_MUTE, 1, 0, {1}}};
    if (line.dwLineID == 0x00040000)  // entry 12, three controls
      line.controls = {{80, MIXERCONTROL_CONTROLTYPE_LOUDNESS, 1, 0, {0}},
                       {81, MIXERCONTROL_CONTROLTYPE_MUX, 1, 0, {0}},
                       {82, MIXERCONTROL_CONTROLTYPE_ONOFF, 1, 0, {0}}};
  }
  CCardMixer mixer;
  ASSERT_TRUE(mixer.Open(nullptr));
  EXPECT_EQ(71u, mixer.GetLine(7).dwMuteCtrl);
  EXPECT_EQ(kNoControl, mixer.GetLine(7).dwVolumeCtrl);
  EXPECT_EQ(82u, mixer.GetLine(12).dwSwitchCtrl);
  EXPECT_EQ(kNoControl, mixer.GetLine(12).dwVolumeCtrl);
  EXPECT_EQ(kNoControl, mixer.GetLine(12).dwMuteCtrl);
  // The select line takes its first control whatever its type.
  EXPECT_EQ(LineControl(0xFFFF0001, MIXERCONTROL_CONTROLTYPE_MUX)->dwControlID, mixer.GetLine(15).dwSelectCtrl);
  mixer.Refresh(0);
  EXPECT_TRUE(mixer.GetMute(7));  // read from control 71
}

TEST(MixerBalanceTest, Table) {
  const struct {
    DWORD left, right, balance;
  } kCases[] = {
      {0x1234, 0x1234, 0x8000},
      {0x8000, 0xFFFF, 0xBFFF},
      {0xFFFF, 0x8000, 0x4001},
      {0, 1, 0xFFFF},
      {1, 0, 0},
      {0, 0, 0x8000},
      {0xFFFF, 0, 0},
      {0, 0xFFFF, 0xFFFF},
      {0x40000, 0x20000, 0x4000},  // beyond 16 bits: no wrap-around
  };
  for (const auto& c : kCases)
    EXPECT_EQ(c.balance, MixerBalance(c.left, c.right)) << std::hex << c.left << " " << c.right;
}

TEST_F(CardMixerTest, RefreshReadsVolumesBalanceSwitchAndSelect) {
  AddBoard();
  LineControl(0x00000000, MIXERCONTROL_CONTROLTYPE_VOLUME)->values = {0x8000, 0xFFFF};  // entry 1
  LineControl(0x00040000, MIXERCONTROL_CONTROLTYPE_VOLUME)->values = {0x1000, 0xF000};  // entry 12, one channel read
  LineControl(0x00020001, MIXERCONTROL_CONTROLTYPE_ONOFF)->values = {1};                // entry 18
  LineControl(0xFFFF0001, MIXERCONTROL_CONTROLTYPE_MUX)->values = {0, 0, 0, 0, 1, 0};   // item 4
  CCardMixer mixer;
  ASSERT_TRUE(mixer.Open(nullptr));
  ASSERT_TRUE(mixer.Refresh(0));
  EXPECT_EQ(0x8000u, mixer.GetLine(1).dwLeft);
  EXPECT_EQ(0xFFFFu, mixer.GetLine(1).dwRight);
  EXPECT_EQ(0xBFFFu, mixer.GetLine(1).dwBalance);
  EXPECT_EQ(0x1000u, mixer.GetLine(12).dwLeft);
  EXPECT_EQ(0x8000u, mixer.GetLine(12).dwBalance);
  EXPECT_TRUE(mixer.GetLine(12).bSwitchOn);
  EXPECT_TRUE(mixer.GetLine(18).bSwitchOn);
  for (int entry = 0; entry < kMixerLineCount; ++entry) EXPECT_EQ(entry == 21, mixer.GetLine(entry).bSelected) << entry;

  // The next snapshot starts from nothing selected.
  LineControl(0xFFFF0001, MIXERCONTROL_CONTROLTYPE_MUX)->values = {1, 0, 0, 0, 0, 0};
  LineControl(0x00020001, MIXERCONTROL_CONTROLTYPE_ONOFF)->values = {2};
  mixer.Refresh(0);
  EXPECT_TRUE(mixer.GetLine(16).bSelected);
  EXPECT_FALSE(mixer.GetLine(21).bSelected);
  EXPECT_FALSE(mixer.GetLine(12).bSwitchOn);
}

TEST_F(CardMixerTest, BoardInfoAlwaysNamesModelTwo) {
  AddBoard(mixermodel::SonorityHall7Pro());
  CCardMixer mixer;
  EXPECT_FALSE(mixer.Open(nullptr));  // the board info always names model 2
}

TEST_F(CardMixerTest, MuteIsOnlyTheValueOne) {
  AddBoard();
  for (DWORD value : {0u, 1u, 2u, 0xFFFFFFFFu}) {
    SetOpticalMute(false);
    OpticalMute()->values[0] = value;
    CCardMixer mixer;
    mixer.Open(nullptr);
    mixer.Refresh(0);
    EXPECT_EQ(value == 1, mixer.GetMute(kOpticalInputEntry)) << value;
  }
}

TEST_F(CardMixerTest, SkipsOneNotificationReadPerMuteWrite) {
  AddBoard();
  CCardMixer mixer;
  ASSERT_TRUE(mixer.Open(nullptr));
  mixer.SetMute(kOpticalInputEntry, true);
  mixer.SetMute(kOpticalInputEntry, false);
  hostwin32::ClearCalls();
  EXPECT_TRUE(mixer.Refresh(0));  // a direct read neither skips nor consumes
  const size_t nReads = CountCalls("mixerGetControlDetailsA");
  EXPECT_GT(nReads, 0u);
  hostwin32::ClearCalls();
  EXPECT_FALSE(mixer.Refresh(1));
  EXPECT_FALSE(mixer.Refresh(1));
  EXPECT_EQ(0u, CountCalls("mixerGetControlDetailsA"));
  EXPECT_TRUE(mixer.Refresh(1));
  EXPECT_EQ(nReads, CountCalls("mixerGetControlDetailsA"));
}

TEST_F(CardMixerTest, SetMuteIsCachedWhateverTheDriverDid) {
  AddBoard();
  CCardMixer mixer;
  ASSERT_TRUE(mixer.Open(nullptr));
  mixer.Refresh(0);
  EXPECT_TRUE(mixer.SetMute(kOpticalInputEntry, true));
  EXPECT_TRUE(IsOpticalMuted());
  hostwin32::FailCall("mixerSetControlDetails", 1, MMSYSERR_ERROR);
  EXPECT_FALSE(mixer.SetMute(kOpticalInputEntry, false));
  EXPECT_FALSE(mixer.GetMute(kOpticalInputEntry));
  EXPECT_TRUE(IsOpticalMuted());
  // The write went to entry 7's mute control, one channel, one item.
  const hostwin32::Call& write = hostwin32::Calls().back();
  EXPECT_NE(std::string::npos, write.args.find("channels 1, items 0, cb 4, flags 0"));
}

TEST_F(CardMixerTest, RefreshLeavesTheSourceLinesMuteAlone) {
  AddBoard();
  CCardMixer mixer;
  ASSERT_TRUE(mixer.Open(nullptr));
  for (int entry = 15; entry < kMixerLineCount; ++entry) mixer.SetMute(entry, true);
  // Entry 18's line has a mute control of its own; the card now says unmuted.
  Control* sourceMute = LineControl(0x00020001, MIXERCONTROL_CONTROLTYPE_MUTE);
  ASSERT_NE(nullptr, sourceMute);
  sourceMute->values.assign(1, 0);
  mixer.Refresh(0);
  for (int entry = 15; entry < kMixerLineCount; ++entry) EXPECT_TRUE(mixer.GetMute(entry)) << entry;
  // Lines 0 to 14 are read from the card.
  mixer.SetMute(kOpticalInputEntry, true);
  SetOpticalMute(false);
  mixer.Refresh(0);
  EXPECT_FALSE(mixer.GetMute(kOpticalInputEntry));
}

TEST_F(CardMixerTest, UnopenedMixerTouchesNothingAndReadsMuted) {
  AddBoard();
  hostwin32::FailCall("mixerOpen", 1, MMSYSERR_NOMEM);
  CCardMixer mixer;
  EXPECT_FALSE(mixer.Open(nullptr));
  hostwin32::ClearCalls();
  EXPECT_FALSE(mixer.Refresh(0));
  EXPECT_TRUE(mixer.GetMute(kOpticalInputEntry));
  EXPECT_FALSE(mixer.SetMute(kOpticalInputEntry, false));
  // A null handle would address device 0 through winmm: no call may be made with it.
  EXPECT_TRUE(hostwin32::Calls().empty());
  EXPECT_EQ(0u, OpticalMute() ? OpticalMute()->values[0] : 0u);
}

TEST_F(CardMixerTest, OutOfRangeEntriesAreRefused) {
  AddBoard();
  CCardMixer mixer;
  mixer.Open(nullptr);
  hostwin32::ClearCalls();
  EXPECT_FALSE(mixer.SetMute(-1, true));
  EXPECT_FALSE(mixer.SetMute(kMixerLineCount, true));
  EXPECT_TRUE(mixer.GetMute(kMixerLineCount));
  EXPECT_TRUE(hostwin32::Calls().empty());
}

TEST_F(CardMixerTest, ReleasesHandleAndLibrary) {
  AddBoard();
  {
    CCardMixer mixer;
    ASSERT_TRUE(mixer.Open(nullptr));
    ASSERT_TRUE(mixer.Open(nullptr));  // opening again replaces the handle
    EXPECT_EQ(1u, hostwin32::Mixer().OpenHandleCount());
  }
  EXPECT_EQ(0u, hostwin32::Mixer().OpenHandleCount());
  EXPECT_EQ(0, hostwin32::LoadedLibraryCount());
}

TEST_F(CardMixerTest, ReportsAnIncompleteMapOrSnapshot) {
  AddBoard();
  hostwin32::FailCall("mixerGetLineControlsA", 3, MMSYSERR_ERROR);
  CCardMixer mixer;
  EXPECT_FALSE(mixer.Open(nullptr));
  EXPECT_TRUE(mixer.Refresh(0));  // the lines it could not list are not read, not failed
  EXPECT_TRUE(mixer.SetMute(kOpticalInputEntry, true));
  hostwin32::FailCall("mixerGetControlDetailsA", 5, MMSYSERR_ERROR);
  EXPECT_FALSE(mixer.Refresh(0));
}

}  // namespace
