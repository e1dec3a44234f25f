// tools/toolexit.h: exit codes of the windowless tools, for the scripts that run them.
#pragma once

enum ToolExitCode {
  kExitDone = 0,    // the pass did what was asked (on an unsupported Windows family: nothing to do)
  kExitFailed = 1,  // a key could not be opened or created, a write failed, or the card's mixer was missing
};
