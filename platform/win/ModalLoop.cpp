#include "platform/win/ModalLoop.h"

#include "platform/win/Painter.h"
#include "platform/win/WindowManager.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>

namespace win {

std::vector<ModalLoop::Entry>& ModalLoop::Loops() {
    static std::vector<Entry> loops;
    return loops;
}

ModalLoop::Entry* ModalLoop::Find(HWND window) {
    auto& loops = Loops();
    auto it = std::find_if(loops.rbegin(), loops.rend(),
                           [&](const Entry& e) { return e.window == window && !e.ended; });
    return it == loops.rend() ? nullptr : &*it;
}

bool ModalLoop::IsRunning(HWND window) {
    return Find(window) != nullptr;
}

bool ModalLoop::End(HWND window, LONG_PTR result) {
    Entry* e = Find(window);
    if (!e) {
        return false;
    }
    e->ended = true;
    e->result = result;
    return true;
}

LONG_PTR ModalLoop::Run(HWND window, const PreTranslateHook& filter) {
    auto& wm = WindowManager::Get();
    if (!IsWindow(window) || !wm.GetBackend().CanReceiveInput()) {
        return IDCANCEL;
    }
    const HWND owner = GetWindow(window, GW_OWNER);
    const bool disabled = owner && !EnableWindow(owner, FALSE);
    Loops().push_back({window, false, IDCANCEL});
    const LONG_PTR result = Loop(window, filter);
    if (disabled) {
        EnableWindow(owner, TRUE);
    }
    if (IsWindowVisible(owner)) {
        SetActiveWindow(owner);
    }
    return result;
}

LONG_PTR ModalLoop::Loop(HWND window, const PreTranslateHook& filter) {
    auto& loops = Loops();
    const std::size_t index = loops.size() - 1;
    auto& backend = WindowManager::Get().GetBackend();
    while (!loops[index].ended && IsWindow(window)) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            if (!filter) {
                ProcessMessage(msg);
            } else if (!filter(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            continue;
        }
        DWORD due = 0;
        const bool timer = NextTimerDue(&due);
        if (!backend.WaitForInput(timer ? due : 0)) {
            break;
        }
    }
    const LONG_PTR result = loops[index].ended ? loops[index].result : IDCANCEL;
    loops.erase(loops.begin() + static_cast<std::ptrdiff_t>(index));
    return result;
}

} // namespace win
