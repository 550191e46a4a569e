#include "platform/afx/AfxToolTipFilter.h"

#include "platform/afx/CWnd.h"

namespace {

struct State {
    std::string className = TOOLTIPS_CLASSA;
    HWND tip = nullptr;
    HWND owner = nullptr; // window whose hit test gave the current tool
    INT_PTR id = -1;
    TOOLINFOA tool{}; // the tool added last, to delete it again
};

State& Current() {
    static State state;
    return state;
}

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST;
}

CWnd* ToolOwner(HWND hwnd) {
    for (HWND h = hwnd; h; h = GetAncestor(h, GA_PARENT)) {
        CWnd* w = CWnd::FromHandlePermanent(h);
        if (w && w->ToolTipsEnabled()) {
            return w;
        }
    }
    return nullptr;
}

} // namespace

void AfxToolTipFilter::SetClassName(const std::string& name) {
    State& s = Current();
    if (IsWindow(s.tip)) {
        DestroyWindow(s.tip);
    }
    s = State{};
    s.className = name;
}

HWND AfxToolTipFilter::ToolTipWindow() {
    return IsWindow(Current().tip) ? Current().tip : nullptr;
}

HWND AfxToolTipFilter::EnsureToolTip() {
    State& s = Current();
    if (!IsWindow(s.tip)) {
        s.owner = nullptr;
        s.id = -1;
        s.tip =
            CreateWindowExA(WS_EX_TOPMOST, s.className.c_str(), nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    }
    return s.tip;
}

void AfxToolTipFilter::Forget(HWND tip) {
    State& s = Current();
    if (s.owner) {
        SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&s.tool));
    }
    s.owner = nullptr;
    s.id = -1;
}

void AfxToolTipFilter::Replace(HWND tip, HWND owner, INT_PTR id, TOOLINFOA& tool) {
    Forget(tip);
    if (!tool.hwnd) {
        tool.hwnd = owner;
    }
    if (!tool.lpszText) {
        tool.lpszText = LPSTR_TEXTCALLBACKA;
    }
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    State& s = Current();
    s.owner = owner;
    s.id = id;
    s.tool = tool;
}

void AfxToolTipFilter::Filter(const MSG& msg) {
    if (!IsMouseMessage(msg.message)) {
        return;
    }
    CWnd* owner = ToolOwner(msg.hwnd);
    HWND tip = owner ? EnsureToolTip() : ToolTipWindow();
    if (!tip) {
        return;
    }
    if (!owner) {
        Forget(tip);
        return;
    }
    POINT p = msg.pt;
    ScreenToClient(owner->m_hWnd, &p);
    TOOLINFOA tool;
    const INT_PTR id = owner->OnToolHitTest(p, &tool);
    State& s = Current();
    if (id == -1) {
        Forget(tip);
    } else if (owner->m_hWnd != s.owner || id != s.id) {
        Replace(tip, owner->m_hWnd, id, tool);
    }
    MSG relayed = msg;
    SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}
