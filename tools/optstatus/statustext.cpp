// tools/optstatus/statustext.cpp: formats without wsprintf or printf, which would pull user32 or the C
// runtime's formatting into a console tool for Windows 98.
#include "statustext.h"

#include <string.h>

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

StatusText::StatusText() : m_cch(0), m_bComplete(true) { m_sz[0] = '\0'; }

void StatusText::Append(const char* psz) {
  const DWORD cch = static_cast<DWORD>(strlen(psz));
  if (!m_bComplete || cch >= sizeof m_sz - m_cch) {
    m_bComplete = false;
    return;
  }
  memcpy(m_sz + m_cch, psz, cch + 1);
  m_cch += cch;
}

void StatusText::AddLine(const char* pszName, const char* pszValue) {
  Append(pszName);
  Append(": ");
  Append(pszValue);
  Append("\r\n");
}

void StatusText::AddBytes(const char* pszName, const BYTE* pb, DWORD cb) {
  char sz[3 * 16] = "empty";
  if (cb > 16) cb = 16;
  for (DWORD i = 0; i < cb; ++i) {
    sz[3 * i] = kHexDigits[pb[i] >> 4];
    sz[3 * i + 1] = kHexDigits[pb[i] & 0x0F];
    sz[3 * i + 2] = i + 1 < cb ? ' ' : '\0';
  }
  AddLine(pszName, sz);
}

void StatusText::AddText(const char* pszName, const BYTE* pb, DWORD cb) {
  char sz[17] = "";
  DWORD cch = 0;
  for (; cch < cb && cch < sizeof sz - 1 && pb[cch]; ++cch)
    sz[cch] = pb[cch] >= 0x20 && pb[cch] < 0x7F ? static_cast<char>(pb[cch]) : '?';
  sz[cch] = '\0';
  AddLine(pszName, cch ? sz : "empty");
}

bool StatusText::Write(HANDLE hOutput) const { return m_bComplete && WriteText(hOutput, m_sz, m_cch); }

bool WriteText(HANDLE hOutput, const char* pch, DWORD cch) {
  if (!hOutput || hOutput == INVALID_HANDLE_VALUE) return false;
  DWORD cbWritten = 0;
  return WriteFile(hOutput, pch, cch, &cbWritten, nullptr) && cbWritten == cch;
}
