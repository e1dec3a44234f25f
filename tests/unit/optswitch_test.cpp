// tests/unit/optswitch_test.cpp: optswitch's command line. What a run leaves is checked by the property, fault and
// Wine tests.
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

}  // namespace
