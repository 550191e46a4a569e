#pragma once
// Modal message loops, as DialogBox runs them: the window's owner is disabled while the loop
// runs and enabled and activated again afterwards; loops nest. Each message passes the
// pre-translate hook first (see WindowSystem.h).
#include "platform/win/WinUser.h"
#include "platform/win/WindowSystem.h"

#include <vector>

namespace win {

class ModalLoop {
  public:
    // Runs until End(window) or the window is destroyed; IDCANCEL when it ended without a
    // result, at once when the backend can never deliver input, or when input runs out.
    // A filter, when given, takes the hook's place (the loop of a system dialog).
    static LONG_PTR Run(HWND window, const PreTranslateHook& filter = {});
    // False when no loop runs for the window.
    static bool End(HWND window, LONG_PTR result);
    static bool IsRunning(HWND window);

  private:
    struct Entry {
        HWND window;
        bool ended;
        LONG_PTR result;
    };
    static Entry* Find(HWND window);
    static std::vector<Entry>& Loops();
    static LONG_PTR Loop(HWND window, const PreTranslateHook& filter);
};

} // namespace win
