#pragma once
// Modal loops fed by a script of steps on the headless backend (each step is one turn of
// whichever loop runs; once they are spent, no more input comes), and where a step aims.
#include "platform/afx/CListBox.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/win/WindowSystem.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace wintest {

using Step = std::function<void(backend::HeadlessBackend&)>;

inline backend::HeadlessBackend::ScriptStep Steps(std::vector<Step> steps) {
    auto shared = std::make_shared<std::vector<Step>>(std::move(steps));
    auto next = std::make_shared<std::size_t>(0);
    return [shared, next](backend::HeadlessBackend& d) {
        if (*next >= shared->size()) {
            return false;
        }
        (*shared)[(*next)++](d);
        return true;
    };
}

// The screen point a user aims at on a window.
inline POINT Centre(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A screen point on a list's item, x pixels in (5 is on a check list's box).
inline POINT ItemPoint(const CListBox& list, int index, int x = 5) {
    RECT item{};
    list.GetItemRect(index, &item);
    POINT p{item.left + x, (item.top + item.bottom) / 2};
    ClientToScreen(list.m_hWnd, &p);
    return p;
}

// The visible top-level window of a class (a message box, a dialog of our own), or null.
inline HWND TopWindowOfClass(const char* className) {
    for (HWND top : win::TopLevelWindows()) {
        char name[64] = {};
        GetClassNameA(top, name, sizeof name);
        if (std::string(name) == className && IsWindowVisible(top)) {
            return top;
        }
    }
    return nullptr;
}

} // namespace wintest
