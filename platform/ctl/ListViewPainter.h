#pragma once
// One paint of a report view's rows: custom-draw questions to the parent at each stage, and
// the default cells wherever the answers leave the drawing to the list.
#include "platform/ctl/ListViewLayout.h"
#include "platform/ctl/ListViewRows.h"

namespace ctl {

struct ListViewLook {
    DWORD style = 0;
    DWORD exStyle = 0;
    bool focused = false;
    bool enabled = true;
};

class ListViewPainter {
  public:
    ListViewPainter(HWND list, const ListViewRows& rows, const ListViewLayout& layout,
                    ListViewLook look);
    // Paints the rows crossing dirty on dc, which has the list's font selected.
    void Paint(HDC dc, const RECT& dirty) const;

  private:
    LRESULT Ask(NMLVCUSTOMDRAW& draw) const;
    NMLVCUSTOMDRAW Record(HDC dc, DWORD stage, int row, int column, RECT r) const;
    void PaintRow(HDC dc, int row, bool askCells) const;
    void DrawCell(HDC dc, const NMLVCUSTOMDRAW& draw) const;
    bool Highlighted(int row, int column) const;

    HWND hwnd;
    const ListViewRows& rows;
    const ListViewLayout& layout;
    ListViewLook look;
};

} // namespace ctl
