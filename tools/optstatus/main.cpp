// tools/optstatus/main.cpp: entry point; the command line is ignored.
#include <windows.h>

#include "statuspass.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunOptStatus(); }
