// cardaccess/opticalchoice.h: Beamset's sequences: a direction read as its page's choice, both choices applied.
#pragma once

#include <windows.h>

#include "opticalstore.h"

class CCardMixer;

// A page's choice; any other value is no choice, and its direction is left alone.
const int kChoiceEnabled = 0;
const int kChoiceDisabled = 1;
const int kNoChoice = -1;

// Why a direction could not be changed.
enum ApplyFault {
  ApplyFaultNone,
  ApplyFaultKeyMissing,    // the driver's key is not there
  ApplyFaultKeyDenied,     // a key exists but could not be opened, or the patch key could not be created
  ApplyFaultMixerMissing,  // the card's mixer was not found
  ApplyFaultWriteFailed,   // a value or the mute could not be read or written
};

struct OpticalApplyResult {
  DWORD dwFamily;
  ApplyFault input;
  ApplyFault output;

  bool Succeeded() const { return input == ApplyFaultNone && output == ApplyFaultNone; }
};

// The direction's state as a choice: enabled or disabled, or kNoChoice on a family that switches nothing.
int ReadOpticalChoice(OpticalDirection direction);

// Writes each direction that has a choice: Disabled backs up the on-value and writes the off pattern,
// Enabled writes the backup (or the default) whatever the driver holds. Everything is attempted even
// after a failure. On the 95 family the input goes through the caller's mixer, opened here; the caller
// destroys it when it is done.
OpticalApplyResult ApplyOpticalChoices(int nInputChoice, int nOutputChoice, CCardMixer& mixer);

// Whether the pages' changes take a restart: a direction changed an odd number of times, where its
// setting is read at start-up (both on the NT family, the output alone on the 95 family).
bool NeedsRestart(DWORD dwFamily, int nInputToggles, int nOutputToggles);
