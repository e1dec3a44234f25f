// tests/unit/cardmixer_test.cpp: finding the card's mixer, and reading and switching the optical input's mute, the
// one control the programs use; the balance rule.
#include "hostfixture.h"

namespace {

using mixermodel::Device;

class CardMixerTest : public HostTest {
 protected:
  static void AddBoard(const Device& dev = mixermodel::ArpeggioDeluxe()) { hostwin32::Mixer().devices.push_back(dev); }
};

TEST_F(CardMixerTest, SwitchesTheHighestDeviceCarryingTheBoardName) {
  AddBoard();
  AddBoard(mixermodel::SonorityHall7Pro());
  AddBoard();
  AddBoard(mixermodel::SonorityHall7Pro());
  {
    CCardMixer mixer;
    ASSERT_TRUE(mixer.Open(nullptr));
    ASSERT_TRUE(mixer.SetMute(kOpticalInputEntry, true));
    EXPECT_EQ(1u, OpticalMute(2)->values[0]);
    EXPECT_EQ(0u, OpticalMute(0)->values[0]);
    ASSERT_TRUE(mixer.Open(nullptr));  // the new handle replaces the old
    EXPECT_EQ(1u, hostwin32::Mixer().OpenHandleCount());
  }
  // Gone with the object: the handle and winmm.
  EXPECT_EQ(0u, hostwin32::Mixer().OpenHandleCount());
  EXPECT_EQ(0, hostwin32::LoadedLibraryCount());
}

// Whole, case-sensitive names only; the board info always names model 2.
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
    EXPECT_EQ(0u, hostwin32::Mixer().OpenHandleCount());
    EXPECT_TRUE(mixer.GetMute(kOpticalInputEntry));  // unreadable input reads as off
  }
}

// Only the value 1 is muted; until it is read, the input counts as muted.
TEST_F(CardMixerTest, ReadsTheOpticalMute) {
  AddBoard();
  CCardMixer mixer;
  ASSERT_TRUE(mixer.Open(nullptr));
  EXPECT_FALSE(mixer.IsMuteRead(kOpticalInputEntry));
  EXPECT_TRUE(mixer.GetMute(kOpticalInputEntry));
  for (DWORD value : {0u, 1u, 2u, 0xFFFFFFFFu}) {
    OpticalMute()->values.assign(1, value);
    EXPECT_TRUE(mixer.Refresh(0));
    EXPECT_TRUE(mixer.IsMuteRead(kOpticalInputEntry));
    EXPECT_EQ(value == 1, mixer.GetMute(kOpticalInputEntry)) << value;
  }
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

// The last rows are beyond 16 bits: no wrap-around.
TEST(MixerBalanceTest, Table) {
  const struct {
    DWORD left, right, balance;
  } kCases[] = {
      {0x1234, 0x1234, 0x8000}, {0x8000, 0xFFFF, 0xBFFF},  {0xFFFF, 0x8000, 0x4001}, {0, 1, 0xFFFF}, {1, 0, 0},
      {0, 0, 0x8000},           {0x40000, 0x20000, 0x4000}, {3, 2, 0x5556}, {0xFFFFFFFF, 0x7FFFFFFF, 0x4000},
      {1, 0xFFFFFFFF, 0xFFFF},  {0x80000001, 0xFFFFFFFF, 0xBFFF}};
  for (const auto& c : kCases)
    EXPECT_EQ(c.balance, MixerBalance(c.left, c.right)) << std::hex << c.left << " " << c.right;
}

}  // namespace
