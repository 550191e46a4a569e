#pragma once
// The thread's queue. Messages are taken in Win32's order: posted messages, then input
// (routed only when reached, so it sees the capture and focus of that moment), then
// WM_QUIT, then WM_PAINT, then WM_TIMER.
#include "platform/win/InputRouter.h"

#include <deque>

namespace win {

class MessageQueue {
  public:
    static MessageQueue& Get();

    void Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void PostQuit(int code);
    void QueueInput(const InputEvent& event);
    bool Peek(MSG* msg, HWND filter, UINT first, UINT last, bool remove);
    // The message most recently taken by GetMessage or PeekMessage.
    const MSG& Last() const { return last; }

  private:
    bool TakeFrom(std::deque<MSG>& list, MSG* msg, HWND filter, UINT first, UINT last, bool remove);
    bool RouteInput(MSG* msg, HWND filter, UINT first, UINT last, bool remove);
    bool TakePaint(MSG* msg, HWND filter, UINT first, UINT last);

    std::deque<MSG> posted;
    std::deque<MSG> routed;
    std::deque<TimedInput> raw;
    bool quitPending = false;
    int quitCode = 0;
    MSG last{};
};

} // namespace win
