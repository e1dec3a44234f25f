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
  ApplyFaultKeyMissing,       // the driver's key is not there: the driver is not installed
  ApplyFaultAccessDenied,     // NT family: a key could not be opened or created for want of rights
  ApplyFaultMixerMissing,     // the card's mixer was not found
  ApplyFaultMixerRefused,     // the card's mixer did not take the change
  ApplyFaultSavedUnreadable,  // the saved on-value exists but could not be read
  ApplyFaultUnreadable,       // the current value could not be read, so nothing was written over it
  ApplyFaultWriteFailed,      // a value could not be written
};

struct OpticalApplyResult {
  DWORD dwFamily;
  ApplyFault input;
  ApplyFault output;
  bool bInputWritten;  // the direction was switched by this apply
  bool bOutputWritten;

  bool Succeeded() const { return input == ApplyFaultNone && output == ApplyFaultNone; }
};

// The direction's state as a choice: enabled or disabled, or kNoChoice when it could not be read or the
// family switches nothing.
int ReadOpticalChoice(OpticalDirection direction);

// Switches each direction whose choice differs from its state: Disabled backs up the on-value and writes
// the off pattern, Enabled writes the backup (or the default). A direction already as chosen, or whose
// value could not be read, is written nothing; with neither choice made, no key is opened or created.
// Everything is attempted even after a failure. On the 95 family the input goes through the caller's
// mixer, opened here; the caller destroys it when done.
OpticalApplyResult ApplyOpticalChoices(int nInputChoice, int nOutputChoice, CCardMixer& mixer);

// Whether what the apply switched takes a restart: a direction written and changed an odd number of
// times, where its setting is read at start-up (both on the NT family, the output alone on the 95 family).
bool NeedsRestart(const OpticalApplyResult& result, int nInputToggles, int nOutputToggles);
