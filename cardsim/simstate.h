// cardsim/simstate.h: builds the simulated machine's mixer devices and carries their control values across processes.
#pragma once

#include <hostwin32/mixermodel.h>

namespace cardsim {

// The devices the configuration names, with the control values an earlier process left.
void LoadMachine(mixermodel::Mixer* pMixer);

// Stores every device's control values for the next process; false if the registry refused them.
bool SaveMachine(const mixermodel::Mixer& mixer);

}  // namespace cardsim
