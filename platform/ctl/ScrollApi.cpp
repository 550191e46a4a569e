#include "platform/ctl/ScrollApi.h"

namespace {

bool IsControlBar(HWND hwnd, int bar) {
    return bar == SB_CTL && IsWindow(hwnd);
}

} // namespace

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    if (!IsControlBar(hwnd, bar)) {
        return 0;
    }
    return static_cast<int>(SendMessageA(hwnd, SBM_SETSCROLLINFO, redraw ? TRUE : FALSE,
                                         reinterpret_cast<LPARAM>(info)));
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    if (!IsControlBar(hwnd, bar) || !info) {
        return FALSE;
    }
    return SendMessageA(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)) ? TRUE : FALSE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    if (!IsControlBar(hwnd, bar)) {
        return 0;
    }
    return static_cast<int>(
        SendMessageA(hwnd, SBM_SETPOS, static_cast<WPARAM>(pos), redraw ? TRUE : FALSE));
}

int GetScrollPos(HWND hwnd, int bar) {
    return IsControlBar(hwnd, bar) ? static_cast<int>(SendMessageA(hwnd, SBM_GETPOS, 0, 0)) : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw) {
    if (!IsControlBar(hwnd, bar)) {
        return FALSE;
    }
    SendMessageA(hwnd, redraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(min),
                 static_cast<LPARAM>(max));
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* min, int* max) {
    if (!IsControlBar(hwnd, bar) || !min || !max) {
        return FALSE;
    }
    SendMessageA(hwnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(min), reinterpret_cast<LPARAM>(max));
    return TRUE;
}
