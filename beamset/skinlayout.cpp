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
const WORD* SkipNameOrOrdinal(const WORD* p) {
  if (*p == 0xFFFF) return p + 2;
  while (*p != 0) ++p;
  return p + 1;
}

}  // namespace

void LayOutInSkinPixels(CWnd& dlg, UINT nIDTemplate) {
  HINSTANCE hInst = AfxGetResourceHandle();
  HRSRC hResource = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDTemplate), reinterpret_cast<LPCSTR>(RT_DIALOG));
  HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
  const DlgTemplateEx* pTemplate =
      hTemplate != NULL ? static_cast<const DlgTemplateEx*>(::LockResource(hTemplate)) : NULL;
  if (pTemplate == NULL || pTemplate->signature != 0xFFFF) return;

  dlg.SetWindowPos(NULL, 0, 0, SkinX(pTemplate->cx), SkinY(pTemplate->cy), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  // Menu, class and title, then the font: point size, weight, italic and character set, typeface.
  const WORD* p = SkipNameOrOrdinal(SkipNameOrOrdinal(SkipNameOrOrdinal(reinterpret_cast<const WORD*>(pTemplate + 1))));
  if (pTemplate->style & DS_SETFONT) p = SkipNameOrOrdinal(p + 3);
  for (int i = 0; i < pTemplate->cDlgItems; ++i) {
    // Each item starts on a DWORD boundary, and ends with its class, title and creation data.
    const DlgItemTemplateEx* pItem =
        reinterpret_cast<const DlgItemTemplateEx*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~static_cast<ULONG_PTR>(3));
    p = SkipNameOrOrdinal(SkipNameOrOrdinal(reinterpret_cast<const WORD*>(pItem + 1)));
    p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p + 1) + *p);

    CWnd* pControl = dlg.GetDlgItem(static_cast<int>(pItem->id));
    if (pControl == NULL) continue;
    // A bitmap static keeps its bitmap's size, whatever its template says.
    const bool bBitmap = pControl->SendMessage(STM_GETIMAGE, IMAGE_BITMAP) != 0;
    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | (bBitmap ? SWP_NOSIZE : 0);
    pControl->SetWindowPos(NULL, SkinX(pItem->x), SkinY(pItem->y), SkinX(pItem->cx), SkinY(pItem->cy), nFlags);
  }
}
