// tests/unit/optstatus_test.cpp: optstatus's report on each family, for missing keys and values, values of every
// length, and what could not be read; every run opens keys for reading only and writes nothing.
#include <functional>

#include "hostfixture.h"
#include "opticalstore.h"
#include "statuspass.h"
#include "toolexit.h"

namespace {

class OptStatusTest : public HostTest {
 protected:
  static std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
  }
  static void Record(const char* name, const Bytes& text) { hostwin32::SetValue(kPatchKey, name, REG_SZ, text); }

  // Runs the pass and checks that it asked for nothing but reading and left nothing open or loaded.
  static int RunReadOnly() {
    hostwin32::ClearCalls();
    hostwin32::ClearConsoleOutput();
    const int nExit = RunOptStatus("optstatus.exe");
    for (const char* writer : {"RegCreateKeyA", "RegSetValueExA", "mixerSetControlDetails"})
      EXPECT_EQ(0u, hostwin32::CountCalls(writer)) << writer;
    for (const hostwin32::Call& c : hostwin32::Calls())
      if (c.function == "RegOpenKeyExA") EXPECT_NE(std::string::npos, c.args.find(", 0, 0x20019")) << c.args;
    EXPECT_EQ(0u, hostwin32::OpenKeyCount());
    EXPECT_EQ(0, hostwin32::LoadedLibraryCount());
    return nExit;
  }
};

const Bytes kLong = {0x02, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B};

TEST_F(OptStatusTest, ReportsEachFamily) {
  const struct {
    const char* name;
    std::function<void()> seed;
    std::vector<std::string> lines;
    int nExit;
  } kCases[] = {
      {"nt: on, saved, recorded",
       [] {
         InstallNtDriver({1, 0, 0, 0}, {2, 0, 0, 0});
         Seed(kPatchKey, kValueSavedInput, {5, 6, 7, 8});
         Seed(kPatchKey, kValueSavedOutput, {3, 0, 0, 0});
         Record(kValueStateInput, {'1'});
         Record(kValueStateOutput, {'0'});
       },
       {"platform: NT family", "driver: installed", "input: on", "input-value: 01 00 00 00", "input-saved: 05 06 07 08",
        "output: on", "output-value: 02 00 00 00", "output-saved: 03 00 00 00", "backup-input: 1", "backup-output: 0"},
       kExitDone},
      {"nt: off and missing values, no patch key",
       [] { InstallNtDriver({0, 9, 9, 9}, Missing()); },
       {"platform: NT family", "driver: installed", "input: off", "input-value: 00 09 09 09", "input-saved: none saved",
        "output: off", "output-value: missing", "output-saved: none saved"},
       kExitDone},
      {"nt: longer, shorter and empty values show what exists of their first four bytes; empty is not missing",
       [] {
         InstallNtDriver({}, {0xFF});
         Seed(kPatchKey, kValueSavedInput, {});
         Seed(kPatchKey, kValueSavedOutput, kLong);
         Record(kValueStateOutput, {'1', 0});  // as the 95 family stores it
       },
       {"platform: NT family", "driver: installed", "input: off", "input-value: empty", "input-saved: empty",
        "output: on", "output-value: FF", "output-saved: 02 11 12 13", "backup-output: 1"},
       kExitDone},
      {"nt: the output is SPDIFOutputSource, as the switching programs read it",
       [] {
         InstallNtDriver({0, 0, 0, 0}, {0, 5});
         Seed(kDriverServiceKey, kValueEnableOutput, {1, 0, 0, 0});
         hostwin32::CreateKey(kPatchKey);
         Record(kValueStateInput, {'x', 7, 'y', 'z', 'w'});  // not optbackup's: shown printable, four at most
       },
       {"platform: NT family", "driver: installed", "input: off", "input-value: 00 00 00 00", "input-saved: none saved",
        "output: off", "output-value: 00 05", "output-saved: none saved", "backup-input: x?yz"},
       kExitDone},
      {"nt: driver not installed: the saved values and the record all the same",
       [] {
         hostwin32::SetPlatformId(VER_PLATFORM_WIN32_NT);
         hostwin32::CreateKey(kControlPanelKey);
         Seed(kPatchKey, kValueSavedInput, {2, 0, 0, 0});
         Record(kValueStateInput, {'0'});
       },
       {"platform: NT family", "driver: not installed", "input-saved: 02 00 00 00", "output-saved: none saved",
        "backup-input: 0"},
       kExitFailed},
      {"95: muted input, SourceSelection 255; no saved input on this family",
       [] {
         Install9xDriver(true, {0xFF, 0, 0, 0});
         Seed(kPatchKey, kValueSavedInput, {2, 0, 0, 0});
         Seed(kPatchKey, kValueSavedOutput, {4, 0, 0, 0});
         Record(kValueStateInput, {'0', 0});
         Record(kValueStateOutput, {'0', 0});
       },
       {"platform: 95 family", "driver: installed", "input: off", "input-mixer: muted", "output: off",
        "output-value: FF 00 00 00", "output-saved: 04 00 00 00", "backup-input: 0", "backup-output: 0"},
       kExitDone},
      {"95: unmuted input, SourceSelection 2 and 0",
       [] { Install9xDriver(false, {2, 0, 0, 0}); },
       {"platform: 95 family", "driver: installed", "input: on", "input-mixer: not muted", "output: on",
        "output-value: 02 00 00 00", "output-saved: none saved"},
       kExitDone},
      {"95: SourceSelection 0 is off too",
       [] { Install9xDriver(false, {0}); },
       {"platform: 95 family", "driver: installed", "input: on", "input-mixer: not muted", "output: off",
        "output-value: 00", "output-saved: none saved"},
       kExitDone},
      {"95: no mixer by the card's name",
       [] {
         Install9xDriver(false, Missing());
         hostwin32::Mixer().devices.clear();
       },
       {"platform: 95 family", "driver: installed", "input: not read", "input-mixer: not read", "output: off",
        "output-value: missing", "output-saved: none saved"},
       kExitFailed},
      {"95: control panel key missing: the input is still the card's mute, which the other programs switch",
       [] {
         Install9xDriver(true, {2, 0, 0, 0});
         hostwin32::DeleteKey(kControlPanelKey);
         Seed(kPatchKey, kValueSavedOutput, {2, 0, 0, 0});
       },
       {"platform: 95 family", "driver: not installed", "input: off", "input-mixer: muted", "output-saved: 02 00 00 00"},
       kExitFailed},
      {"other family: the suite switches nothing there, nothing is read",
       [] {
         InstallNtDriver({1, 0, 0, 0}, {2, 0, 0, 0});
         Seed(kPatchKey, kValueSavedInput, {2, 0, 0, 0});
         hostwin32::SetPlatformId(VER_PLATFORM_WIN32s);
       },
       {"platform: other"},
       kExitDone},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    hostwin32::Reset();
    c.seed();
    EXPECT_EQ(c.nExit, RunReadOnly());
    EXPECT_EQ(Lines(c.lines), hostwin32::ConsoleOutput());
    if (c.lines[0] == "platform: NT family") EXPECT_EQ(0u, hostwin32::CountCalls("LoadLibraryA"));
    if (c.lines.size() == 1) EXPECT_EQ(0u, hostwin32::CountCalls("RegOpenKeyExA") + hostwin32::CountCalls("LoadLibraryA"));
  }
}

// What could not be read is named on its line, and the run exits with 1; every other line is as a clean run's.
// Rows with both seeds run on each family: the same lines are read the same way there.
TEST_F(OptStatusTest, NamesWhatCouldNotBeRead) {
  const std::function<void()> seedNt = [] {
    InstallNtDriver({1, 0, 0, 0}, kLong);
    Seed(kPatchKey, kValueSavedInput, {5, 0, 0, 0});
    Seed(kPatchKey, kValueSavedOutput, {3, 0, 0, 0});
    Record(kValueStateInput, {'1'});
    Record(kValueStateOutput, {'0'});
  };
  const std::function<void()> seed9x = [] {
    Install9xDriver(false, kLong);
    Seed(kPatchKey, kValueSavedOutput, {3, 0, 0, 0});
    Record(kValueStateInput, {'1', 0});
    Record(kValueStateOutput, {'0', 0});
  };
  const std::vector<std::function<void()>> kNt = {seedNt}, k9x = {seed9x}, kBoth = {seedNt, seed9x};
  const std::vector<std::string> kNoOutput = {};
  const std::string kOpticalMute = "the optical line's mute";
  const struct {
    const char* name;
    std::vector<std::function<void()>> seeds;
    const char* function;
    std::string argsPart;              // of the call to fail; "" for the first
    std::vector<std::string> changed;  // lines differing from a clean run's, a bare name for one left out
  } kCases[] = {
      {"driver value", kNt, "RegQueryValueExA", kValueEnableInput, {"input: not read", "input-value: not read"}},
      {"a long value's whole read", kBoth, "RegQueryValueExA", "capacity 12",
       {"output: not read", "output-value: not read"}},
      {"saved value", kBoth, "RegQueryValueExA", kValueSavedOutput, {"output-saved: not read"}},
      {"record", kBoth, "RegQueryValueExA", kValueStateOutput, {"backup-output: not read"}},
      {"driver key", kNt, "RegOpenKeyExA", kDriverServiceKey,
       {"driver: not read", "input", "input-value", "output", "output-value"}},
      {"patch key", kNt, "RegOpenKeyExA", kPatchKey,
       {"input-saved: not read", "output-saved: not read", "backup-input: not read", "backup-output: not read"}},
      {"95 patch key: no saved input", k9x, "RegOpenKeyExA", kPatchKey,
       {"output-saved: not read", "backup-input: not read", "backup-output: not read"}},
      {"95 control panel key: the input is the mixer's all the same", k9x, "RegOpenKeyExA", kControlPanelKey,
       {"driver: not read", "output", "output-value"}},
      {"95 SourceSelection", k9x, "RegQueryValueExA", kValueSourceSelection,
       {"output: not read", "output-value: not read"}},
      {"95 winmm", k9x, "LoadLibraryA", "", {"input: not read", "input-mixer: not read"}},
      {"95 mute", k9x, "mixerGetControlDetailsA", kOpticalMute, {"input: not read", "input-mixer: not read"}},
      {"standard output", kBoth, "GetStdHandle", "", kNoOutput},
      {"writing", kBoth, "WriteFile", "", kNoOutput},
  };
  for (const auto& c : kCases)
    for (const auto& seed : c.seeds) {
      hostwin32::Reset();
      seed();
      SCOPED_TRACE(std::string(c.name) + (GetPlatformFamily() == kNtFamily ? ", nt" : ", 95"));
      ASSERT_EQ(kExitDone, RunReadOnly());
      std::string want = "\n" + hostwin32::ConsoleOutput();
      const std::string part = c.argsPart == kOpticalMute ? OpticalMuteArg() : c.argsPart;
      const int nth = part.empty() ? 1 : NthCallWith(c.function, part);
      ASSERT_NE(0, nth) << "no such call";
      for (const std::string& line : c.changed) {
        const size_t colon = line.find(':');
        const size_t at = want.find("\n" + line.substr(0, colon) + ": ");
        ASSERT_NE(std::string::npos, at) << line;
        const size_t end = want.find('\n', at + 1);
        want.replace(at + 1, end - at, colon == std::string::npos ? "" : line + "\r\n");
      }
      want = c.changed.empty() ? "" : want.substr(1);
      hostwin32::FailCall(c.function, nth, ERROR_ACCESS_DENIED);
      EXPECT_EQ(kExitFailed, RunReadOnly());
      EXPECT_EQ(want, hostwin32::ConsoleOutput());
    }
}

}  // namespace
