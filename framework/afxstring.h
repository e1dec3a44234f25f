// framework/afxstring.h: CString, as far as the programs use it (construction, copy, resource strings).
#pragma once

#include <windows.h>

class CString {
 public:
  CString();
  CString(const CString& stringSrc);
  CString(LPCSTR lpsz);
  ~CString();

  const CString& operator=(const CString& stringSrc);
  const CString& operator=(LPCSTR lpsz);
  const CString& operator+=(LPCSTR lpsz);

  int GetLength() const { return m_nLength; }
  BOOL IsEmpty() const { return m_nLength == 0; }
  void Empty();
  operator LPCSTR() const { return m_pchData; }

  // FALSE, leaving the string empty, when the resource is missing or holds no characters.
  BOOL LoadString(UINT nID);

 private:
  void Assign(LPCSTR lpsz, int nLength);

  LPSTR m_pchData;
  int m_nLength;
};
