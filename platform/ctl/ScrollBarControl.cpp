#include "platform/ctl/ScrollBarControl.h"

#include "platform/ctl/ControlMap.h"
#include "platform/ctl/ControlSupport.h"
#include "platform/ctl/PaintedControl.h"

#include <algorithm>

namespace ctl {

namespace {

int KeyCode(WPARAM key) {
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        return SB_LINEUP;
    case VK_DOWN:
    case VK_RIGHT:
        return SB_LINEDOWN;
    case VK_PRIOR:
        return SB_PAGEUP;
    case VK_NEXT:
        return SB_PAGEDOWN;
    case VK_HOME:
        return SB_TOP;
    case VK_END:
        return SB_BOTTOM;
    default:
        return -1;
    }
}

} // namespace

ATOM ScrollBarControl::Register() {
    return ControlMap<ScrollBarControl>::RegisterBuiltin(CS_DBLCLKS | CS_GLOBALCLASS);
}

bool ScrollBarControl::Vertical() const {
    return (StyleOf(hwnd) & SBS_VERT) != 0;
}

ScrollBarGeometry ScrollBarControl::Geometry() const {
    const int shown = tracker.Dragging() ? tracker.TrackPos() : state.pos;
    return ScrollBarGeometry(ClientRectOf(hwnd), Vertical(), state, shown);
}

LRESULT ScrollBarControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (PaintMessage(hwnd, msg, result, [this](HDC dc) { Paint(dc); })) {
        return result;
    }
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_TIMER:
        return Mouse(msg, wParam, lParam);
    case WM_KEYDOWN:
    case WM_KEYUP:
        return Keys(msg, wParam, lParam);
    case WM_ENABLE:
    case WM_SIZE:
        Repaint();
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    default:
        return Message(msg, wParam, lParam);
    }
}

LRESULT ScrollBarControl::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case SBM_SETPOS:
        return SetPos(static_cast<int>(wParam), lParam != 0);
    case SBM_GETPOS:
        return state.pos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        const int old = state.pos;
        SetRange(static_cast<int>(wParam), static_cast<int>(lParam), msg == SBM_SETRANGEREDRAW);
        return old;
    }
    case SBM_GETRANGE:
        if (auto* p = reinterpret_cast<int*>(wParam)) {
            *p = state.min;
        }
        if (auto* p = reinterpret_cast<int*>(lParam)) {
            *p = state.max;
        }
        return 0;
    case SBM_SETSCROLLINFO:
        return SetInfo(reinterpret_cast<const SCROLLINFO*>(lParam), wParam != 0);
    case SBM_GETSCROLLINFO:
        return GetInfo(reinterpret_cast<SCROLLINFO*>(lParam));
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

int ScrollBarControl::SetInfo(const SCROLLINFO* info, bool redraw) {
    if (!info || info->cbSize != sizeof(SCROLLINFO)) {
        return state.pos;
    }
    if (info->fMask & SIF_RANGE) {
        state.min = info->nMin;
        state.max = std::max(info->nMin, info->nMax);
    }
    if (info->fMask & SIF_PAGE) {
        const long long span = static_cast<long long>(state.max) - state.min + 1;
        state.page = static_cast<int>(std::min<long long>(info->nPage, span));
    }
    if (info->fMask & SIF_POS) {
        state.pos = info->nPos;
    }
    state.pos = state.Clamp(state.pos);
    if (redraw) {
        Repaint();
    }
    return state.pos;
}

BOOL ScrollBarControl::GetInfo(SCROLLINFO* info) const {
    if (!info || info->cbSize != sizeof(SCROLLINFO) || !(info->fMask & SIF_ALL)) {
        return FALSE;
    }
    if (info->fMask & SIF_RANGE) {
        info->nMin = state.min;
        info->nMax = state.max;
    }
    if (info->fMask & SIF_PAGE) {
        info->nPage = static_cast<UINT>(state.page);
    }
    if (info->fMask & SIF_POS) {
        info->nPos = state.pos;
    }
    if (info->fMask & SIF_TRACKPOS) {
        info->nTrackPos = tracker.Dragging() ? tracker.TrackPos() : state.pos;
    }
    return TRUE;
}

int ScrollBarControl::SetPos(int pos, bool redraw) {
    const int old = state.pos;
    state.pos = state.Clamp(pos);
    if (redraw && old != state.pos) {
        Repaint();
    }
    return old;
}

void ScrollBarControl::SetRange(int min, int max, bool redraw) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = min;
    info.nMax = max;
    SetInfo(&info, redraw);
}

LRESULT ScrollBarControl::Mouse(UINT msg, WPARAM wParam, LPARAM lParam) {
    const POINT p = PointOf(lParam);
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(p);
        return 0;
    case WM_MOUSEMOVE:
        tracker.Move(p);
        return 0;
    case WM_LBUTTONUP:
        tracker.Release();
        return 0;
    case WM_CAPTURECHANGED:
        tracker.Cancel();
        return 0;
    default: // WM_TIMER
        if (wParam != ScrollTracker::RepeatTimer) {
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        }
        tracker.Tick();
        return 0;
    }
}

LRESULT ScrollBarControl::Keys(UINT msg, WPARAM key, LPARAM lParam) {
    const int code = KeyCode(key);
    if (code < 0) {
        return DefWindowProcA(hwnd, msg, key, lParam);
    }
    Scroll(msg == WM_KEYDOWN ? code : SB_ENDSCROLL, 0);
    return 0;
}

void ScrollBarControl::Press(POINT p) {
    if (tracker.Active()) {
        return;
    }
    // Only a bar in the tab order takes the focus; a list's bar leaves it with the list.
    if ((StyleOf(hwnd) & WS_TABSTOP) && !HasFocus(hwnd)) {
        SetFocus(hwnd);
    }
    tracker.Press(p);
}

void ScrollBarControl::Scroll(int code, int pos) {
    if (HWND parent = GetParent(hwnd)) {
        SendMessageA(parent, Vertical() ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, pos),
                     reinterpret_cast<LPARAM>(hwnd));
    }
}

void ScrollBarControl::Repaint() {
    InvalidateRect(hwnd, nullptr, FALSE);
}

void ScrollBarControl::Paint(HDC dc) {
    const ScrollBarGeometry g = Geometry();
    const bool disabled = !IsWindowEnabled(hwnd);
    const bool vertical = Vertical();
    const COLORREF light = GetSysColor(COLOR_3DHILIGHT);
    const COLORREF face = GetSysColor(COLOR_SCROLLBAR);
    for (Part page : {Part::PageUp, Part::PageDown}) {
        const bool down = tracker.Pushed() == page;
        const RECT r = g.PartRect(page);
        if (down) {
            FillDither(dc, r, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DSHADOW));
        } else {
            FillDither(dc, r, light, face);
        }
    }
    PaintButton(dc, g.PartRect(Part::LineUp), vertical ? Arrow::Up : Arrow::Left,
                tracker.Pushed() == Part::LineUp, disabled);
    PaintButton(dc, g.PartRect(Part::LineDown), vertical ? Arrow::Down : Arrow::Right,
                tracker.Pushed() == Part::LineDown, disabled);
    if (g.HasThumb() && !disabled) {
        RECT thumb = g.PartRect(Part::Thumb);
        FillRect(dc, &thumb, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT);
    }
}

void ScrollBarControl::PaintButton(HDC dc, const RECT& r, Arrow arrow, bool pushed, bool disabled) {
    RECT box = r;
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
    if (pushed) {
        FrameRect(dc, &box, GetSysColorBrush(COLOR_BTNSHADOW));
        OffsetRect(&box, 1, 1);
    } else {
        DrawEdge(dc, &box, EDGE_RAISED, BF_RECT);
    }
    const int side = static_cast<int>(std::min(r.right - r.left, r.bottom - r.top));
    const int rows = std::max(1, (side - 2) / 3);
    if (disabled) {
        RECT shade = box;
        OffsetRect(&shade, 1, 1);
        DrawArrowGlyph(dc, shade, arrow, rows, GetSysColor(COLOR_3DHILIGHT));
        DrawArrowGlyph(dc, box, arrow, rows, GetSysColor(COLOR_BTNSHADOW));
        return;
    }
    DrawArrowGlyph(dc, box, arrow, rows, GetSysColor(COLOR_BTNTEXT));
}

} // namespace ctl
