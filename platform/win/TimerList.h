#pragma once
// Window timers on the backend's clock. A WM_TIMER is made only when a loop finds the queue
// otherwise empty, so a timer never has more than one waiting; its next turn is counted from
// the moment its message is taken.
#include "platform/win/WinUser.h"

#include <vector>

namespace win {

class TimerList {
  public:
    static TimerList& Get();

    UINT_PTR Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
    bool Kill(HWND hwnd, UINT_PTR id);
    void KillAll(HWND hwnd);
    // The earliest due timer accepted by the filter, as a WM_TIMER; rescheduled when taken.
    bool TakeDue(HWND filter, MSG* msg, bool remove);
    bool NextDue(DWORD* due) const;

  private:
    struct Timer {
        HWND hwnd;
        UINT_PTR id;
        UINT period;
        DWORD due;
        TIMERPROC proc;
    };
    std::vector<Timer> timers;
};

} // namespace win
