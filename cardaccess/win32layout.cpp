// cardaccess/win32layout.cpp: the Win32 structure sizes the card access code passes to the system.
#include <windows.h>
#include <mmsystem.h>

static_assert(sizeof(MIXERCONTROLDETAILS) == 24, "MIXERCONTROLDETAILS");
static_assert(sizeof(MIXERLINECONTROLSA) == 24, "MIXERLINECONTROLSA");
static_assert(sizeof(MIXERCAPSA) == 48, "MIXERCAPSA");
static_assert(sizeof(MIXERCONTROLA) == 148, "MIXERCONTROLA");
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA");
