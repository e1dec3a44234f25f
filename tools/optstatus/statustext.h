// tools/optstatus/statustext.h: optstatus's report, "name: value" lines gathered and written in one piece.
#pragma once

#include <windows.h>

class StatusText {
 public:
  StatusText();

  void AddLine(const char* pszName, const char* pszValue);
  // The bytes as two-digit hexadecimal numbers between blanks ("01 00 00 00"); "empty" for none.
  void AddBytes(const char* pszName, const BYTE* pb, DWORD cb);
  // The characters up to the first zero; any outside printable ASCII as "?"; "empty" for none.
  void AddText(const char* pszName, const BYTE* pb, DWORD cb);

  const char* Get() const { return m_sz; }
  // Every line to the handle; false when any was left out or not written whole.
  bool Write(HANDLE hOutput) const;

 private:
  void Append(const char* psz);

  char m_sz[640];  // the longest report is under 400 characters
  DWORD m_cch;
  bool m_bComplete;
};

// The characters to the handle in one piece; false unless all of them were written.
bool WriteText(HANDLE hOutput, const char* pch, DWORD cch);
