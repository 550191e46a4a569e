#pragma once
// The root of the framework's objects that own a message map.
#include "platform/afx/AfxMessageMap.h"

class CCmdTarget {
  public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Offers the call to the first matching entries of this class's map and then its bases'
    // maps until a handler takes it; false when none did.
    bool DispatchMapped(UINT message, UINT code, UINT id, AFX_MSG_CALL& call);

  protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
