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
  static std::string MixerOpenArgs() { return LoggedCall("mixerOpen", 1) ? LoggedCall("mixerOpen", 1)->args : ""; }
};

TEST_F(CardMixerTest, OpensTheHighestDeviceCarryingTheBoardName) {
  AddBoard();
  AddBoard(mixermodel::SonorityHall7Pro());
  AddBoard();
  AddBoard(mixermodel::SonorityHall7Pro());
  {
    CCardMixer mixer;
    ASSERT_TRUE(mixer.Open(nullptr));
    EXPECT_EQ(4u, CountCalls("mixerGetDevCapsA"));
    ASSERT_EQ(1u, CountCalls("mixerOpen"));
    EXPECT_EQ("2, 0, 0, 0x0", MixerOpenArgs());
    // The opened device is the one whose mute changes.
    mixer.SetMute(kOpticalInputEntry, true);
    EXPECT_EQ(1u, LineControl(mixermodel::kArpeggioOpticalLine, MIXERCONTROL_CONTROLTYPE_MUTE, 2)->values[0]);
    EXPECT_EQ(0u, LineControl(mixermodel::kArpeggioOpticalLine, MIXERCONTROL_CONTROLTYPE_MUTE, 0)->values[0]);
    // A notification window becomes the callback; the new handle replaces the old.
    hostwin32::ClearCalls();
    ASSERT_TRUE(mixer.Open(reinterpret_cast<HWND>(0x1234)));
    EXPECT_EQ("2, 4660, 0, 0x10000", MixerOpenArgs());
    EXPECT_EQ(1u, hostwin32::Mixer().OpenHandleCount());
  }
  // Gone with the object: the handle and winmm.
  EXPECT_EQ(0u, hostwin32::Mixer().OpenHandleCount());
  EXPECT_EQ(0, hostwin32::LoadedLibraryCount());
}

// Whole, case-sensitive names only; the board info always names model 2. No device, no caps query.
TEST_F(CardMixerTest, MatchesTheWholeNameExactly) {
  const char* const kNearMisses[] = {
      "Audioscape Arpeggio",           // prefix
      "Audioscape Arpeggio Deluxe 2",  // longer
      "Audioscape Arpeggio Deluxf",
      "audioscape arpeggio deluxe",  // letter case
      " Audioscape Arpeggio Deluxe",
      "",
      "Audioscape Arpeggio DeluxeXXXXX",  // 31 characters: fills the name field to its terminator
      "Sonority Hall 7 Pro",
      nullptr,  // no device
  };
  for (const char* name : kNearMisses) {
    SCOPED_TRACE(name ? name : "no device");
    hostwin32::Reset();
    Device dev = mixermodel::ArpeggioDeluxe();
    dev.name = name ? name : "";
    if (name) AddBoard(dev);
    CCardMixer mixer;
    EXPECT_FALSE(mixer.Open(nullptr));
    EXPECT_EQ(name ? 1u : 0u, CountCalls("mixerGetDevCapsA"));
    EXPECT_EQ(0u, CountCalls("mixerOpen"));
    EXPECT_TRUE(mixer.GetMute(kOpticalInputEntry));  // unreadable input reads as off
  }
}

// Every line of the stock board: its controls sorted by type, its volume read with the line map's channels. Model 2
// lacks the lines of entries 4, 5, 11, 14, 20 and 22: never queried, no controls, balance centred.
TEST_F(CardMixerTest, RefreshReadsEveryLineOfTheStockBoard) {
  Device& dev = AddBoard();
  for (mixermodel::Line& line : dev.lines)
    for (Control& c : line.controls)
      if (c.dwControlType == MIXERCONTROL_CONTROLTYPE_VOLUME) c.values = {0x8000, 0xFFFF};
  CCardMixer mixer;
  ASSERT_TRUE(mixer.Open(nullptr));
  ASSERT_TRUE(mixer.Refresh(0));
  // 18 mapped entries, two of them on the same line.
  std::set<std::string> queried;
  for (const hostwin32::Call& c : hostwin32::Calls()) {
    if (c.function == "mixerGetLineControlsA") queried.insert(c.args.substr(c.args.find("line ")));
    // Every read addresses a control of a queried line: none of the missing lines' IDs leak in.
    if (c.function == "mixerGetControlDetailsA") EXPECT_EQ(MMSYSERR_NOERROR, c.result) << c.args;
  }
  EXPECT_EQ(18u, CountCalls("mixerGetLineControlsA"));
  EXPECT_EQ(17u, queried.size());
  const auto idOf = [](DWORD dwLine, DWORD dwType, DWORD dwOtherType = 0) {
    const Control* c = LineControl(dwLine, dwType);
    if (!c && dwOtherType) c = LineControl(dwLine, dwOtherType);
    return c ? c->dwControlID : kNoControl;
  };
  for (int entry = 0; entry < kMixerLineCount; ++entry) {
    SCOPED_TRACE(entry);
    const MixerLineEntry& e = mixer.GetLine(entry);
    const bool bMissing = entry == 4 || entry == 5 || entry == 11 || entry == 14 || entry == 20 || entry == 22;
    EXPECT_EQ(bMissing, e.dwLineID == kNoLine);
    if (entry == 15) continue;
    EXPECT_EQ(idOf(e.dwLineID, MIXERCONTROL_CONTROLTYPE_VOLUME), e.dwVolumeCtrl);
    EXPECT_EQ(idOf(e.dwLineID, MIXERCONTROL_CONTROLTYPE_MUTE), e.dwMuteCtrl);
    EXPECT_EQ(idOf(e.dwLineID, MIXERCONTROL_CONTROLTYPE_ONOFF, MIXERCONTROL_CONTROLTYPE_LOUDNESS), e.dwSwitchCtrl);
    const bool bOneChannel = entry == 12 || entry == 18;
    EXPECT_EQ(bMissing ? 0u : 0x8000u, e.dwLeft);
    EXPECT_EQ(bMissing || bOneChannel ? 0u : 0xFFFFu, e.dwRight);
    EXPECT_EQ(bMissing || bOneChannel ? 0x8000u : 0xBFFFu, e.dwBalance);
  }
  EXPECT_NE(kNoControl, mixer.GetLine(12).dwSwitchCtrl);  // the loudness switch
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

// The last row is beyond 16 bits: no wrap-around.
TEST(MixerBalanceTest, Table) {
  const struct {
    DWORD left, right, balance;
  } kCases[] = {
      {0x1234, 0x1234, 0x8000}, {0x8000, 0xFFFF, 0xBFFF},  {0xFFFF, 0x8000, 0x4001}, {0, 1, 0xFFFF}, {1, 0, 0},
      {0, 0, 0x8000},           {0x40000, 0x20000, 0x4000}, {3, 2, 0x5556}, {0xFFFFFFFF, 0x7FFFFFFF, 0x4000},
      {1, 0xFFFFFFFF, 0xFFFF},  {0x80000001, 0xFFFFFFFF, 0xBFFF}};  // readings wider than 16 bits must not wrap
  for (const auto& c : kCases)
    EXPECT_EQ(c.balance, MixerBalance(c.left, c.right)) << std::hex << c.left << " " << c.right;
}

TEST_F(CardMixerTest, RefreshReadsEachSelectItemAndTheSwitch) {
  AddBoard();
  CCardMixer mixer;
  ASSERT_TRUE(mixer.Open(nullptr));
  const int kItemEntries[] = {16, 17, 18, 19, 21, 23};  // model 2 lacks the lines of entries 20 and 22
  for (int item = 0; item < 6; ++item) {
    Control* select = LineControl(0xFFFF0001, MIXERCONTROL_CONTROLTYPE_MUX);
    select->values.assign(6, 0);
    select->values[item] = 1;
    LineControl(0x00020001, MIXERCONTROL_CONTROLTYPE_ONOFF)->values = {static_cast<DWORD>(item % 3)};  // entry 18
    mixer.Refresh(0);  // each snapshot starts from nothing selected
    for (int entry = 0; entry < kMixerLineCount; ++entry)
      EXPECT_EQ(entry == kItemEntries[item], mixer.GetLine(entry).bSelected) << item << " " << entry;
    // Entry 18's switch is mirrored to entry 12, and only the value 1 is on.
    EXPECT_EQ(item % 3 == 1, mixer.GetLine(18).bSwitchOn) << item;
    EXPECT_EQ(item % 3 == 1, mixer.GetLine(12).bSwitchOn) << item;
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
  EXPECT_TRUE(mixer.GetMute(kOpticalInputEntry));
  EXPECT_TRUE(IsOpticalMuted());
  hostwin32::FailCall("mixerSetControlDetails", 1, MMSYSERR_ERROR);
  EXPECT_FALSE(mixer.SetMute(kOpticalInputEntry, false));
  EXPECT_FALSE(mixer.GetMute(kOpticalInputEntry));
  EXPECT_TRUE(IsOpticalMuted());
  // The write went to entry 7's mute control, one channel, one item.
  const hostwin32::Call& write = hostwin32::Calls().back();
  EXPECT_NE(std::string::npos, write.args.find("channels 1, items 0, cb 4, flags 0"));
}

TEST_F(CardMixerTest, RefreshReadsOnlyTheFirstFifteenMutes) {
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
  // Lines 0 to 14 are read from the card, and only the value 1 is muted.
  for (DWORD value : {0u, 1u, 2u, 0xFFFFFFFFu}) {
    mixer.SetMute(kOpticalInputEntry, value != 1);
    OpticalMute()->values.assign(1, value);
    mixer.Refresh(0);
    EXPECT_EQ(value == 1, mixer.GetMute(kOpticalInputEntry)) << value;
  }
}

// A null handle would address device 0 through winmm, and entries out of range are no one's: no call is made.
TEST_F(CardMixerTest, UnopenedMixerAndOtherEntriesTouchNothing) {
  AddBoard();
  hostwin32::FailCall("mixerOpen", 1, MMSYSERR_NOMEM);
  CCardMixer mixer;
  EXPECT_FALSE(mixer.Open(nullptr));
  hostwin32::ClearCalls();
  EXPECT_TRUE(mixer.Refresh(0));
  EXPECT_FALSE(mixer.IsMuteRead(kOpticalInputEntry));
  EXPECT_TRUE(mixer.GetMute(kOpticalInputEntry));
  EXPECT_FALSE(mixer.SetMute(kOpticalInputEntry, false));
  ASSERT_TRUE(mixer.Open(nullptr));
  hostwin32::ClearCalls();
  EXPECT_FALSE(mixer.SetMute(-1, true));
  EXPECT_FALSE(mixer.SetMute(kMixerLineCount, true));
  EXPECT_TRUE(mixer.GetMute(kMixerLineCount));
  EXPECT_TRUE(hostwin32::Calls().empty());
  EXPECT_FALSE(IsOpticalMuted());
}

// A line that cannot be listed, or a control that cannot be read, costs that line alone; Open and
// Refresh report neither, and entry 7's mute says whether it was read and written.
TEST_F(CardMixerTest, AFailureCostsItsOwnLineAlone) {
  AddBoard();
  const struct {
    const char* function;
    bool bOpticalMute;  // the failing call concerns entry 7's mute, else the first call fails
    bool bRead, bWritten;
  } kCases[] = {
      {"mixerGetLineControlsA", false, true, true},
      {"mixerGetLineControlsA", true, false, false},
      {"mixerGetControlDetailsA", false, true, true},
      {"mixerGetControlDetailsA", true, false, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.function) + (c.bOpticalMute ? " of entry 7's mute" : " of another line"));
    hostwin32::ClearCalls();
    {
      CCardMixer clean;
      clean.Open(nullptr);
      clean.Refresh(0);
    }
    const bool bListing = std::string(c.function) == "mixerGetLineControlsA";
    const int nth = c.bOpticalMute ? NthCallWith(c.function, bListing ? OpticalLineArg() : OpticalMuteArg()) : 1;
    ASSERT_GT(nth, 0);
    hostwin32::FailCall(c.function, nth, MMSYSERR_ERROR);
    CCardMixer mixer;
    EXPECT_TRUE(mixer.Open(nullptr));
    EXPECT_TRUE(mixer.Refresh(0));
    EXPECT_EQ(c.bRead, mixer.IsMuteRead(kOpticalInputEntry));
    EXPECT_EQ(!c.bRead, mixer.GetMute(kOpticalInputEntry));  // unread is muted, the card says unmuted
    EXPECT_EQ(c.bWritten, mixer.SetMute(kOpticalInputEntry, false));
    EXPECT_TRUE(mixer.IsMuteRead(c.bOpticalMute ? 0 : 1));
  }
}

}  // namespace
