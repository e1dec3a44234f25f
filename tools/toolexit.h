// tools/toolexit.h: exit codes of the windowless tools, for the scripts that run them.
#pragma once

enum ToolExitCode {
  kExitDone = 0,    // the pass did what was asked (on an unsupported Windows family: nothing to do)
  kExitFailed = 1,  // a key, value or mixer control the pass needed could not be opened, read or written
};
