#include "platform/win/MessageQueue.h"

#include "platform/win/Painter.h"
#include "platform/win/TimerList.h"
#include "platform/win/WindowManager.h"

namespace win {

namespace {

bool InRange(UINT message, UINT first, UINT last) {
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

bool Accepts(HWND filter, HWND hwnd) {
    return !filter || filter == hwnd || IsChild(filter, hwnd);
}

MSG Stamp(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& wm = WindowManager::Get();
    MSG m;
    m.hwnd = hwnd;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = wm.GetBackend().Now();
    m.pt = wm.cursorPos;
    return m;
}

} // namespace

MessageQueue& MessageQueue::Get() {
    static MessageQueue queue;
    return queue;
}

void MessageQueue::Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    posted.push_back(Stamp(hwnd, message, wParam, lParam));
}

void MessageQueue::PostQuit(int code) {
    quitPending = true;
    quitCode = code;
}

void MessageQueue::QueueInput(const InputEvent& event) {
    auto& wm = WindowManager::Get();
    const bool pointer = event.kind == InputKind::MouseMove ||
                         event.kind == InputKind::ButtonDown || event.kind == InputKind::ButtonUp;
    TimedInput input{event, wm.GetBackend().Now()};
    if (pointer || event.kind == InputKind::Wheel) {
        wm.cursorPos = event.pt;
    } else {
        input.event.pt = wm.cursorPos;
    }
    if (event.kind == InputKind::MouseMove && !raw.empty() &&
        raw.back().event.kind == InputKind::MouseMove) {
        raw.back() = input;
        return;
    }
    raw.push_back(input);
}

bool MessageQueue::TakeFrom(std::deque<MSG>& list, MSG* msg, HWND filter, UINT first,
                            UINT lastMessage, bool remove) {
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (Accepts(filter, it->hwnd) && InRange(it->message, first, lastMessage)) {
            *msg = *it;
            if (remove) {
                list.erase(it);
            }
            return true;
        }
    }
    return false;
}

bool MessageQueue::RouteInput(MSG* msg, HWND filter, UINT first, UINT lastMessage, bool remove) {
    while (!raw.empty()) {
        const TimedInput input = raw.front();
        raw.pop_front();
        MSG routedMsg;
        if (InputRouter::Get().Route(input, &routedMsg)) {
            routed.push_back(routedMsg);
            if (TakeFrom(routed, msg, filter, first, lastMessage, remove)) {
                return true;
            }
        }
    }
    return false;
}

bool MessageQueue::TakePaint(MSG* msg, HWND filter, UINT first, UINT lastMessage) {
    if (!InRange(WM_PAINT, first, lastMessage)) {
        return false;
    }
    const HWND hwnd = Painter::NextToPaint(filter);
    if (!hwnd) {
        return false;
    }
    *msg = Stamp(hwnd, WM_PAINT, 0, 0);
    return true;
}

bool MessageQueue::Peek(MSG* msg, HWND filter, UINT first, UINT lastMessage, bool remove) {
    const bool found = TakeFrom(posted, msg, filter, first, lastMessage, remove) ||
                       TakeFrom(routed, msg, filter, first, lastMessage, remove) ||
                       RouteInput(msg, filter, first, lastMessage, remove);
    if (found) {
        last = *msg;
        return true;
    }
    if (quitPending && !filter && InRange(WM_QUIT, first, lastMessage)) {
        *msg = Stamp(nullptr, WM_QUIT, static_cast<WPARAM>(quitCode), 0);
        quitPending = quitPending && !remove;
        last = *msg;
        return true;
    }
    if (TakePaint(msg, filter, first, lastMessage) ||
        (InRange(WM_TIMER, first, lastMessage) && TimerList::Get().TakeDue(filter, msg, remove))) {
        msg->pt = WindowManager::Get().cursorPos;
        last = *msg;
        return true;
    }
    return false;
}

} // namespace win
