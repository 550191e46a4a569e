#include "platform/ctl/ListViewLayout.h"

#include "platform/base/Saturate.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstdint>

namespace ctl {

namespace {

// The height the header takes at the top of a client area; 0 without a header.
int HeaderHeight(HWND header, const RECT& client) {
    if (!header) {
        return 0;
    }
    RECT area = client;
    WINDOWPOS pos{};
    HDLAYOUT layout{&area, &pos};
    SendMessageA(header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout));
    return pos.cy;
}

int RowsFitting(const RECT& client, int rowsTop, int rowHeight) {
    return std::max((client.bottom - rowsTop) / rowHeight, 0);
}

} // namespace

ListViewLayout::ListViewLayout(HWND list, HWND header, int height, int topRow)
    : rowHeight(std::max(height, 1)), top(topRow) {
    GetClientRect(list, &client);
    rowsTop = HeaderHeight(header, client);
    if (!header) {
        return;
    }
    const auto count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < count; ++column) {
        RECT r{};
        SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&r));
        lefts.push_back(r.left);
        rights.push_back(r.right);
    }
    order.resize(static_cast<std::size_t>(count));
    SendMessageA(header, HDM_GETORDERARRAY, static_cast<WPARAM>(count),
                 reinterpret_cast<LPARAM>(order.data()));
}

int ListViewLayout::PageSizeOf(HWND list, HWND header, int rowHeight) {
    RECT client{};
    GetClientRect(list, &client);
    return RowsFitting(client, HeaderHeight(header, client), std::max(rowHeight, 1));
}

int ListViewLayout::LastVisible(int count) const {
    const int shown = (client.bottom - rowsTop + rowHeight - 1) / rowHeight;
    return std::clamp(top + std::max(shown, 0), 0, count);
}

RECT ListViewLayout::RowBounds(int row) const {
    const LONG y = base::ClampToLong(rowsTop + (std::int64_t{row} - top) * rowHeight);
    int right = 0;
    for (int r : rights) {
        right = std::max(right, r);
    }
    return {0, y, right, base::AddClamped(y, rowHeight)};
}

RECT ListViewLayout::CellRect(int row, int column) const {
    RECT r = RowBounds(row);
    if (column >= 0 && column < Columns()) {
        r.left = lefts[static_cast<std::size_t>(column)];
        r.right = rights[static_cast<std::size_t>(column)];
    }
    return r;
}

int ListViewLayout::RowAt(int y) const {
    return y < rowsTop ? -1 : base::AddClamped(top, (std::int64_t{y} - rowsTop) / rowHeight);
}

int ListViewLayout::ColumnAt(int x) const {
    for (int column = 0; column < Columns(); ++column) {
        if (x >= lefts[static_cast<std::size_t>(column)] &&
            x < rights[static_cast<std::size_t>(column)]) {
            return column;
        }
    }
    return -1;
}

} // namespace ctl
