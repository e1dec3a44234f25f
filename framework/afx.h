// framework/afx.h: the framework's base classes: CObject, run-time classes, CString.
#pragma once

#include <windows.h>

#include "afxstring.h"
#include "object.h"
#include "runtimeclass.h"
