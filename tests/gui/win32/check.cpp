// tests/gui/win32/check.cpp: prints each failure with its place and values.
#include "check.h"

#include <stdio.h>

namespace {
int g_nFailures = 0;
}

void CheckFailed(const char* file, int line, const char* expr, long actual, long expected) {
  ++g_nFailures;
  printf("  FAIL %s:%d: %s (got %ld, want %ld)\n", file, line, expr, actual, expected);
  fflush(stdout);
}

void CheckFailedText(const char* file, int line, const char* expr, const char* actual, const char* expected) {
  ++g_nFailures;
  printf("  FAIL %s:%d: %s (got \"%s\", want \"%s\")\n", file, line, expr, actual, expected);
  fflush(stdout);
}

int CheckFailures() { return g_nFailures; }
