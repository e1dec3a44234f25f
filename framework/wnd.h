// framework/wnd.h: CWnd, a window handle with a message map, subclassing and the calls the programs make.
#pragma once

#include "cmdtarget.h"
#include "point.h"
#include "rect.h"

class CDC;
class CMenu;
class CDataExchange;

// m_nFlags bits
#define WF_MODALLOOP 0x0002
#define WF_CONTINUEMODAL 0x0004

// RunModalLoop flags
#define MLF_SHOWONIDLE 0x0001

class CWnd : public CCmdTarget {
  DECLARE_DYNCREATE(CWnd)
 public:
  CWnd();
  virtual ~CWnd();

  HWND m_hWnd;

  operator HWND() const { return m_hWnd; }
  HWND GetSafeHwnd() const { return m_hWnd; }

  // The permanent object for the handle, else a temporary one deleted when the message loop is idle.
  static CWnd* FromHandle(HWND hWnd);
  static CWnd* FromHandlePermanent(HWND hWnd);
  static void DeleteTempMap();

  BOOL Attach(HWND hWndNew);
  HWND Detach();
  // Routes the window's messages through this object's message map first.
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();

  virtual BOOL DestroyWindow();

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  void SetWindowText(LPCSTR lpszString);
  int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
  int GetDlgCtrlID() const;
  CWnd* GetDlgItem(int nID) const;
  CWnd* GetParent() const;
  CMenu* GetSystemMenu(BOOL bRevert) const;
  HICON SetIcon(HICON hIcon, BOOL bBigIcon);

  void GetWindowRect(LPRECT lpRect) const;
  void GetClientRect(LPRECT lpRect) const;
  BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
  void ClientToScreen(LPPOINT lpPoint) const;
  void ScreenToClient(LPPOINT lpPoint) const;
  void ScreenToClient(LPRECT lpRect) const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  BOOL ShowWindow(int nCmdShow);
  BOOL IsWindowVisible() const;
  BOOL IsIconic() const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  void UpdateWindow();
  CWnd* SetFocus();

  // The window's display context as a temporary object; give it back with ReleaseDC.
  CDC* GetDC();
  int ReleaseDC(CDC* pDC);
  // Owned by this window; the caption defaults to the window's own text.
  int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = NULL, UINT nType = MB_OK);

  void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
  int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);

  // Runs DoDataExchange: FALSE moves member values to the controls, TRUE reads the controls back.
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  int RunModalLoop(DWORD dwFlags = 0);
  virtual BOOL ContinueModal();
  virtual void EndModalLoop(int nResult);

  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Offers the message to the PreTranslateMessage of each framework window from its target up to hWndStop.
  static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

 protected:
  WNDPROC m_pfnSuper;
  int m_nFlags;
  int m_nModalResult;

  virtual void DoDataExchange(CDataExchange* pDX);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void PostNcDestroy();

  // The current message, handed to the window's previous procedure.
  LRESULT Default();

  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg BOOL OnNcActivate(BOOL bActive);
  afx_msg UINT OnNcHitTest(CPoint point);
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg HCURSOR OnQueryDragIcon();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg void OnEndSession(BOOL bEnding);
  afx_msg void OnNcDestroy();

  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);

  DECLARE_MESSAGE_MAP()

 private:
  CWnd(const CWnd&) = delete;
  void operator=(const CWnd&) = delete;
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// The next window created on this thread is attached to pWnd and subclassed before its first message.
void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();
