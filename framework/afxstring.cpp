// framework/afxstring.cpp: CString storage on the C heap; the empty string shares one static buffer.
#include "afxstring.h"

#include <stdlib.h>
#include <string.h>

#include "afxglobals.h"

namespace {
char g_chNil = '\0';
}

CString::CString() : m_pchData(&g_chNil), m_nLength(0) {}

CString::CString(const CString& stringSrc) : m_pchData(&g_chNil), m_nLength(0) {
  Assign(stringSrc.m_pchData, stringSrc.m_nLength);
}

CString::CString(LPCSTR lpsz) : m_pchData(&g_chNil), m_nLength(0) {
  if (lpsz != NULL) Assign(lpsz, static_cast<int>(strlen(lpsz)));
}

CString::~CString() { Empty(); }

const CString& CString::operator=(const CString& stringSrc) {
  if (this != &stringSrc) Assign(stringSrc.m_pchData, stringSrc.m_nLength);
  return *this;
}

const CString& CString::operator=(LPCSTR lpsz) {
  if (lpsz == NULL) {
    Empty();
  } else {
    Assign(lpsz, static_cast<int>(strlen(lpsz)));
  }
  return *this;
}

const CString& CString::operator+=(LPCSTR lpsz) {
  const int nAdd = lpsz != NULL ? static_cast<int>(strlen(lpsz)) : 0;
  if (nAdd == 0) return *this;
  LPSTR p = static_cast<LPSTR>(malloc(static_cast<size_t>(m_nLength) + static_cast<size_t>(nAdd) + 1));
  if (p == NULL) return *this;  // out of memory: the string stays as it was
  memcpy(p, m_pchData, static_cast<size_t>(m_nLength));
  memcpy(p + m_nLength, lpsz, static_cast<size_t>(nAdd) + 1);
  const int nLength = m_nLength + nAdd;
  Empty();
  m_pchData = p;
  m_nLength = nLength;
  return *this;
}

void CString::Empty() {
  if (m_pchData != &g_chNil) free(m_pchData);
  m_pchData = &g_chNil;
  m_nLength = 0;
}

void CString::Assign(LPCSTR lpsz, int nLength) {
  if (nLength == 0) {
    Empty();
    return;
  }
  LPSTR p = static_cast<LPSTR>(malloc(static_cast<size_t>(nLength) + 1));
  if (p == NULL) {
    Empty();
    return;
  }
  memcpy(p, lpsz, static_cast<size_t>(nLength));
  p[nLength] = '\0';
  Empty();
  m_pchData = p;
  m_nLength = nLength;
}

BOOL CString::LoadString(UINT nID) {
  // A resource string holds at most 65535 characters; grow until it fits.
  for (int nSize = 256; nSize <= 65536; nSize *= 4) {
    LPSTR buf = static_cast<LPSTR>(malloc(static_cast<size_t>(nSize)));
    if (buf == NULL) break;
    int nLen = ::LoadStringA(AfxGetResourceHandle(), nID, buf, nSize);
    if (nLen < nSize - 1) {
      Assign(buf, nLen);
      free(buf);
      return nLen > 0;
    }
    free(buf);
  }
  Empty();
  return FALSE;
}
