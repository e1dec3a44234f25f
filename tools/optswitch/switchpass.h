// tools/optswitch/switchpass.h: optswitch's one pass: disable the named optical directions, restore the rest.
#pragma once

// What the first character of the argument string asks for.
struct SwitchRequest {
  bool bDisableInput;
  bool bDisableOutput;
};

// The argument string of a full command line: the program name, quoted or up to the first
// character of code 32 or less, and the blanks after it (codes 1 to 32) skipped.
const char* ArgumentString(const char* pszCommandLine);

SwitchRequest ParseSwitchRequest(const char* pszArguments);

// Runs the pass for a full command line as GetCommandLineA gives it; returns the exit code.
int RunOptSwitch(const char* pszCommandLine);
