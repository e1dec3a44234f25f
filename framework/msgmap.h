// framework/msgmap.h: message maps: the entry table, the map macros and the ON_ entries the programs use.
#pragma once

#include <string.h>
#include <windows.h>

class CCmdTarget;
class CWnd;
class CDC;
class CPoint;

#define afx_msg

typedef void (CCmdTarget::*AFX_PMSG)();

// How a handler is called; chosen by the ON_ macro, checked against the handler's type there.
enum AfxSig {
  AfxSig_end = 0,
  AfxSig_vv,     // void ()
  AfxSig_bD,     // BOOL (CDC*)
  AfxSig_bb,     // BOOL (BOOL)
  AfxSig_wp,     // UINT (CPoint)
  AfxSig_vwl,    // void (UINT, LPARAM)
  AfxSig_hv,     // HCURSOR ()
  AfxSig_vwp,    // void (UINT, CPoint)
  AfxSig_hDWw,   // HBRUSH (CDC*, CWnd*, UINT)
  AfxSig_lwl,    // LRESULT (WPARAM, LPARAM)
  AfxSig_vb,     // void (BOOL)
};

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;    // control notification code for WM_COMMAND entries
  UINT nID;
  UINT nLastID;
  UINT nSig;
  AFX_PMSG pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

// Every handler pointer is stored in one type; the dispatcher converts back by nSig.
template <class TPmf>
inline AFX_PMSG AfxMsgFn(TPmf pfn) {
  static_assert(sizeof(TPmf) == sizeof(AFX_PMSG), "pointer-to-member layouts differ");
  AFX_PMSG result;
  memcpy(&result, &pfn, sizeof result);
  return result;
}

template <class TPmf>
inline TPmf AfxMsgFnAs(AFX_PMSG pfn) {
  TPmf result;
  memcpy(&result, &pfn, sizeof result);
  return result;
}

#define DECLARE_MESSAGE_MAP() \
 protected: \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() { \
    typedef theClass ThisClass; \
    typedef baseClass TheBaseClass; \
    static_assert(sizeof(ThisClass) > 0, "complete class"); \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
      {0, 0, 0, 0, AfxSig_end, NULL}}; \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap; \
  }

#define AFX_MSG_ENTRY(msg, sig, type, memberFxn) \
  {msg, 0, 0, 0, sig, AfxMsgFn(static_cast<type>(&ThisClass::memberFxn))},

#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, AfxSig_bD, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_NCACTIVATE() AFX_MSG_ENTRY(WM_NCACTIVATE, AfxSig_bb, BOOL (CWnd::*)(BOOL), OnNcActivate)
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, AfxSig_wp, UINT (CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_QUERYDRAGICON() AFX_MSG_ENTRY(WM_QUERYDRAGICON, AfxSig_hv, HCURSOR (CWnd::*)(), OnQueryDragIcon)
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_ENDSESSION() AFX_MSG_ENTRY(WM_ENDSESSION, AfxSig_vb, void (CWnd::*)(BOOL), OnEndSession)
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, AfxSig_vv, void (CWnd::*)(), OnNcDestroy)
// One entry serves every WM_CTLCOLORxxx message; the handler gets the CTLCOLOR_ kind.
#define WM_CTLCOLOR 0x0019
#define ON_WM_CTLCOLOR() AFX_MSG_ENTRY(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)

#define ON_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, AfxSig_lwl, LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn)

#define CN_COMMAND 0
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
  {WM_COMMAND, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id), AfxSig_vv, \
   AfxMsgFn(static_cast<void (CCmdTarget::*)()>(&ThisClass::memberFxn))},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(CN_COMMAND, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
