#include "platform/ctl/ListScroller.h"

#include "platform/ctl/ControlSupport.h"
#include "platform/gfx/Gdi.h"

#include <algorithm>

namespace ctl {

namespace {

constexpr int LinesPerNotch = 3;

} // namespace

ListScroller::ListScroller(HWND list, Rows& shown, bool keepCapture)
    : hwnd(list), rows(shown), tracker(list, *this, keepCapture) {}

int ListScroller::Clamp(int row, int count, int page) {
    return std::clamp(row, 0, std::max(count - page, 0));
}

int ListScroller::TopFor(int code, int pos, const Span& span) {
    const int step = std::max(span.page, 1);
    switch (code) {
    case SB_LINEUP:
        return span.top - 1;
    case SB_LINEDOWN:
        return span.top + 1;
    case SB_PAGEUP:
        return span.top - step;
    case SB_PAGEDOWN:
        return span.top + step;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return pos;
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return span.count;
    default:
        return span.top;
    }
}

bool ListScroller::Message(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (msg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
        if (static_cast<LRESULT>(wParam) != HTVSCROLL) {
            return false;
        }
        POINT p = PointOf(lParam);
        ScreenToClient(hwnd, &p);
        Press(p);
        return true;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        if (!tracker.Active()) {
            return false;
        }
        msg == WM_MOUSEMOVE ? tracker.Move(PointOf(lParam)) : tracker.Release();
        return true;
    case WM_CAPTURECHANGED:
        tracker.Cancel();
        return false;
    case WM_TIMER:
        if (wParam == ScrollTracker::RepeatTimer) {
            tracker.Tick();
        }
        return wParam == ScrollTracker::RepeatTimer;
    case WM_VSCROLL:
        Scroll(LOWORD(wParam), HIWORD(wParam));
        return true;
    case WM_MOUSEWHEEL:
        Wheel(static_cast<short>(HIWORD(wParam)));
        return true;
    case WM_NCPAINT:
        DefWindowProcA(hwnd, msg, wParam, lParam);
        Paint();
        return true;
    default:
        return false;
    }
}

bool ListScroller::Press(POINT p) {
    return Shown() && tracker.Press(p);
}

void ListScroller::Scroll(int code, int pos) {
    rows.ScrollTo(TopFor(code, pos, rows.ScrollSpan()));
}

// Partial turns of a fine wheel add up to whole notches.
void ListScroller::Wheel(int delta) {
    wheelRest += delta;
    const int lines = wheelRest / WHEEL_DELTA * LinesPerNotch;
    wheelRest %= WHEEL_DELTA;
    if (lines != 0) {
        rows.ScrollTo(rows.ScrollSpan().top - lines);
    }
}

bool ListScroller::Shown() const {
    return (StyleOf(hwnd) & WS_VSCROLL) != 0;
}

ScrollStrip ListScroller::Strip() const {
    const RECT client = ClientRectOf(hwnd);
    const Span span = rows.ScrollSpan();
    return ScrollStrip(
        {client.right, 0, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom}, span.count,
        span.page, span.top);
}

void ListScroller::Update(bool wanted, bool always) {
    const Span span = rows.ScrollSpan();
    const bool need = wanted && (always || span.count > span.page);
    if (need != Shown()) {
        const DWORD style = StyleOf(hwnd);
        SetWindowLongPtrA(hwnd, GWL_STYLE, need ? style | WS_VSCROLL : style & ~WS_VSCROLL);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    if (need) {
        Changed();
    }
}

// Painting the strip at every change would cost a whole strip per inserted row.
void ListScroller::Changed() {
    if (!dirty) {
        dirty = true;
        const RECT frameOnly{};
        RedrawWindow(hwnd, &frameOnly, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
}

void ListScroller::Paint() {
    dirty = false;
    if (!Shown() || !IsWindowVisible(hwnd)) {
        return;
    }
    HDC dc = GetWindowDC(hwnd);
    POINT client{0, 0};
    ClientToScreen(hwnd, &client);
    RECT wr;
    GetWindowRect(hwnd, &wr);
    SetWindowOrgEx(dc, wr.left - client.x, wr.top - client.y, nullptr);
    Strip().Paint(dc, tracker.Pushed());
    ReleaseDC(hwnd, dc);
}

} // namespace ctl
