#include "platform/ctl/ListViewScroller.h"

#include "platform/ctl/ControlSupport.h"
#include "platform/gfx/Gdi.h"

#include <algorithm>

namespace ctl {

namespace {

constexpr int LinesPerNotch = 3;

} // namespace

int ListViewScroller::Clamp(int row, int count, int page) {
    return std::clamp(row, 0, std::max(count - page, 0));
}

int ListViewScroller::TopFor(int code, int top, int count, int page) {
    const int step = std::max(page, 1);
    switch (code) {
    case SB_LINEUP:
        return Clamp(top - 1, count, page);
    case SB_LINEDOWN:
        return Clamp(top + 1, count, page);
    case SB_PAGEUP:
        return Clamp(top - step, count, page);
    case SB_PAGEDOWN:
        return Clamp(top + step, count, page);
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return Clamp(count, count, page);
    default:
        return top;
    }
}

int ListViewScroller::WheelLines(int delta) {
    wheelRest += delta;
    const int lines = wheelRest / WHEEL_DELTA * LinesPerNotch;
    wheelRest %= WHEEL_DELTA;
    return lines;
}

bool ListViewScroller::Shown() const {
    return (StyleOf(hwnd) & WS_VSCROLL) != 0;
}

ScrollStrip ListViewScroller::Strip(int count, int page, int top) const {
    const RECT client = ClientRectOf(hwnd);
    return ScrollStrip(
        {client.right, 0, client.right + GetSystemMetrics(SM_CXVSCROLL), client.bottom}, count,
        page, top);
}

void ListViewScroller::Update(bool allowed, int count, int page) {
    const bool need = allowed && count > page;
    dirty = true;
    if (need == Shown()) {
        return;
    }
    const DWORD style = StyleOf(hwnd);
    SetWindowLongPtrA(hwnd, GWL_STYLE, need ? style | WS_VSCROLL : style & ~WS_VSCROLL);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// Painting the strip at every row change would cost a whole strip per inserted row.
void ListViewScroller::PaintIfDirty(int count, int page, int top) {
    if (dirty) {
        dirty = false;
        Paint(count, page, top);
    }
}

void ListViewScroller::Paint(int count, int page, int top) const {
    if (!Shown() || !IsWindowVisible(hwnd)) {
        return;
    }
    HDC dc = GetWindowDC(hwnd);
    POINT client{0, 0};
    ClientToScreen(hwnd, &client);
    RECT wr;
    GetWindowRect(hwnd, &wr);
    SetWindowOrgEx(dc, wr.left - client.x, wr.top - client.y, nullptr);
    Strip(count, page, top).Paint(dc, ScrollStrip::Part::None);
    ReleaseDC(hwnd, dc);
}

// One step per press on an arrow or the track; the thumb is not dragged.
int ListViewScroller::CodeAt(LPARAM screenPoint, int count, int page, int top) const {
    POINT p{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    ScreenToClient(hwnd, &p);
    switch (Strip(count, page, top).HitTest(p)) {
    case ScrollStrip::Part::LineUp:
        return SB_LINEUP;
    case ScrollStrip::Part::LineDown:
        return SB_LINEDOWN;
    case ScrollStrip::Part::PageUp:
        return SB_PAGEUP;
    case ScrollStrip::Part::PageDown:
        return SB_PAGEDOWN;
    default:
        return -1;
    }
}

} // namespace ctl
