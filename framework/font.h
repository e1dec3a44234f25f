// framework/font.h: CFont, a font handle owned by the object.
#pragma once

#include "gdiobject.h"

class CFont : public CGdiObject {
  DECLARE_DYNAMIC(CFont)
 public:
  CFont();
  virtual ~CFont();

  operator HFONT() const { return static_cast<HFONT>(m_hObject); }

  BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
  BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                  BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                  BYTE nQuality, BYTE nPitchAndFamily, LPCSTR lpszFacename);
};
