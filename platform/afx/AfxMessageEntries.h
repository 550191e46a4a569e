#pragma once
// The entries of message maps (see AfxMessageMap.h). Each macro names a member function by
// pointer, e.g. ON_BN_CLICKED(IDOK, &CMyDialog::OnOK); the ON_WM_ macros take the standard
// handler name of the message (ON_WM_PAINT() calls OnPaint()). Reflected entries
// (..._REFLECT) sit in the child's map and see what the child sent its parent: a _REFLECT
// handler consumes it, a _REFLECT_EX handler returns whether the parent is spared.
#include "platform/afx/AfxMessageThunks.h"

// The framework's check list box reports a changed check with this WM_COMMAND code.
inline constexpr UINT CLBN_CHKCHANGE = 40;

#define AFX_ENTRY(message, code, first, last, thunk)                                               \
    AFX_MSGMAP_ENTRY{(message),                                                                    \
                     static_cast<UINT>(code),                                                      \
                     static_cast<UINT>(first),                                                     \
                     static_cast<UINT>(last),                                                      \
                     nullptr,                                                                      \
                     (thunk)},

// Any window message, and messages registered at start-up (pointer to the stored number).
#define ON_MESSAGE(message, memberFxn) AFX_ENTRY(message, 0, 0, 0, &afx::thunk::Message<memberFxn>)
#define ON_REGISTERED_MESSAGE(numberVariable, memberFxn)                                           \
    AFX_MSGMAP_ENTRY{0, 0, 0, 0, &(numberVariable), &afx::thunk::Message<memberFxn>},

// Commands (WM_COMMAND) by control id and notification code.
#define ON_COMMAND(id, memberFxn) AFX_ENTRY(WM_COMMAND, 0, id, id, &afx::thunk::Void<memberFxn>)
#define ON_CONTROL(code, id, memberFxn)                                                            \
    AFX_ENTRY(WM_COMMAND, code, id, id, &afx::thunk::Void<memberFxn>)
#define ON_CONTROL_RANGE(code, firstId, lastId, memberFxn)                                         \
    AFX_ENTRY(WM_COMMAND, code, firstId, lastId, &afx::thunk::CommandRange<memberFxn>)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_CLBN_CHKCHANGE(id, memberFxn) ON_CONTROL(CLBN_CHKCHANGE, id, memberFxn)

// Notifications (WM_NOTIFY) by control id and code.
#define ON_NOTIFY(code, id, memberFxn)                                                             \
    AFX_ENTRY(WM_NOTIFY, code, id, id, &afx::thunk::Notify<memberFxn>)
#define ON_NOTIFY_EX(code, id, memberFxn)                                                          \
    AFX_ENTRY(WM_NOTIFY, code, id, id, &afx::thunk::NotifyEx<memberFxn>)
#define ON_NOTIFY_RANGE(code, firstId, lastId, memberFxn)                                          \
    AFX_ENTRY(WM_NOTIFY, code, firstId, lastId, &afx::thunk::NotifyRange<memberFxn>)
#define ON_NOTIFY_EX_RANGE(code, firstId, lastId, memberFxn)                                       \
    AFX_ENTRY(WM_NOTIFY, code, firstId, lastId, &afx::thunk::NotifyExRange<memberFxn>)

// Reflected to the sending child's own map.
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                         \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, &afx::thunk::Notify<memberFxn>)
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                      \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, &afx::thunk::NotifyEx<memberFxn>)
#define ON_CONTROL_REFLECT(code, memberFxn)                                                        \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, &afx::thunk::Void<memberFxn>)
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                     \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, &afx::thunk::VoidEx<memberFxn>)
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    AFX_ENTRY(WM_REFLECT_BASE + AFX_WM_CTLCOLOR, 0, 0, 0,                                          \
              &afx::thunk::CtlColorReflect<&ThisClass::CtlColor>)
#define ON_WM_DRAWITEM_REFLECT()                                                                   \
    AFX_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, 0, 0, 0, &afx::thunk::DrawItem<&ThisClass::DrawItem>)
#define ON_WM_MEASUREITEM_REFLECT()                                                                \
    AFX_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0, 0,                                           \
              &afx::thunk::MeasureItem<&ThisClass::MeasureItem>)

// Window messages with their standard handlers.
#define AFX_ON_WM(message, kind, handler)                                                          \
    AFX_ENTRY(message, 0, 0, 0, &afx::thunk::kind<&ThisClass::handler>)
#define ON_WM_CREATE() AFX_ON_WM(WM_CREATE, Create, OnCreate)
#define ON_WM_DESTROY() AFX_ON_WM(WM_DESTROY, Void, OnDestroy)
#define ON_WM_PAINT() AFX_ON_WM(WM_PAINT, Void, OnPaint)
#define ON_WM_ERASEBKGND() AFX_ON_WM(WM_ERASEBKGND, EraseBkgnd, OnEraseBkgnd)
#define ON_WM_TIMER() AFX_ON_WM(WM_TIMER, Timer, OnTimer)
#define ON_WM_LBUTTONDOWN() AFX_ON_WM(WM_LBUTTONDOWN, Mouse, OnLButtonDown)
#define ON_WM_LBUTTONDBLCLK() AFX_ON_WM(WM_LBUTTONDBLCLK, Mouse, OnLButtonDblClk)
#define ON_WM_LBUTTONUP() AFX_ON_WM(WM_LBUTTONUP, Mouse, OnLButtonUp)
#define ON_WM_MOUSEMOVE() AFX_ON_WM(WM_MOUSEMOVE, Mouse, OnMouseMove)
#define ON_WM_KEYDOWN() AFX_ON_WM(WM_KEYDOWN, Key, OnKeyDown)
#define ON_WM_CHAR() AFX_ON_WM(WM_CHAR, Key, OnChar)
#define ON_WM_KILLFOCUS() AFX_ON_WM(WM_KILLFOCUS, FocusWnd, OnKillFocus)
#define ON_WM_SETFOCUS() AFX_ON_WM(WM_SETFOCUS, FocusWnd, OnSetFocus)
#define ON_WM_CAPTURECHANGED() AFX_ON_WM(WM_CAPTURECHANGED, CaptureWnd, OnCaptureChanged)
#define ON_WM_SETCURSOR() AFX_ON_WM(WM_SETCURSOR, SetCursor, OnSetCursor)
#define ON_WM_VSCROLL() AFX_ON_WM(WM_VSCROLL, Scroll, OnVScroll)
#define ON_WM_SIZE() AFX_ON_WM(WM_SIZE, Size, OnSize)
#define ON_WM_SYSCOLORCHANGE() AFX_ON_WM(WM_SYSCOLORCHANGE, Void, OnSysColorChange)
#define ON_WM_DRAWITEM() AFX_ON_WM(WM_DRAWITEM, ParentDrawItem, OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_ON_WM(WM_MEASUREITEM, ParentMeasureItem, OnMeasureItem)
// One entry per colour request message, all calling OnCtlColor with the CTLCOLOR_ kind.
#define ON_WM_CTLCOLOR()                                                                           \
    AFX_ON_WM(WM_CTLCOLORMSGBOX, CtlColor, OnCtlColor)                                             \
    AFX_ON_WM(WM_CTLCOLOREDIT, CtlColor, OnCtlColor)                                               \
    AFX_ON_WM(WM_CTLCOLORLISTBOX, CtlColor, OnCtlColor)                                            \
    AFX_ON_WM(WM_CTLCOLORBTN, CtlColor, OnCtlColor)                                                \
    AFX_ON_WM(WM_CTLCOLORDLG, CtlColor, OnCtlColor)                                                \
    AFX_ON_WM(WM_CTLCOLORSCROLLBAR, CtlColor, OnCtlColor)                                          \
    AFX_ON_WM(WM_CTLCOLORSTATIC, CtlColor, OnCtlColor)
