// tools/usagebox.h: how a windowless tool answers "/?": its usage in a message box.
#pragma once

// Shows the usage in a message box titled with the tool's name; false when it could not be shown (no
// desktop to show it on, as for a task run without one).
bool ShowUsageBox(const char* pszTool, const char* pszUsage);
