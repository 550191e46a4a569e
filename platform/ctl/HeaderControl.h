#pragma once
// The "SysHeader32" control: column items with text, width, format, bitmap, image and a
// display order; classic raised painting. Sizing, dragging and clicks are not handled.
#include "platform/ctl/ControlMap.h"
#include "platform/ctl/HeaderItems.h"

namespace ctl {

class HeaderControl {
  public:
    static constexpr const char* ClassName = WC_HEADERA;
    static ATOM Register();

    explicit HeaderControl(HWND hwnd);
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT HeaderMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Insert(int index, const HDITEMA* item);
    LRESULT InsertWide(int index, const HDITEMW* item);
    LRESULT GetItem(int index, HDITEMA* item) const;
    LRESULT SetItem(int index, const HDITEMA* item);
    LRESULT GetRect(int index, RECT* r) const;
    LRESULT Layout(HDLAYOUT* layout) const;
    LRESULT GetOrder(int count, int* order) const;
    int Height() const;
    void Changed(int index);

    void FontChanged(bool redrawNow);
    void Paint(HDC dc);
    void PaintItem(HDC dc, int index, const RECT& r) const;

    HWND hwnd;
    HeaderItems items;
    HFONT font = nullptr;
    HIMAGELIST images = nullptr;
    // Measured on first use after each font change.
    mutable int fontHeight = -1;
};

// The text alignment (DT_LEFT, DT_CENTER or DT_RIGHT) of a header item's format.
UINT HeaderTextAlignment(int format);
// That of a header's column, as the header answers it; left when it cannot tell.
UINT HeaderColumnAlignment(HWND header, int column);

} // namespace ctl
