#include "platform/afx/CWnd.h"

#include "platform/afx/AfxHandleMap.h"
#include "platform/win/WindowSystem.h"

namespace {

using WndMap = AfxHandleMap<CWnd, HWND>;

WndMap& Map() {
    static WndMap map([](CWnd& w) { w.m_hWnd = nullptr; });
    return map;
}

thread_local MSG currentMessage{};
thread_local int handlerDepth = 0;
thread_local CWnd* creating = nullptr;

// Makes msg the current message for the duration of one WndProc call.
class MessageScope {
  public:
    MessageScope(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) : saved(currentMessage) {
        const DWORD pos = ::GetMessagePos();
        currentMessage = {hwnd,
                          msg,
                          wParam,
                          lParam,
                          static_cast<DWORD>(::GetMessageTime()),
                          {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)}};
        ++handlerDepth;
    }
    ~MessageScope() {
        --handlerDepth;
        currentMessage = saved;
    }
    MessageScope(const MessageScope&) = delete;
    MessageScope& operator=(const MessageScope&) = delete;

  private:
    MSG saved;
};

bool IsColourRequest(UINT msg) {
    return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
}

LONG_PTR ProcValue(WNDPROC proc) {
    return reinterpret_cast<LONG_PTR>(proc);
}

} // namespace

CWnd::~CWnd() {
    if (m_hWnd && Map().LookupPermanent(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);
    }
    if (m_hWnd) {
        Detach();
    }
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (!hwnd || !::IsWindow(hwnd)) {
        return nullptr;
    }
    if (CWnd* w = Map().LookupPermanent(hwnd)) {
        return w;
    }
    if (CWnd* w = Map().LookupTemporary(hwnd)) {
        return w;
    }
    auto w = std::make_unique<CWnd>();
    w->m_hWnd = hwnd;
    return Map().AddTemporary(hwnd, std::move(w));
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    return hwnd ? Map().LookupPermanent(hwnd) : nullptr;
}

void CWnd::DeleteTempMap() {
    Map().DeleteTemp();
}

bool CWnd::IsHandlingMessage() {
    return handlerDepth > 0;
}

BOOL CWnd::Attach(HWND hwnd) {
    if (!hwnd || m_hWnd || !::IsWindow(hwnd) || Map().LookupPermanent(hwnd)) {
        return FALSE;
    }
    m_hWnd = hwnd;
    Map().SetPermanent(hwnd, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    if (!hwnd) {
        return nullptr;
    }
    if (m_pfnSuper && ::GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == ProcValue(&WndProc)) {
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, ProcValue(m_pfnSuper));
    }
    Map().RemovePermanent(hwnd, this);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    return hwnd;
}

void CWnd::HookProcedure() {
    auto old =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, ProcValue(&WndProc)));
    m_pfnSuper = old == &WndProc ? nullptr : old;
}

void CWnd::OnWindowCreated(HWND hwnd) {
    CWnd* w = creating;
    creating = nullptr;
    if (!w || !w->Attach(hwnd)) {
        return;
    }
    w->PreSubclassWindow();
    if (::IsWindow(hwnd)) {
        w->HookProcedure();
    }
}

void CWnd::AttachNextCreated(CWnd* w) {
    win::SetCreationHook(&CWnd::OnWindowCreated);
    creating = w;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU idOrMenu, void* param) {
    if (m_hWnd) {
        return FALSE;
    }
    win::SetCreationHook(&CWnd::OnWindowCreated);
    creating = this;
    HWND hwnd = ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height,
                                  parent, idOrMenu, nullptr, param);
    creating = nullptr;
    return hwnd ? TRUE : FALSE;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, void* param) {
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (!Attach(hwnd)) {
        return FALSE;
    }
    PreSubclassWindow();
    if (!::IsWindow(hwnd)) {
        Map().RemovePermanent(hwnd, this);
        m_hWnd = nullptr;
        return FALSE;
    }
    HookProcedure();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (!parent || !parent->m_hWnd) {
        return FALSE;
    }
    HWND item = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return item ? SubclassWindow(item) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    return Detach();
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

INT_PTR CWnd::OnToolHitTest(CPoint, TOOLINFOA*) const {
    return -1;
}

BOOL CWnd::EnableToolTips(BOOL enable) {
    toolTips = enable != FALSE;
    return TRUE;
}

const MSG* CWnd::GetCurrentMessage() {
    return &currentMessage;
}

LRESULT CWnd::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWnd* w = FromHandlePermanent(hwnd);
    if (!w) {
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    MessageScope scope(hwnd, msg, wParam, lParam);
    const LRESULT result = w->WindowProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY && FromHandlePermanent(hwnd) == w) {
        w->FinishDestruction();
    }
    return result;
}

void CWnd::FinishDestruction() {
    Map().RemovePermanent(m_hWnd, this);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    PostNcDestroy();
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(msg, wParam, lParam, &result)) {
        result = DefWindowProc(msg, wParam, lParam);
    }
    return result;
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) {
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, msg, wParam, lParam);
    }
    return ::DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(currentMessage.message, currentMessage.wParam, currentMessage.lParam);
}

BOOL CWnd::OnWndMsg(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (msg == WM_COMMAND) {
        return OnCommand(wParam, lParam);
    }
    if (msg == WM_NOTIFY) {
        return OnNotify(wParam, lParam, result);
    }
    if (HWND child = ReflectionTarget(m_hWnd, msg, wParam, lParam)) {
        if (ReflectTo(child, msg, wParam, lParam, result)) {
            return TRUE;
        }
    }
    AFX_MSG_CALL call{msg, wParam, lParam};
    if (!DispatchMapped(msg, 0, 0, call)) {
        return FALSE;
    }
    *result = call.result;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    LRESULT ignored = 0;
    if (control && control != m_hWnd && ReflectTo(control, WM_COMMAND, wParam, lParam, &ignored)) {
        return TRUE;
    }
    AFX_MSG_CALL call{WM_COMMAND, wParam, lParam, LOWORD(wParam)};
    return DispatchMapped(WM_COMMAND, HIWORD(wParam), LOWORD(wParam), call);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header) {
        return FALSE;
    }
    if (header->hwndFrom && header->hwndFrom != m_hWnd &&
        ReflectTo(header->hwndFrom, WM_NOTIFY, wParam, lParam, result)) {
        return TRUE;
    }
    const auto id = static_cast<UINT>(header->idFrom);
    AFX_MSG_CALL call{WM_NOTIFY, wParam, lParam, id};
    if (!DispatchMapped(WM_NOTIFY, header->code, id, call)) {
        return FALSE;
    }
    if (result) {
        *result = call.result;
    }
    return TRUE;
}

HWND CWnd::ReflectionTarget(HWND self, UINT msg, WPARAM, LPARAM lParam) {
    HWND child = nullptr;
    if (msg == WM_DRAWITEM && lParam) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        child = item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    } else if (msg == WM_MEASUREITEM && lParam) {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        child =
            item->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(self, static_cast<int>(item->CtlID));
    } else if (IsColourRequest(msg)) {
        child = reinterpret_cast<HWND>(lParam);
    }
    return child == self ? nullptr : child;
}

BOOL CWnd::ReflectTo(HWND child, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    CWnd* w = FromHandlePermanent(child);
    return w ? w->OnChildNotify(msg, wParam, lParam, result) : FALSE;
}

BOOL CWnd::OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return ReflectChildNotify(msg, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    UINT code = 0;
    UINT reflected = WM_REFLECT_BASE + msg;
    if (msg == WM_COMMAND) {
        code = HIWORD(wParam);
    } else if (msg == WM_NOTIFY && lParam) {
        code = reinterpret_cast<const NMHDR*>(lParam)->code;
    } else if (IsColourRequest(msg)) {
        reflected = WM_REFLECT_BASE + AFX_WM_CTLCOLOR;
    } else if (msg != WM_DRAWITEM && msg != WM_MEASUREITEM) {
        return FALSE;
    }
    AFX_MSG_CALL call{msg, wParam, lParam};
    if (!DispatchMapped(reflected, code, 0, call)) {
        return FALSE;
    }
    if (result) {
        *result = call.result;
    }
    return TRUE;
}

CWnd* CWnd::GetOwner() const {
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    return FromHandle(owner ? owner : ::GetParent(m_hWnd));
}

std::string CWnd::GetWindowText() const {
    const int length = ::GetWindowTextLengthA(m_hWnd);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

void CWnd::MoveWindow(const RECT* rect, BOOL repaint) {
    if (rect) {
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                   repaint);
    }
}

void CWnd::ClientToScreen(RECT* rect) const {
    if (rect) {
        ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(rect), 2);
    }
}

void CWnd::ScreenToClient(RECT* rect) const {
    if (rect) {
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2);
    }
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (!m_hWnd || style == changed) {
        return FALSE;
    }
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (flags) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    }
    return TRUE;
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}

CFont* CWnd::GetFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

int CWnd::ReleaseDC(CDC* dc) {
    return dc ? ::ReleaseDC(m_hWnd, dc->m_hDC) : 0;
}
