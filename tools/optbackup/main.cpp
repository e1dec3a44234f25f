// tools/optbackup/main.cpp: entry point; the command line comes from the system, not the runtime's copy.
#include <windows.h>

#include "backuppass.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunOptBackup(GetCommandLineA()); }
