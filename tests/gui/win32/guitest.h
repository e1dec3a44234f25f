// tests/gui/win32/guitest.h: GUI_TEST(name) registers a test case for the NT family, GUI_TEST_ON(family, name)
// for another; main runs, in file order, the tests of the family Wine reports to the program.
#pragma once

#include <windows.h>

typedef void (*GuiTestFn)();

struct GuiTestRegistrar {
  GuiTestRegistrar(const char* pszName, DWORD dwFamily, GuiTestFn pfn);
  const char* m_pszName;
  DWORD m_dwFamily;
  GuiTestFn m_pfn;
  GuiTestRegistrar* m_pNext;
};

#define GUI_TEST_ON(family, name)                                \
  static void name();                                            \
  static GuiTestRegistrar name##_registrar(#name, family, name); \
  static void name()

#define GUI_TEST(name) GUI_TEST_ON(VER_PLATFORM_WIN32_NT, name)
