// cardaccess/win32layout.cpp: the Win32 structure sizes the card access code passes to the system.
// The shipped programs are i686; the x86-64 build exists only to run the Wine tests, with sizes of its own.
#include <windows.h>
#include <mmsystem.h>

namespace {
constexpr bool k64 = sizeof(void*) == 8;
}

static_assert(sizeof(MIXERCONTROLDETAILS) == (k64 ? 32 : 24), "MIXERCONTROLDETAILS");
static_assert(sizeof(MIXERLINECONTROLSA) == (k64 ? 28 : 24), "MIXERLINECONTROLSA");
static_assert(sizeof(MIXERCAPSA) == 48, "MIXERCAPSA");
static_assert(sizeof(MIXERCONTROLA) == 148, "MIXERCONTROLA");
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA");
