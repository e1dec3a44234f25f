// tests/unit/commandline_test.cpp: the tools' command lines: what optswitch's argument asks for, and "/?", which
// every tool answers with its usage and nothing else. What a run leaves is checked by the property, fault and
// Wine tests.
#include "backuppass.h"
#include "hostfixture.h"
#include "statuspass.h"
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

// "/?" alone, blanks after it aside, shows the usage in a message box or on the console, and nothing is read or
// written; a usage that could not be shown is a failure. Anything else keeps its meaning.
TEST(ToolCommandLine, HelpShowsTheUsageAndTouchesNothing) {
  for (const char* s : {"/? IN", "/?x", "-?", "/", "\"/?\""}) EXPECT_FALSE(IsHelpRequest(s)) << s;
  const struct {
    const char* commandLine;
    int (*pfnRun)(const char*);
    const char* shownBy;  // the call that shows the usage
    const char* usage;    // how it begins
  } kTools[] = {
      {"\"C:\\Program Files\\Beamset\\optswitch.exe\" /?", RunOptSwitch, "MessageBoxA", "Usage: optswitch [BOTH"},
      {"optbackup.exe /? \t", RunOptBackup, "MessageBoxA", "Usage: optbackup\n"},
      {"optstatus.exe /?", RunOptStatus, "WriteFile", "Usage: optstatus\r\n"},
  };
  for (const auto& t : kTools) {
    SCOPED_TRACE(t.commandLine);
    hostwin32::Reset();
    hostwin32::SetPlatformId(k9xFamily);  // where every tool would also reach for the card
    EXPECT_EQ(kExitDone, t.pfnRun(t.commandLine));
    std::string shown = hostwin32::ConsoleOutput();
    for (const hostwin32::Call& c : hostwin32::Calls()) {
      if (c.function == "MessageBoxA") shown += c.args;
      EXPECT_TRUE(c.function.compare(0, 3, "Reg") != 0 && c.function.compare(0, 5, "mixer") != 0) << c.function;
    }
    EXPECT_NE(std::string::npos, shown.find(t.usage)) << shown;
    EXPECT_EQ(0, hostwin32::LoadedLibraryCount());
    hostwin32::Reset();
    hostwin32::FailCall(t.shownBy, 1, ERROR_ACCESS_DENIED);
    EXPECT_EQ(kExitFailed, t.pfnRun(t.commandLine));
  }
}

}  // namespace
