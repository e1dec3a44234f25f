// tests/gui/win32/check.h: failure reporting for the GUI tests; a failed check records and carries on.
#pragma once

#include <string.h>

void CheckFailed(const char* file, int line, const char* expr, long actual, long expected);
void CheckFailedText(const char* file, int line, const char* expr, const char* actual, const char* expected);
int CheckFailures();

#define CHECK(cond)                                            \
  do {                                                         \
    if (!(cond)) CheckFailed(__FILE__, __LINE__, #cond, 0, 0); \
  } while (0)

#define CHECK_EQ(actual, expected)                                                                           \
  do {                                                                                                       \
    long check_a_ = (long)(actual);                                                                          \
    long check_e_ = (long)(expected);                                                                        \
    if (check_a_ != check_e_) CheckFailed(__FILE__, __LINE__, #actual " == " #expected, check_a_, check_e_); \
  } while (0)

#define CHECK_STR(actual, expected)                                                      \
  do {                                                                                   \
    const char* check_a_ = (actual);                                                     \
    const char* check_e_ = (expected);                                                   \
    if (strcmp(check_a_, check_e_) != 0)                                                 \
      CheckFailedText(__FILE__, __LINE__, #actual " == " #expected, check_a_, check_e_); \
  } while (0)
