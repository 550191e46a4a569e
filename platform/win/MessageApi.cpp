// Sending, posting, retrieving and dispatching messages; timers; the backend hook-up.
#include "platform/win/KeyTranslator.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Painter.h"
#include "platform/win/TimerList.h"
#include "platform/win/WindowManager.h"

using win::MessageQueue;
using win::WindowManager;

namespace {

constexpr int PumpLimit = 100000;

win::PreTranslateHook& Hook() {
    static win::PreTranslateHook hook;
    return hook;
}

} // namespace

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return WindowManager::Get().Send(hwnd, msg, wParam, lParam);
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !IsWindow(hwnd)) {
        return FALSE;
    }
    MessageQueue::Get().Post(hwnd, msg, wParam, lParam);
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    MessageQueue::Get().PostQuit(exitCode);
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    if (!msg || (hwnd && !IsWindow(hwnd))) {
        return FALSE;
    }
    if (MessageQueue::Get().Peek(msg, hwnd, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0)) {
        return TRUE;
    }
    win::Painter::Present();
    return FALSE;
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) {
        return FALSE;
    }
    const char c =
        win::KeyTranslator::CharFor(static_cast<UINT>(msg->wParam), win::KeyTranslator::Held());
    if (!c) {
        return FALSE;
    }
    const UINT charMessage = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    PostMessageA(msg->hwnd, charMessage, static_cast<unsigned char>(c), msg->lParam);
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (!msg || !IsWindow(msg->hwnd)) {
        return 0;
    }
    if (msg->message == WM_TIMER && msg->lParam) {
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
        return 0;
    }
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetMessagePos() {
    const POINT p = MessageQueue::Get().Last().pt;
    return static_cast<DWORD>(MAKELPARAM(p.x, p.y));
}

LONG GetMessageTime() {
    return static_cast<LONG>(MessageQueue::Get().Last().time);
}

DWORD GetTickCount() {
    return WindowManager::Get().GetBackend().Now();
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    return win::TimerList::Get().Set(hwnd, id, elapse, proc);
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    return win::TimerList::Get().Kill(hwnd, id) ? TRUE : FALSE;
}

namespace win {

void SetBackend(std::unique_ptr<Backend> backend) {
    WindowManager::Get().SetBackend(std::move(backend));
}

Backend& GetBackend() {
    return WindowManager::Get().GetBackend();
}

void QueueInput(const InputEvent& event) {
    MessageQueue::Get().QueueInput(event);
}

void SetPreTranslateHook(PreTranslateHook hook) {
    Hook() = std::move(hook);
}

void ProcessMessage(MSG& msg) {
    if (Hook() && Hook()(msg)) {
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void PumpMessages() {
    MSG msg;
    for (int i = 0; i < PumpLimit && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        ProcessMessage(msg);
    }
    Painter::Present();
}

bool NextTimerDue(DWORD* due) {
    return due && TimerList::Get().NextDue(due);
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> list;
    for (Window* w : WindowManager::Get().TopLevels()) {
        list.push_back(w->handle);
    }
    return list;
}

const gfx::Surface* WindowSurface(HWND hwnd) {
    Window* w = WindowManager::Get().Find(hwnd);
    return w && !w->IsChild() ? w->surface.get() : nullptr;
}

} // namespace win
