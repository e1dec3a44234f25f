// tests/gui/win32/leakcount.h: counts this process's GDI objects and windows (Wine's GetGuiResources answers 0).
#pragma once

int CountGdiObjects();
int CountWindows();
