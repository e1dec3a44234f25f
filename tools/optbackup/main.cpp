// tools/optbackup/main.cpp: entry point; the command line is ignored.
#include <windows.h>

#include "backuppass.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunOptBackup(); }
