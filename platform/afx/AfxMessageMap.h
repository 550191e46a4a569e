#pragma once
// Message maps: one static table of entries per class, chained to its base class's table.
// A class declares its table with DECLARE_MESSAGE_MAP() and defines it between
// BEGIN_MESSAGE_MAP(Class, Base) and END_MESSAGE_MAP(); the entries come from the ON_...
// macros of AfxMessageEntries.h. Each entry's handler is a typed thunk that unpacks the
// message's parameters and calls the member function, so a handler with the wrong signature
// does not compile.
//
// Entries follow one another without separators:
//
//   BEGIN_MESSAGE_MAP(CMyDialog, CWnd)
//       ON_WM_PAINT()
//       ON_BN_CLICKED(IDOK, &CMyDialog::OnOK)
//       ON_NOTIFY(NM_DBLCLK, 1008, &CMyDialog::OnListDblClk)
//       ON_REGISTERED_MESSAGE(checkboxClicked, &CMyDialog::OnCheckbox)
//   END_MESSAGE_MAP()
#include "platform/base/WinDef.h"

class CCmdTarget;

// One message on its way through a map; the thunk leaves the answer in result.
struct AFX_MSG_CALL {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    UINT id = 0; // control id of a command or notification
    LRESULT result = 0;
};

// True when the handler took the message (an _EX handler may decline).
using AFX_PMSG = bool (*)(CCmdTarget* target, AFX_MSG_CALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage = 0;
    UINT nCode = 0;                   // notification code of WM_COMMAND / WM_NOTIFY
    UINT nID = 0;                     // first control id
    UINT nLastID = 0;                 // last control id (equal to nID for one control)
    const UINT* registered = nullptr; // number filled at start-up; replaces nMessage
    AFX_PMSG pfn = nullptr;           // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Reflected messages: a parent hands WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM and
// the colour requests to the child's object under this base + the message number.
inline constexpr UINT WM_REFLECT_BASE = 0xBC00;
// The one number every colour request (WM_CTLCOLOR*) is reflected under.
inline constexpr UINT AFX_WM_CTLCOLOR = 0x0019;

// clang-format off
#define DECLARE_MESSAGE_MAP()                                                                      \
  protected:                                                                                       \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                          \
            AFX_MSGMAP_ENTRY{}                                                                     \
        };                                                                                         \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &entries[0]};      \
        return &messageMap;                                                                        \
    }
// clang-format on
