#include "platform/win/TimerList.h"

#include "platform/win/WindowManager.h"

#include <algorithm>

namespace win {

namespace {

constexpr UINT MinimumElapse = 10;
constexpr UINT MaximumElapse = 0x7FFFFFFF;

bool Reached(DWORD now, DWORD due) {
    return static_cast<std::int32_t>(now - due) >= 0;
}

DWORD Now() {
    return WindowManager::Get().GetBackend().Now();
}

} // namespace

TimerList& TimerList::Get() {
    static TimerList list;
    return list;
}

UINT_PTR TimerList::Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (!WindowManager::Get().Find(hwnd)) {
        return 0;
    }
    elapse = std::clamp(elapse, MinimumElapse, MaximumElapse);
    const DWORD due = Now() + elapse;
    for (Timer& t : timers) {
        if (t.hwnd == hwnd && t.id == id) {
            t = {hwnd, id, elapse, due, proc};
            return id ? id : 1;
        }
    }
    timers.push_back({hwnd, id, elapse, due, proc});
    return id ? id : 1;
}

bool TimerList::Kill(HWND hwnd, UINT_PTR id) {
    auto it = std::find_if(timers.begin(), timers.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == timers.end()) {
        return false;
    }
    timers.erase(it);
    return true;
}

void TimerList::KillAll(HWND hwnd) {
    std::erase_if(timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

bool TimerList::TakeDue(HWND filter, MSG* msg, bool remove) {
    const DWORD now = Now();
    Timer* best = nullptr;
    for (Timer& t : timers) {
        const bool accepted = !filter || t.hwnd == filter || IsChild(filter, t.hwnd);
        if (accepted && Reached(now, t.due) &&
            (!best || static_cast<std::int32_t>(t.due - best->due) < 0)) {
            best = &t;
        }
    }
    if (!best) {
        return false;
    }
    msg->hwnd = best->hwnd;
    msg->message = WM_TIMER;
    msg->wParam = best->id;
    msg->lParam = reinterpret_cast<LPARAM>(best->proc);
    msg->time = now;
    if (remove) {
        best->due = now + best->period;
    }
    return true;
}

bool TimerList::NextDue(DWORD* due) const {
    if (timers.empty()) {
        return false;
    }
    DWORD best = timers.front().due;
    for (const Timer& t : timers) {
        if (static_cast<std::int32_t>(t.due - best) < 0) {
            best = t.due;
        }
    }
    *due = best;
    return true;
}

} // namespace win
