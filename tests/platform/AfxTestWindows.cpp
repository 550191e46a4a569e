#include "tests/platform/AfxTestWindows.h"

#include <utility>

namespace afxtest {

UINT registeredMessage = RegisterWindowMessageA("AFX_TEST_REGISTERED");

std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

std::vector<std::string> TakeLog() {
    return std::exchange(Log(), {});
}

BEGIN_MESSAGE_MAP(Probe, CWnd)
ON_WM_TIMER()
ON_MESSAGE(WM_USER + 1, &Probe::OnUserOne)
ON_REGISTERED_MESSAGE(registeredMessage, &Probe::OnRegistered)
ON_BN_CLICKED(100, &Probe::OnClicked100)
ON_CBN_SELCHANGE(101, &Probe::OnSelChange101)
ON_CLBN_CHKCHANGE(103, &Probe::OnCheckChange103)
ON_CONTROL_RANGE(BN_CLICKED, 200, 209, &Probe::OnRange)
ON_NOTIFY(NM_DBLCLK, 102, &Probe::OnDblClk102)
ON_NOTIFY(NM_CLICK, 300, &Probe::OnClickParent)
ON_NOTIFY(NM_CUSTOMDRAW, 300, &Probe::OnCustomDrawParent)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, &Probe::OnNeedText)
ON_WM_DRAWITEM()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

BOOL Probe::PreTranslateMessage(MSG* msg) {
    if (msg->message >= WM_USER) {
        Add("pre");
    }
    return eatPreTranslate;
}

void Probe::PostNcDestroy() {
    Add("PostNcDestroy");
    if (deleteOnDestroy) {
        delete this;
    }
}

void Probe::PreSubclassWindow() {
    const bool procIsOriginal =
        GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&CWnd::WndProc);
    Add(procIsOriginal ? "PreSubclassWindow(original proc)" : "PreSubclassWindow(framework proc)");
}

LRESULT Probe::OnUserOne(WPARAM wParam, LPARAM) {
    Add("user1 " + std::to_string(wParam));
    return 42;
}

LRESULT Probe::OnRegistered(WPARAM wParam, LPARAM lParam) {
    Add("registered " + std::to_string(wParam) + "," + std::to_string(lParam));
    return 7;
}

void Probe::OnDblClk102(NMHDR*, LRESULT* result) {
    Add("dblclk 102");
    *result = 5;
}

BOOL Probe::OnNeedText(UINT id, NMHDR*, LRESULT* result) {
    Add("needtext " + std::to_string(id));
    *result = 0;
    return id == 5;
}

HBRUSH Probe::OnCtlColor(CDC* dc, CWnd* wnd, UINT kind) {
    Add("ctlcolor " + std::to_string(kind) + (dc ? " dc" : "") + (wnd ? " wnd" : ""));
    return CWnd::OnCtlColor(dc, wnd, kind);
}

BEGIN_MESSAGE_MAP(DerivedProbe, Probe)
ON_MESSAGE(WM_USER + 1, &DerivedProbe::OnUserOne)
ON_MESSAGE(WM_USER + 2, &DerivedProbe::OnUserTwo)
END_MESSAGE_MAP()

LRESULT DerivedProbe::OnUserOne(WPARAM, LPARAM) {
    Add("derived user1");
    return 1;
}

LRESULT DerivedProbe::OnUserTwo(WPARAM, LPARAM) {
    Add("derived user2");
    return 2;
}

BEGIN_MESSAGE_MAP(ReflectingChild, Probe)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &ReflectingChild::OnCustomDraw)
ON_NOTIFY_REFLECT_EX(NM_CLICK, &ReflectingChild::OnClick)
ON_CONTROL_REFLECT(BN_CLICKED, &ReflectingChild::OnClickedReflect)
ON_WM_DRAWITEM_REFLECT()
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

void ReflectingChild::OnCustomDraw(NMHDR*, LRESULT* result) {
    Add("customdraw");
    *result = CDRF_SKIPDEFAULT;
}

BOOL ReflectingChild::OnClick(NMHDR*, LRESULT*) {
    Add("click");
    return FALSE;
}

HBRUSH ReflectingChild::CtlColor(CDC*, UINT kind) {
    Add("CtlColor " + std::to_string(kind));
    return brush;
}

} // namespace afxtest
