// cardaccess/opticalregistry.h: the registry keys, value names and byte patterns of the optical settings.
#pragma once

#include <windows.h>

// All under HKEY_LOCAL_MACHINE, spelled exactly as the programs pass them.
inline constexpr char kDriverServiceKey[] = "SYSTEM\\CurrentControlSet\\Services\\cwcspud\\cs461x\\Algorithms\\SPDIF";
inline constexpr char kControlPanelKey[] = "Software\\Crystal Semiconductor\\CS461x\\ControlPanel\\SPDIF\\OUT";
inline constexpr char kPatchKey[] = "Software\\VESK_SPDIF_PATCH";
inline constexpr char kPatchKeyUpper[] = "SOFTWARE\\VESK_SPDIF_PATCH";  // the backup tool's spelling

inline constexpr char kValueEnableInput[] = "SPDIFEnableInput";
inline constexpr char kValueOutputSource[] = "SPDIFOutputSource";
inline constexpr char kValueEnableOutput[] = "SPDIFEnableOutput";
inline constexpr char kValueSourceSelection[] = "SourceSelection";
inline constexpr char kValueSavedInput[] = "OLD_SDPIF_VALUE_IN";  // "SDPIF" as the installed base has it
inline constexpr char kValueSavedOutput[] = "OLD_SDPIF_VALUE_OUT";
inline constexpr char kValueStateInput[] = "BkupInput";
inline constexpr char kValueStateOutput[] = "BkupOutput";

inline constexpr DWORD kCurrentCapacity = 10;  // bytes asked of a driver value
inline constexpr DWORD kSavedLength = 4;       // bytes saved and written back
inline constexpr BYTE kNtOff[kSavedLength] = {0x00, 0x00, 0x00, 0x00};
inline constexpr BYTE kWin9xOff[kSavedLength] = {0xFF, 0x00, 0x00, 0x00};
inline constexpr BYTE kWin9xOffByte = 0xFF;
inline constexpr BYTE kDefaultOnByte = 0x01;
