#include "controls/CXComboList.h"

#include "controls/XListMessages.h"
#include "platform/afx/CWinApp.h"
#include "platform/gfx/SysColors.h"

#include <algorithm>
#include <string>

BEGIN_MESSAGE_MAP(CXComboList, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_WM_KILLFOCUS()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

bool CXComboList::RegisterWindowClass() {
    HINSTANCE instance = AfxGetInstanceHandle();
    WNDCLASSA wc;
    if (::GetClassInfoA(instance, ClassName, &wc)) {
        return true;
    }
    wc = WNDCLASSA{};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENU + 1));
    wc.lpszClassName = ClassName;
    return ::RegisterClassA(&wc) != 0;
}

int CXComboList::OnCreate(CREATESTRUCTA* create) {
    if (CWnd::OnCreate(create) == -1) {
        return -1;
    }
    const CRect none(0, 0, 0, 0);
    listBox.Create("ListBox", "", WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, none, this, 0);
    scrollBar.Create("ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_VERT, none, this, 0);
    if (CFont* font = owner && owner->IsWindow() ? owner->GetFont() : nullptr) {
        listBox.SetFont(font, FALSE);
        scrollBar.SetFont(font, FALSE);
    }
    return 0;
}

void CXComboList::OnDestroy() {
    KillTimer(HoverTimer);
    if (listBox.IsWindow()) {
        listBox.DestroyWindow();
    }
    CWnd::OnDestroy();
}

void CXComboList::LayoutStep(int scrollBarWidth) {
    if (!listBox.IsWindow()) {
        return;
    }
    listBox.SetFocus();
    if (!firstLayout) {
        return;
    }
    firstLayout = false;

    CRect window;
    GetWindowRect(&window);
    const int itemHeight = std::max(1, listBox.GetItemHeight(0));
    CRect list;
    GetClientRect(&list);
    list.top += 1;
    list.bottom = list.top + (window.Height() / itemHeight) * itemHeight;
    list.left += 1;
    list.right -= scrollBarWidth;
    const int rowsInView = list.Height() / itemHeight;

    window.bottom = window.top + list.Height() + 4;
    MoveWindow(&window, TRUE);
    listBox.MoveWindow(&list, TRUE);
    ::SetWindowPos(listBox.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    scrollBar.MoveWindow(list.right, list.top, scrollBarWidth, list.Height(), TRUE);

    const int count = listBox.GetCount();
    const int selection = listBox.GetCurSel();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    info.nMin = 0;
    info.nMax = count < 0 ? 1 : count;
    info.nPage = static_cast<UINT>(std::max(0, rowsInView));
    info.nPos = std::max(0, selection);
    listBox.SetTopIndex(selection > 0 ? selection - 1 : 0);
    scrollBar.SetScrollInfo(&info, TRUE);
    scrollBar.SetScrollPos(info.nPos, TRUE);

    SetTimer(HoverTimer, HoverPeriod);
}

void CXComboList::OnTimer(UINT_PTR) {
    HoverSelect();
}

void CXComboList::HoverSelect() {
    if (!listBox.IsWindow()) {
        return;
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    // The point stays in the drop-down's coordinates: the list sits one pixel in.
    BOOL outside = FALSE;
    const int item = static_cast<int>(listBox.ItemFromPoint(CPoint(cursor), outside));
    if (outside || item < 0 || item == listBox.GetCurSel() || item >= listBox.GetCount()) {
        return;
    }
    listBox.SetCurSel(item);
}

SCROLLINFO CXComboList::ReadScrollInfo() {
    SCROLLINFO info{};
    scrollBar.GetScrollInfo(&info, SIF_ALL);
    return info;
}

bool CXComboList::NewPosition(UINT key, const SCROLLINFO& info, int& position) const {
    const int current = std::max(0, listBox.GetCurSel());
    const int page = static_cast<int>(info.nPage);
    switch (key) {
    case VK_PRIOR:
        position = current - (page - 1);
        return true;
    case VK_NEXT:
        position = current + page - 1;
        return true;
    case VK_END:
        position = info.nMax;
        return true;
    case VK_HOME:
        position = 0;
        return true;
    case VK_UP:
        position = current - 1;
        return true;
    case VK_DOWN:
        position = current + 1;
        return true;
    default:
        break;
    }
    if (key < 'A' || key > 'Z') {
        return false;
    }
    const std::string letter(1, static_cast<char>(key));
    const int found = listBox.FindString(current, letter.c_str());
    if (found < 0) {
        return false;
    }
    position = found;
    return true;
}

void CXComboList::SetClampedPosition(int position, const SCROLLINFO& info) {
    scrollBar.SetScrollPos(std::clamp(position, 0, std::max(0, info.nMax)), TRUE);
}

void CXComboList::KeyLogic(UINT key) {
    const XListMessages& messages = GetXListMessages();
    const SCROLLINFO info = ReadScrollInfo();
    if (key == VK_RETURN) {
        SendToOwner(messages.comboReturn);
        return;
    }
    if (key == VK_ESCAPE) {
        SendToOwner(messages.comboEscape);
        return;
    }
    int position = 0;
    if (!NewPosition(key, info, position)) {
        return;
    }
    SendToOwner(messages.comboKeyDown);
    SetClampedPosition(position, info);
}

void CXComboList::KeyFromList(UINT key) {
    const bool seen = pretranslatedKeyWindow && pretranslatedKeyWindow == listBox.m_hWnd &&
                      pretranslatedKey == key;
    pretranslatedKeyWindow = nullptr;
    if (!seen) {
        KeyLogic(key);
    }
}

void CXComboList::ReportPress() {
    SendToOwner(GetXListMessages().comboLButtonUp);
}

bool CXComboList::IsOwnWindow(HWND hwnd) const {
    return m_hWnd && hwnd && (hwnd == m_hWnd || ::IsChild(m_hWnd, hwnd));
}

BOOL CXComboList::PreTranslateMessage(MSG* msg) {
    if (msg && IsOwnWindow(msg->hwnd)) {
        if (msg->message == WM_KEYDOWN) {
            pretranslatedKeyWindow = msg->hwnd;
            pretranslatedKey = msg->wParam;
            KeyLogic(static_cast<UINT>(msg->wParam));
        } else if (msg->message == WM_LBUTTONUP) {
            ReportPress();
        }
    }
    return CWnd::PreTranslateMessage(msg);
}

void CXComboList::OnLButtonDown(UINT flags, CPoint point) {
    ReportPress();
    CWnd::OnLButtonDown(flags, point);
}

void CXComboList::OnKillFocus(CWnd* next) {
    CWnd::OnKillFocus(next);
    ++killFocusCount;
    if (killFocusCount >= CancelAfterFocusLosses) {
        SendToOwner(GetXListMessages().comboEscape);
    }
}

void CXComboList::OnVScroll(UINT code, UINT pos, CScrollBar*) {
    if (listBox.IsWindow()) {
        listBox.SendMessage(WM_VSCROLL, MAKEWPARAM(code, pos), 0);
    }
    const SCROLLINFO info = ReadScrollInfo();
    int position = info.nPos;
    switch (code) {
    case SB_LINEUP:
        position -= 1;
        break;
    case SB_LINEDOWN:
        position += 1;
        break;
    case SB_PAGEUP:
        position -= static_cast<int>(info.nPage);
        break;
    case SB_PAGEDOWN:
        position += static_cast<int>(info.nPage);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        position = static_cast<int>(pos);
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = info.nMax;
        break;
    default:
        return;
    }
    SetClampedPosition(position, info);
}

void CXComboList::SendToOwner(UINT message) const {
    if (owner && owner->IsWindow()) {
        owner->SendMessage(message, 0, 0);
    }
}
