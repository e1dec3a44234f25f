// tests/unit/onvaluepromise.h: the user's promise over any run of the tools, failed or not: each direction's
// newest on-value, the one its driver held last or saved last while it was off, is still in the driver's value
// or in its backup. Only a run that reports success replaces it, by the on-value it leaves in the driver.
// Free of gtest: the fuzz target keeps the same promise.
#pragma once

#include <hostwin32/testhost.h>

#include <vector>

#include "opticalregistry.h"

class OnValuePromise {
 public:
  using Bytes = std::vector<BYTE>;

  // The directions a family keeps in values: none on a family the suite does not switch.
  static std::vector<OnValuePromise> ForFamily(DWORD dwFamily) {
    std::vector<OnValuePromise> promises;
    for (int d = 0; d < 2; ++d)
      if (dwFamily == VER_PLATFORM_WIN32_NT || (dwFamily == VER_PLATFORM_WIN32_WINDOWS && d == 1))
        promises.push_back(OnValuePromise(dwFamily, d));
    return promises;
  }

  int Direction() const { return m_nDirection; }  // 0 the input, 1 the output
  const char* Key() const { return m_pszKey; }
  const char* Name() const { return m_pszName; }
  const char* SavedName() const { return m_pszSaved; }
  Bytes Now() const { return Read(m_pszKey, m_pszName); }
  Bytes Saved() const { return Read(kPatchKey, m_pszSaved); }
  const Bytes& Newest() const { return m_newest; }  // empty while the direction never held one
  Bytes OffValue() const { return Bytes{m_offByte, 0, 0, 0}; }
  bool IsOn(const Bytes& v) const { return !v.empty() && v[0] != 0 && v[0] != m_offByte; }
  // A backup the tools keep holds an on-value, if there is one at all.
  bool BackupIsOnOrNone() const {
    hostwin32::RegValue v;
    return !hostwin32::GetValue(kPatchKey, m_pszSaved, &v) || IsOn(v.data);
  }

  // The driver wrote a new on-value of its own.
  void DriverWrote(const Bytes& v) { m_newest = First4(v); }
  // After a run: whether the newest on-value is still there; a success's on-value becomes the newest.
  bool Kept(bool bSucceeded) {
    const Bytes now = Now();
    const bool bKept = m_newest.empty() || First4(now) == m_newest || First4(Saved()) == m_newest;
    if (bSucceeded && IsOn(now)) m_newest = First4(now);
    return bKept;
  }

  // What is saved and written back of a value: its first four bytes, zero-filled.
  static Bytes First4(Bytes v) {
    v.resize(4, 0);
    return v;
  }

 private:
  OnValuePromise(DWORD dwFamily, int nDirection) : m_nDirection(nDirection) {
    const bool b9x = dwFamily == VER_PLATFORM_WIN32_WINDOWS;
    m_pszKey = b9x ? kControlPanelKey : kDriverServiceKey;
    m_pszName = nDirection == 0 ? kValueEnableInput : b9x ? kValueSourceSelection : kValueOutputSource;
    m_pszSaved = nDirection == 0 ? kValueSavedInput : kValueSavedOutput;
    m_offByte = b9x ? 0xFF : 0;
    const Bytes now = Now(), saved = Saved();
    m_newest = IsOn(now) ? First4(now) : IsOn(saved) ? First4(saved) : Bytes();
  }
  static Bytes Read(const char* pszKey, const char* pszName) {
    hostwin32::RegValue v;
    return hostwin32::GetValue(pszKey, pszName, &v) ? v.data : Bytes();
  }

  int m_nDirection;
  const char* m_pszKey;
  const char* m_pszName;
  const char* m_pszSaved;
  BYTE m_offByte;
  Bytes m_newest;
};
