// beamset/proppageout.h: CPropPageOut, the optical output page: Enabled or Disabled, as read and as chosen.
#pragma once

#include <afxdlgs.h>

class CPropPageOut : public CPropertyPage {
  DECLARE_DYNCREATE(CPropPageOut)
 public:
  CPropPageOut();
  virtual ~CPropPageOut();

  // Read by the apply; the page never writes a setting itself.
  int m_nToggleCount;  // changes of the selection, never reset
  CFont m_font;
  CButton m_btnEnabled;
  int m_nState;  // 0 Enabled, 1 Disabled, -1 not read

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual BOOL OnInitDialog();
  void ReadCurrentState();

  afx_msg void OnPaint();
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg void OnRadioClicked();
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);

  DECLARE_MESSAGE_MAP()
};
