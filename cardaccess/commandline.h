// cardaccess/commandline.h: the arguments of a command line as Windows hands it to a program.
#pragma once

// The argument string of a full command line: the program name, quoted or up to the first character of
// code 32 or less, and the blanks after it (codes 1 to 32) skipped.
const char* ArgumentString(const char* pszCommandLine);

// Whether the argument string is exactly "/?", blanks after it aside: the one argument every Windows user
// types to ask what a program does, so no tool acts on it.
bool IsHelpRequest(const char* pszArguments);
