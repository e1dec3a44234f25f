// tools/optstatus/statuspass.h: optstatus's one pass: report each optical direction, its saved value and
// optbackup's record, changing nothing.
#pragma once

// Writes the report to standard output; returns the exit code. The command line (as GetCommandLineA gives
// it) is ignored but for "/?", which prints the usage and reads nothing.
int RunOptStatus(const char* pszCommandLine);
