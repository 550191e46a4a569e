#pragma once
// The message box: a captioned popup with an optional icon, the text wrapped, and OK (and
// Cancel) push buttons, run modally over its owner. Its loop handles Enter, Escape and the
// moves between buttons itself, so no dialog's key filter ever sees them.
#include "platform/ctl/ControlMap.h"

#include <string>
#include <vector>

namespace ctl {

class MessageBoxWindow {
  public:
    static constexpr const char* ClassName = "QvsqlMessageBox";
    static ATOM Register();

    explicit MessageBoxWindow(HWND window) : hwnd(window) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

    // Shows one box and waits: the id of the button that closed it.
    static int Run(HWND owner, const char* text, const char* caption, UINT type);
    // The text the box shows (its caption is the window text).
    const std::string& Text() const { return layout.text; }

  private:
    // Where everything goes, in client pixels.
    struct Layout {
        std::string text;
        UINT type = 0;
        RECT iconRect{};
        RECT textRect{};
        std::vector<RECT> buttons;
        SIZE client{};
    };

    static Layout Arrange(const char* text, UINT type);
    static std::vector<int> ButtonIds(UINT type);
    static RECT CentredOver(HWND owner, SIZE client, DWORD style, DWORD exStyle);
    bool Filter(const MSG& msg) const;

    void Create(const Layout& layout);
    void Paint() const;
    int CancelId() const;
    int FocusedId() const;
    void MoveFocus(int step) const;

    HWND hwnd;
    Layout layout;
    std::vector<HWND> buttons;
};

} // namespace ctl
