// framework/cmdtarget.h: CCmdTarget, the owner of a message map and the router of WM_COMMAND.
#pragma once

#include "msgmap.h"
#include "object.h"

struct AFX_CMDHANDLERINFO;

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)
 public:
  CCmdTarget();
  virtual ~CCmdTarget();

  // Runs the first handler in this object's maps for the command; FALSE when there is none.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

  // The first entry for a window message, searching this map and then each base map.
  static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};
