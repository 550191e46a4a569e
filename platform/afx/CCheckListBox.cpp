#include "platform/afx/CCheckListBox.h"

#include "platform/gfx/Gdi.h"

#include <algorithm>

namespace {

constexpr int BoxMargin = 1; // between the item's left edge and the box
constexpr int TextGap = 3;   // between the box and the text

} // namespace

int CCheckListBox::GetCheck(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < checks.size() &&
                   checks[static_cast<std::size_t>(index)]
               ? 1
               : 0;
}

void CCheckListBox::SetCheck(int index, int check) {
    // An unchanged box is not repainted: the query builder clears "*" on every tick.
    if (index < 0 || static_cast<std::size_t>(index) >= checks.size() ||
        checks[static_cast<std::size_t>(index)] == (check != 0)) {
        return;
    }
    checks[static_cast<std::size_t>(index)] = check != 0;
    RECT r{};
    if (GetItemRect(index, &r) != LB_ERR) {
        InvalidateRect(&r, FALSE);
    }
}

void CCheckListBox::PreSubclassWindow() {
    checks.assign(static_cast<std::size_t>(std::max(GetCount(), 0)), false);
    HDC dc = ::GetDC(m_hWnd);
    if (!dc) {
        return;
    }
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    TEXTMETRICA tm{};
    ::GetTextMetricsA(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    const int height = std::max(static_cast<int>(tm.tmHeight), BoxSize) + 2 * BoxMargin;
    SetItemHeight(0, static_cast<UINT>(height));
}

LRESULT CCheckListBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int box = (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) ? BoxAt(lParam) : -1;
    if (msg == WM_CHAR && wParam == VK_SPACE) {
        return 0; // Space is a toggle here, not type-ahead
    }
    const HWND self = m_hWnd;
    const LRESULT result = CListBox::WindowProc(msg, wParam, lParam);
    if (!::IsWindow(self) || m_hWnd != self) {
        return result;
    }
    TrackItems(msg, wParam, result);
    if (box >= 0) {
        Toggle(box);
    } else if (msg == WM_KEYDOWN && wParam == VK_SPACE && GetCurSel() >= 0) {
        Toggle(GetCurSel());
    }
    return result;
}

void CCheckListBox::TrackItems(UINT msg, WPARAM wParam, LRESULT result) {
    if (msg == LB_RESETCONTENT) {
        checks.clear();
    } else if ((msg == LB_ADDSTRING || msg == LB_INSERTSTRING) && result >= 0 &&
               static_cast<std::size_t>(result) <= checks.size()) {
        checks.insert(checks.begin() + result, false);
    } else if (msg == LB_DELETESTRING && result != LB_ERR && wParam < checks.size()) {
        checks.erase(checks.begin() + static_cast<std::ptrdiff_t>(wParam));
    }
}

int CCheckListBox::BoxAt(LPARAM point) const {
    const CPoint p(point);
    BOOL outside = TRUE;
    const UINT index = ItemFromPoint(p, outside);
    RECT item{};
    if (outside || GetItemRect(static_cast<int>(index), &item) == LB_ERR) {
        return -1;
    }
    const RECT box = BoxRect(item);
    return p.x >= item.left && p.x < box.right + BoxMargin ? static_cast<int>(index) : -1;
}

void CCheckListBox::Toggle(int index) {
    SetCheck(index, !GetCheck(index));
    HWND parent = ::GetParent(m_hWnd);
    const int id = GetDlgCtrlID();
    ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, CLBN_CHKCHANGE),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

RECT CCheckListBox::BoxRect(const RECT& item) const {
    const int top = item.top + (item.bottom - item.top - BoxSize) / 2;
    const int left = item.left + BoxMargin;
    return {left, top, left + BoxSize, top + BoxSize};
}

void CCheckListBox::DrawItem(DRAWITEMSTRUCT* item) {
    if (!item || item->itemID == static_cast<UINT>(-1)) {
        return;
    }
    const int index = static_cast<int>(item->itemID);
    HDC dc = item->hDC;
    const RECT box = BoxRect(item->rcItem);
    RECT text = item->rcItem;
    text.left = box.right + TextGap;
    ::FillRect(dc, &item->rcItem, ::GetSysColorBrush(COLOR_WINDOW));
    DrawBox(dc, box, GetCheck(index) != 0);
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    ::FillRect(dc, &text, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    std::string label;
    GetText(index, label);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour =
        ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT inset = text;
    inset.left += 1;
    ::DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &inset,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
    if (item->itemState & ODS_FOCUS) {
        ::DrawFocusRect(dc, &text);
    }
}

// The classic box: sunken edge, window colour inside, a three-pixel-wide tick when checked.
void CCheckListBox::DrawBox(HDC dc, const RECT& box, bool checked) const {
    RECT frame = box;
    ::FillRect(dc, &frame, ::GetSysColorBrush(COLOR_WINDOW));
    ::DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
    if (!checked) {
        return;
    }
    HPEN pen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ old = ::SelectObject(dc, pen);
    const int x = box.left + 3;
    const int y = box.top + 5;
    for (int row = 0; row < 3; ++row) {
        ::MoveToEx(dc, x, y + row, nullptr);
        ::LineTo(dc, x + 2, y + row + 2);
        ::LineTo(dc, x + 7, y + row - 3);
    }
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
}
