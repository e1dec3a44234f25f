// framework/dc.cpp: device-context wrappers and their temporary map.
#include "dc.h"

#include "bitmap.h"
#include "font.h"
#include "handlemap.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {

CTypedHandleMap<CDC, HDC, &CDC::m_hDC> g_dcMap;

}  // namespace

CDC::CDC() : m_hDC(NULL) {}

CDC::~CDC() {
  if (m_hDC != NULL) DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC) { return g_dcMap.FromHandle(hDC); }

void CDC::DeleteTempMap() { g_dcMap.DeleteTemp(); }

BOOL CDC::Attach(HDC hDC) { return g_dcMap.Attach(this, hDC); }

HDC CDC::Detach() { return g_dcMap.Detach(this); }

BOOL CDC::CreateCompatibleDC(CDC* pDC) { return Attach(::CreateCompatibleDC(pDC != NULL ? pDC->m_hDC : NULL)); }

BOOL CDC::DeleteDC() {
  if (m_hDC == NULL) return FALSE;
  return ::DeleteDC(Detach());
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
  HGDIOBJ hObject = pObject != NULL ? pObject->m_hObject : NULL;
  if (hObject == NULL) return NULL;
  return CGdiObject::FromHandle(::SelectObject(m_hDC, hObject));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(pBitmap)));
}

CFont* CDC::SelectObject(CFont* pFont) { return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont))); }

CGdiObject* CDC::SelectStockObject(int nIndex) {
  HGDIOBJ hObject = ::GetStockObject(nIndex);
  return hObject != NULL ? CGdiObject::FromHandle(::SelectObject(m_hDC, hObject)) : NULL;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
  return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != NULL ? pSrcDC->m_hDC : NULL, xSrc, ySrc, dwRop);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }

COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }

int CDC::GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
