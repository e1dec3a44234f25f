// tools/optbackup/backuppass.h: optbackup's one pass: record whether each optical direction is on.
#pragma once

// Writes "1" or "0" as BkupInput and BkupOutput in the patch key; returns the exit code. The command line
// (as GetCommandLineA gives it) is ignored but for "/?", which shows the usage and writes nothing.
int RunOptBackup(const char* pszCommandLine);
