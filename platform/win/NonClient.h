#pragma once
// The frame round a window's client area: its thickness, hit-testing and the classic drawing
// of border, caption and close box where the backend does not frame windows itself.
#include "platform/win/Window.h"

namespace win {

class NonClient {
  public:
    // Frame thickness on each side for the given styles.
    static RECT Insets(DWORD style, DWORD exStyle);
    static bool HasCaption(const Window& w);
    // Window coordinates; empty without a caption or close box.
    static RECT CaptionRect(const Window& w);
    static RECT CloseBoxRect(const Window& w);
    static LRESULT HitTest(const Window& w, POINT screen);
    static void Paint(HWND hwnd);
};

} // namespace win
