// cardaccess/commandline.cpp: skipping the program name, as Windows' own start-up code does.
#include "commandline.h"

namespace {

bool IsBlank(unsigned char ch) { return ch >= 1 && ch <= 32; }

}  // namespace

const char* ArgumentString(const char* pszCommandLine) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(pszCommandLine);
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p > 32) ++p;
  }
  while (IsBlank(*p)) ++p;
  return reinterpret_cast<const char*>(p);
}

bool IsHelpRequest(const char* pszArguments) {
  if (pszArguments[0] != '/' || pszArguments[1] != '?') return false;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(pszArguments + 2);
  while (IsBlank(*p)) ++p;
  return *p == '\0';
}
