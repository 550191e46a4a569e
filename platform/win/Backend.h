#pragma once
// What the window system needs of a display: a clock, native counterparts of top-level
// windows, presentation of their pixels and a way to wait for input. The defaults describe a
// display that shows nothing, never frames a window and never delivers input, with a clock
// that stands still; real backends override what they provide.
#include "platform/base/WinDef.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"

#include <optional>
#include <string>

namespace win {

// The clipboard that copy and paste use, and the primary selection (the text last selected,
// which a middle click pastes on X displays).
enum class Selection { Clipboard, Primary };

class Backend {
  public:
    virtual ~Backend() = default;

    // Milliseconds; only differences matter.
    virtual DWORD Now() const { return 0; }
    virtual SIZE ScreenSize() const { return {1024, 768}; }

    // Native counterparts of top-level windows; rectangles are whole windows in screen pixels.
    virtual void CreateNative(HWND, const RECT&) {}
    virtual void MoveNative(HWND, const RECT&) {}
    virtual void ShowNative(HWND, bool) {}
    virtual void SetNativeTitle(HWND, const std::string&) {}
    virtual void DestroyNative(HWND) {}
    // Pixels of the window's surface changed inside dirty (surface coordinates).
    virtual void Present(HWND, const gfx::Surface&, const gfx::Region&) {}
    virtual void SetCursorShape(HCURSOR) {}

    // True when the display draws captions and close boxes itself.
    virtual bool FramesWindows() const { return false; }
    // False when no input will ever arrive, so a modal loop must not wait.
    virtual bool CanReceiveInput() const { return false; }
    // Blocks until input arrives, the clock reaches deadline (0 = none) or the wait is given
    // up; false when nothing more can ever arrive.
    virtual bool WaitForInput(DWORD) { return false; }

    // The display's own clipboards, as UTF-8 text with lines ending in CR LF. Offering makes
    // the text available to other applications; reading asks whoever holds the selection
    // now. nullopt means the display has no clipboards, so the process keeps its own.
    virtual void OfferText(Selection, const std::string&) {}
    virtual std::optional<std::string> ReadText(Selection) { return std::nullopt; }
};

} // namespace win
