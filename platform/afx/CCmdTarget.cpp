#include "platform/afx/CCmdTarget.h"

namespace {

bool Matches(const AFX_MSGMAP_ENTRY& e, UINT message, UINT code, UINT id) {
    const UINT number = e.registered ? *e.registered : e.nMessage;
    return number != 0 && number == message && e.nCode == code && id >= e.nID && id <= e.nLastID;
}

} // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

bool CCmdTarget::DispatchMapped(UINT message, UINT code, UINT id, AFX_MSG_CALL& call) {
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
            if (Matches(*e, message, code, id) && e->pfn(this, call)) {
                return true;
            }
        }
    }
    return false;
}
