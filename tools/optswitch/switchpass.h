// tools/optswitch/switchpass.h: optswitch's one pass: disable the named optical directions, restore the rest.
#pragma once

#include "commandline.h"

// What the first character of the argument string asks for.
struct SwitchRequest {
  bool bDisableInput;
  bool bDisableOutput;
};

SwitchRequest ParseSwitchRequest(const char* pszArguments);

// Runs the pass for a full command line as GetCommandLineA gives it; returns the exit code. "/?" shows the
// usage and changes nothing.
int RunOptSwitch(const char* pszCommandLine);
