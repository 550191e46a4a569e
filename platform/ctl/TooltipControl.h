#pragma once
// The "tooltips_class32" control: tools (window, id, rectangle, text or a request for it),
// mouse messages relayed by the application, an initial delay
// before the tip shows and a pop-down delay after. A topmost popup that never activates and
// lets the pointer through to the window below.
#include "platform/base/CommCtrl.h"
#include "platform/ctl/ControlMap.h"

#include <string>
#include <vector>

namespace ctl {

class TooltipControl {
  public:
    static constexpr const char* ClassName = TOOLTIPS_CLASSA;
    static ATOM Register();

    explicit TooltipControl(HWND hwnd);
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    struct Tool {
        UINT flags = 0;
        HWND hwnd = nullptr;
        UINT_PTR id = 0;
        RECT rect{};
        bool callback = false;
        std::string text;
    };
    static constexpr std::size_t NoTool = static_cast<std::size_t>(-1);

    LRESULT TooltipMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT AddTool(const TOOLINFOA* info);
    LRESULT DeleteTool(const TOOLINFOA* info);
    LRESULT NewRect(const TOOLINFOA* info);
    std::size_t Find(HWND window, UINT_PTR id) const;
    std::size_t ToolAt(HWND window, POINT client) const;
    void SetDelay(WPARAM which, LPARAM ms);

    void Relay(const MSG* msg);
    void Enter(std::size_t tool);
    void Pop();
    void Reset();
    void Show();
    std::string AskText(const Tool& tool);
    void Place(const std::string& text);
    void Paint(HDC dc);

    HWND hwnd;
    std::vector<Tool> tools;
    bool active = true;
    std::size_t current = NoTool; // the tool under the pointer
    bool shown = false;
    bool spent = false; // popped for the current tool: waits for another one
    std::string text;
    HFONT font = nullptr;
    UINT initialDelay;
    UINT popDelay;
};

} // namespace ctl
