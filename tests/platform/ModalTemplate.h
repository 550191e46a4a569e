#pragma once
// The captioned modal frame in "MS Sans Serif" 8 that the test dialogs are built on.
#include "platform/win/WinDialogs.h"

#include <utility>
#include <vector>

namespace wintest {

inline DialogTemplate ModalTemplate(const char* title, short cx, short cy,
                                    std::vector<DialogItemTemplate> items, DWORD extra = 0) {
    constexpr DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    return {frame | extra, 0, title, 0, 0, cx, cy, "MS Sans Serif", 8, std::move(items)};
}

} // namespace wintest
