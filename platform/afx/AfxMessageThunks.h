#pragma once
// Typed thunks behind message map entries: each unpacks one kind of message and calls the
// member function given as template argument on the object the map belongs to.
#include "platform/afx/CScrollBar.h"
#include "platform/afx/CWnd.h"

namespace afx::thunk {

template <class> struct MemberOf;
template <class C, class R, class... A> struct MemberOf<R (C::*)(A...)> { using type = C; };
template <class C, class R, class... A> struct MemberOf<R (C::*)(A...) const> { using type = C; };

template <auto F> auto* Self(CCmdTarget* target) {
    return static_cast<typename MemberOf<decltype(F)>::type*>(target);
}

inline CWnd* Wnd(WPARAM value) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(value));
}
inline CWnd* Wnd(LPARAM value) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(value));
}
inline CDC* Dc(WPARAM value) {
    return CDC::FromHandle(reinterpret_cast<HDC>(value));
}
inline NMHDR* Header(LPARAM value) {
    return reinterpret_cast<NMHDR*>(value);
}

template <auto F> bool Void(CCmdTarget* t, AFX_MSG_CALL&) {
    (Self<F>(t)->*F)();
    return true;
}

template <auto F> bool VoidEx(CCmdTarget* t, AFX_MSG_CALL&) {
    return (Self<F>(t)->*F)() != FALSE;
}

template <auto F> bool CommandRange(CCmdTarget* t, AFX_MSG_CALL& c) {
    (Self<F>(t)->*F)(c.id);
    return true;
}

template <auto F> bool Message(CCmdTarget* t, AFX_MSG_CALL& c) {
    c.result = (Self<F>(t)->*F)(c.wParam, c.lParam);
    return true;
}

template <auto F> bool Notify(CCmdTarget* t, AFX_MSG_CALL& c) {
    (Self<F>(t)->*F)(Header(c.lParam), &c.result);
    return true;
}

template <auto F> bool NotifyEx(CCmdTarget* t, AFX_MSG_CALL& c) {
    return (Self<F>(t)->*F)(Header(c.lParam), &c.result) != FALSE;
}

template <auto F> bool NotifyRange(CCmdTarget* t, AFX_MSG_CALL& c) {
    (Self<F>(t)->*F)(c.id, Header(c.lParam), &c.result);
    return true;
}

template <auto F> bool NotifyExRange(CCmdTarget* t, AFX_MSG_CALL& c) {
    return (Self<F>(t)->*F)(c.id, Header(c.lParam), &c.result) != FALSE;
}

template <auto F> bool Create(CCmdTarget* t, AFX_MSG_CALL& c) {
    c.result = (Self<F>(t)->*F)(reinterpret_cast<CREATESTRUCTA*>(c.lParam));
    return true;
}

template <auto F> bool EraseBkgnd(CCmdTarget* t, AFX_MSG_CALL& c) {
    c.result = (Self<F>(t)->*F)(Dc(c.wParam));
    return true;
}

template <auto F> bool Timer(CCmdTarget* t, AFX_MSG_CALL& c) {
    (Self<F>(t)->*F)(static_cast<UINT_PTR>(c.wParam));
    return true;
}

template <auto F> bool Mouse(CCmdTarget* t, AFX_MSG_CALL& c) {
    (Self<F>(t)->*F)(static_cast<UINT>(c.wParam), CPoint(c.lParam));
    return true;
}

// Key messages: character, repeat count (low word of lParam), flags (high word).
template <auto F> bool Key(CCmdTarget* t, AFX_MSG_CALL& c) {
    const auto bits = static_cast<std::uintptr_t>(c.lParam);
    (Self<F>(t)->*F)(static_cast<UINT>(c.wParam), LOWORD(bits), HIWORD(bits));
    return true;
}

// WM_SETFOCUS / WM_KILLFOCUS: the other window in wParam.
template <auto F> bool FocusWnd(CCmdTarget* t, AFX_MSG_CALL& c) {
    (Self<F>(t)->*F)(Wnd(c.wParam));
    return true;
}

// WM_CAPTURECHANGED: the window gaining the capture in lParam.
template <auto F> bool CaptureWnd(CCmdTarget* t, AFX_MSG_CALL& c) {
    (Self<F>(t)->*F)(Wnd(c.lParam));
    return true;
}

template <auto F> bool SetCursor(CCmdTarget* t, AFX_MSG_CALL& c) {
    const auto bits = static_cast<std::uintptr_t>(c.lParam);
    c.result = (Self<F>(t)->*F)(Wnd(c.wParam), LOWORD(bits), HIWORD(bits));
    return true;
}

template <auto F> bool Scroll(CCmdTarget* t, AFX_MSG_CALL& c) {
    auto* control = reinterpret_cast<HWND>(c.lParam);
    if (auto* own = dynamic_cast<CScrollBar*>(CWnd::FromHandlePermanent(control))) {
        (Self<F>(t)->*F)(LOWORD(c.wParam), HIWORD(c.wParam), own);
        return true;
    }
    // A bar nobody wrapped: a wrapper for this call only, null for the window's own bar.
    CScrollBar bar;
    bar.m_hWnd = control && ::IsWindow(control) ? control : nullptr;
    (Self<F>(t)->*F)(LOWORD(c.wParam), HIWORD(c.wParam), bar.m_hWnd ? &bar : nullptr);
    bar.m_hWnd = nullptr;
    return true;
}

template <auto F> bool Size(CCmdTarget* t, AFX_MSG_CALL& c) {
    const auto bits = static_cast<std::uintptr_t>(c.lParam);
    (Self<F>(t)->*F)(static_cast<UINT>(c.wParam), LOWORD(bits), HIWORD(bits));
    return true;
}

inline UINT ColourKind(UINT message) {
    return message - WM_CTLCOLORMSGBOX;
}

template <auto F> bool CtlColor(CCmdTarget* t, AFX_MSG_CALL& c) {
    HBRUSH brush = (Self<F>(t)->*F)(Dc(c.wParam), Wnd(c.lParam), ColourKind(c.message));
    c.result = reinterpret_cast<LRESULT>(brush);
    return true;
}

// A reflected colour request is taken only when the child answers a brush.
template <auto F> bool CtlColorReflect(CCmdTarget* t, AFX_MSG_CALL& c) {
    HBRUSH brush = (Self<F>(t)->*F)(Dc(c.wParam), ColourKind(c.message));
    c.result = reinterpret_cast<LRESULT>(brush);
    return brush != nullptr;
}

template <auto F> bool ParentDrawItem(CCmdTarget* t, AFX_MSG_CALL& c) {
    (Self<F>(t)->*F)(static_cast<int>(c.wParam), reinterpret_cast<DRAWITEMSTRUCT*>(c.lParam));
    c.result = TRUE;
    return true;
}

template <auto F> bool ParentMeasureItem(CCmdTarget* t, AFX_MSG_CALL& c) {
    (Self<F>(t)->*F)(static_cast<int>(c.wParam), reinterpret_cast<MEASUREITEMSTRUCT*>(c.lParam));
    c.result = TRUE;
    return true;
}

template <auto F> bool DrawItem(CCmdTarget* t, AFX_MSG_CALL& c) {
    (Self<F>(t)->*F)(reinterpret_cast<DRAWITEMSTRUCT*>(c.lParam));
    c.result = TRUE;
    return true;
}

template <auto F> bool MeasureItem(CCmdTarget* t, AFX_MSG_CALL& c) {
    (Self<F>(t)->*F)(reinterpret_cast<MEASUREITEMSTRUCT*>(c.lParam));
    c.result = TRUE;
    return true;
}

} // namespace afx::thunk
