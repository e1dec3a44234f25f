// cardsim/simstate.cpp: the simulated machine's configuration and control values, kept in the registry.
#include "simstate.h"

#include <windows.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "simconfig.h"

namespace cardsim {
namespace {

const char kHall7Name[] = "Sonority Hall 7 Pro";

std::string ControlsValueName(size_t nDevice) {
  char sz[32];
  snprintf(sz, sizeof sz, "%s%u", kCardSimControlsPrefix, static_cast<unsigned>(nDevice));
  return sz;
}

// Reads a whole value; false when it is missing or unreadable.
bool QueryValue(HKEY hKey, const char* pszName, DWORD* pdwType, std::vector<BYTE>* pData) {
  DWORD cb = 0;
  if (RegQueryValueExA(hKey, pszName, nullptr, pdwType, nullptr, &cb) != ERROR_SUCCESS) return false;
  pData->assign(cb + 2, 0);  // room for the terminators a multi-string may lack
  return RegQueryValueExA(hKey, pszName, nullptr, pdwType, pData->data(), &cb) == ERROR_SUCCESS;
}

std::vector<std::string> ConfiguredNames(HKEY hKey) {
  DWORD dwType = 0;
  std::vector<BYTE> data;
  if (!hKey || !QueryValue(hKey, kCardSimDevices, &dwType, &data) || dwType != REG_MULTI_SZ)
    return {"Audioscape Arpeggio Deluxe"};
  std::vector<std::string> names;
  for (const char* p = reinterpret_cast<const char*>(data.data()); *p; p += strlen(p) + 1) names.push_back(p);
  return names;
}

mixermodel::Device MakeDevice(const std::string& name) {
  if (name == kHall7Name) return mixermodel::SonorityHall7Pro();
  mixermodel::Device device = mixermodel::ArpeggioDeluxe();
  device.name = name;
  return device;
}

// Values whose control or count no longer fits the device are left at the board's defaults.
void ApplySavedControls(mixermodel::Mixer* pMixer, size_t nDevice, const std::vector<BYTE>& data) {
  const size_t nWords = data.size() / sizeof(DWORD);
  std::vector<DWORD> words(nWords);
  if (nWords) memcpy(words.data(), data.data(), nWords * sizeof(DWORD));
  size_t i = 0;
  while (i + 2 <= nWords) {
    const DWORD dwControlID = words[i], nValues = words[i + 1];
    i += 2;
    if (nValues > nWords - i) break;
    mixermodel::Control* pControl = pMixer->FindControl(nDevice, dwControlID);
    if (pControl && pControl->values.size() == nValues)
      pControl->values.assign(words.begin() + static_cast<long>(i), words.begin() + static_cast<long>(i + nValues));
    i += nValues;
  }
}

}  // namespace

void LoadMachine(mixermodel::Mixer* pMixer) {
  HKEY hKey = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kCardSimKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS) hKey = nullptr;
  pMixer->devices.clear();
  for (const std::string& name : ConfiguredNames(hKey)) pMixer->devices.push_back(MakeDevice(name));
  for (size_t n = 0; hKey && n < pMixer->devices.size(); ++n) {
    DWORD dwType = 0;
    std::vector<BYTE> data;
    if (QueryValue(hKey, ControlsValueName(n).c_str(), &dwType, &data) && dwType == REG_BINARY)
      ApplySavedControls(pMixer, n, data);
  }
  if (hKey) RegCloseKey(hKey);
}

bool SaveMachine(const mixermodel::Mixer& mixer) {
  HKEY hKey = nullptr;
  if (RegCreateKeyA(HKEY_LOCAL_MACHINE, kCardSimKey, &hKey) != ERROR_SUCCESS) return false;
  bool bSaved = true;
  for (size_t n = 0; n < mixer.devices.size(); ++n) {
    std::vector<DWORD> words;
    for (const mixermodel::Line& line : mixer.devices[n].lines)
      for (const mixermodel::Control& control : line.controls) {
        words.push_back(control.dwControlID);
        words.push_back(static_cast<DWORD>(control.values.size()));
        words.insert(words.end(), control.values.begin(), control.values.end());
      }
    bSaved &=
        RegSetValueExA(hKey, ControlsValueName(n).c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>(words.data()),
                       static_cast<DWORD>(words.size() * sizeof(DWORD))) == ERROR_SUCCESS;
  }
  RegCloseKey(hKey);
  return bSaved;
}

}  // namespace cardsim
