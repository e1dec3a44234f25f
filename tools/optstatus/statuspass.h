// tools/optstatus/statuspass.h: optstatus's one pass: report each optical direction, its saved value and
// optbackup's record, changing nothing.
#pragma once

// Writes the report to standard output; returns the exit code.
int RunOptStatus();
