// cardsim/simconfig.h: where the simulated card keeps its configuration and control values (HKLM).
#pragma once

// Absent key or value: one "Audioscape Arpeggio Deluxe". Tests seed and read these directly.
inline constexpr char kCardSimKey[] = "Software\\Beamset\\CardSim";
// REG_MULTI_SZ, mixer device names in device-ID order; an empty list is a machine without a mixer.
// "Sonority Hall 7 Pro" gets that board's lines, any other name the Arpeggio Deluxe's.
inline constexpr char kCardSimDevices[] = "Devices";
// REG_BINARY per device, "Controls0", "Controls1", ...: records of DWORDs (control ID, value count, values).
inline constexpr char kCardSimControlsPrefix[] = "Controls";
