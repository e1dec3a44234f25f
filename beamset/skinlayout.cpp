// beamset/skinlayout.cpp: the templates' dialog units read from the resource and converted at the fixed
// base units of 96 DPI, rounded as Windows rounds them.
#include "skinlayout.h"

namespace {

#pragma pack(push, 2)
struct DlgTemplateEx {
  WORD dlgVer, signature;
  DWORD helpID, exStyle, style;
  WORD cDlgItems;
  short x, y, cx, cy;
};
struct DlgItemTemplateEx {
  DWORD helpID, exStyle, style;
  short x, y, cx, cy;
  DWORD id;
};
#pragma pack(pop)

int SkinX(int x) { return ::MulDiv(x, 6, 4); }
int SkinY(int y) { return ::MulDiv(y, 13, 8); }

// Past a menu, class, title or typeface field: an ordinal (0xFFFF and a number) or a zero-ended string.
// Null where the field would run past pEnd.
const WORD* SkipNameOrOrdinal(const WORD* p, const WORD* pEnd) {
  if (p == NULL || p >= pEnd) return NULL;
  if (*p == 0xFFFF) return p + 2 <= pEnd ? p + 2 : NULL;
  while (p < pEnd && *p != 0) ++p;
  return p < pEnd ? p + 1 : NULL;
}

}  // namespace

void LayOutInSkinPixels(CWnd& dlg, UINT nIDTemplate) {
  HINSTANCE hInst = AfxGetResourceHandle();
  HRSRC hResource = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDTemplate), reinterpret_cast<LPCSTR>(RT_DIALOG));
  HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
  const DlgTemplateEx* pTemplate =
      hTemplate != NULL ? static_cast<const DlgTemplateEx*>(::LockResource(hTemplate)) : NULL;
  const DWORD cbTemplate = hResource != NULL ? ::SizeofResource(hInst, hResource) : 0;
  if (pTemplate == NULL || cbTemplate < sizeof *pTemplate || pTemplate->signature != 0xFFFF) return;
  // Nothing is read past the resource, whatever it holds.
  const BYTE* pEnd = reinterpret_cast<const BYTE*>(pTemplate) + cbTemplate;
  const WORD* pEndWord = reinterpret_cast<const WORD*>(pEnd - cbTemplate % 2);

  dlg.SetWindowPos(NULL, 0, 0, SkinX(pTemplate->cx), SkinY(pTemplate->cy), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  // Menu, class and title, then the font: point size, weight, italic and character set, typeface.
  const WORD* p = reinterpret_cast<const WORD*>(pTemplate + 1);
  p = SkipNameOrOrdinal(SkipNameOrOrdinal(SkipNameOrOrdinal(p, pEndWord), pEndWord), pEndWord);
  if (p != NULL && (pTemplate->style & DS_SETFONT)) p = SkipNameOrOrdinal(p + 3, pEndWord);
  for (int i = 0; p != NULL && i < pTemplate->cDlgItems; ++i) {
    // Each item starts on a DWORD boundary, and ends with its class, title and creation data.
    const DlgItemTemplateEx* pItem =
        reinterpret_cast<const DlgItemTemplateEx*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~static_cast<ULONG_PTR>(3));
    if (reinterpret_cast<const BYTE*>(pItem + 1) > pEnd) return;
    p = SkipNameOrOrdinal(SkipNameOrOrdinal(reinterpret_cast<const WORD*>(pItem + 1), pEndWord), pEndWord);
    if (p == NULL || p >= pEndWord) return;
    p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p + 1) + *p);

    CWnd* pControl = dlg.GetDlgItem(static_cast<int>(pItem->id));
    if (pControl == NULL) continue;
    // A bitmap static keeps its bitmap's size, whatever its template says.
    const bool bBitmap = pControl->SendMessage(STM_GETIMAGE, IMAGE_BITMAP) != 0;
    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | (bBitmap ? SWP_NOSIZE : 0);
    pControl->SetWindowPos(NULL, SkinX(pItem->x), SkinY(pItem->y), SkinX(pItem->cx), SkinY(pItem->cy), nFlags);
  }
}
