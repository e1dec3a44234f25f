// tests/unit/optswitch_test.cpp: optswitch's command line, and the order of its calls on each family. What a run
// leaves is checked by the property, fault and Wine tests.
#include "hostfixture.h"
#include "switchpass.h"
#include "toolexit.h"

namespace {

// The first character after the program name (quoted, or up to a code of 32 or less) and the blanks after it.
TEST(OptSwitchCommandLine, FirstCharacterAfterTheProgramNameDecides) {
  const struct {
    const char* commandLine;
    bool bInput, bOutput;
  } kCases[] = {
      {"optswitch.exe BOTH", true, true},
      {"optswitch.exe Bx", true, true},
      {"optswitch.exe IN", true, false},
      {"optswitch.exe INPUT", true, false},
      {"optswitch.exe OUT", false, true},
      {"optswitch.exe OUTPUT IN", false, true},
      {"optswitch.exe in", false, false},
      {"optswitch.exe out", false, false},
      {"optswitch.exe both", false, false},
      {"optswitch.exe -IN", false, false},
      {"optswitch.exe \302B", false, false},
      {"optswitch.exe", false, false},
      {"", false, false},
      {"optswitch.exe   ", false, false},
      {"optswitch.exe\t\tBOTH", true, true},
      {"optswitch.exe \x01\x1f\x20OUT x", false, true},
      {"\"C:\\Program Files\\Beamset\\optswitch.exe\" OUT", false, true},
      {"\"C:\\Program Files\\Beamset\\optswitch.exe\"IN", true, false},
      {"\"C:\\Program Files\\optswitch.exe\" \t \"B\"", false, false},
      {"\"unterminated quote IN", false, false},
      {"\"\" BOTH", true, true},
      {"C:\\Pr\xe9sentation\\optswitch.exe IN", true, false},  // a byte above 127 is part of the name
      {"opt!switch.exe IN", true, false},                      // 33 is the first code that is no blank
      {"optswitch.exe !IN", false, false},
      {"optswitch.exe\177B", false, false},  // DEL is no blank: all one name
  };
  for (const auto& c : kCases) {
    const SwitchRequest r = ParseSwitchRequest(ArgumentString(c.commandLine));
    EXPECT_EQ(c.bInput, r.bDisableInput) << c.commandLine;
    EXPECT_EQ(c.bOutput, r.bDisableOutput) << c.commandLine;
  }
}

class OptSwitchTest : public HostTest {};

// Input before output, each saved before it is switched, the card's mute before the patch key is made; nothing at
// all on another family.
TEST_F(OptSwitchTest, CallOrderOnEachFamily) {
  const auto written = [] {
    std::vector<std::string> calls;
    for (const hostwin32::Call& c : hostwin32::Calls()) {
      const size_t quote = c.args.find('"');
      if (c.function == "mixerSetControlDetails") calls.push_back(c.function);
      if (c.function.compare(0, 3, "Reg") == 0 && quote != std::string::npos)
        calls.push_back(c.function + " " + c.args.substr(quote + 1, c.args.find('"', quote + 1) - quote - 1));
    }
    return calls;
  };
  const std::string open = "RegOpenKeyExA ", create = "RegCreateKeyA ", query = "RegQueryValueExA ",
                    set = "RegSetValueExA ";
  const struct {
    DWORD family;
    std::vector<std::string> calls;
  } kCases[] = {
      {2,
       {open + kDriverServiceKey, create + kPatchKey, query + kValueEnableInput, set + kValueSavedInput,
        set + kValueEnableInput, query + kValueOutputSource, set + kValueSavedOutput, set + kValueOutputSource}},
      {1,
       {open + kControlPanelKey, "mixerSetControlDetails", create + kPatchKey, query + kValueSourceSelection,
        set + kValueSavedOutput, set + kValueSourceSelection}},
      {0, {}},
  };
  for (const auto& c : kCases) {
    hostwin32::Reset();
    InstallNtDriver({2, 0, 0, 0}, {3, 0, 0, 0});
    Install9xDriver(false, {2, 0, 0, 0});
    hostwin32::SetPlatformId(c.family);
    hostwin32::ClearCalls();
    EXPECT_EQ(kExitDone, RunOptSwitch("optswitch.exe B"));
    EXPECT_EQ(c.calls, written()) << c.family;
  }
}

}  // namespace
