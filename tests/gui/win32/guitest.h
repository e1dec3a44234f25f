// tests/gui/win32/guitest.h: GUI_TEST(name) registers a test case; main runs them in file order.
#pragma once

typedef void (*GuiTestFn)();

struct GuiTestRegistrar {
  GuiTestRegistrar(const char* pszName, GuiTestFn pfn);
  const char* m_pszName;
  GuiTestFn m_pfn;
  GuiTestRegistrar* m_pNext;
};

#define GUI_TEST(name)                                   \
  static void name();                                    \
  static GuiTestRegistrar name##_registrar(#name, name); \
  static void name()
