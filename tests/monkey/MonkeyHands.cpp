#include "tests/monkey/MonkeyHands.h"

#include "dialog/CSELECTSQLDlg.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ctl/MessageBoxWindow.h"
#include "platform/win/WinDialogs.h"
#include "resources/ResourceIds.h"
#include "tests/monkey/MonkeyText.h"

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace monkey {

namespace {

struct NamedKey {
    UINT vk;
    const char* name;
};

const std::vector<NamedKey>& Keys() {
    static const std::vector<NamedKey> keys{{VK_TAB, "TAB"},     {VK_LEFT, "LEFT"},
                                            {VK_RIGHT, "RIGHT"}, {VK_UP, "UP"},
                                            {VK_DOWN, "DOWN"},   {VK_PRIOR, "PRIOR"},
                                            {VK_NEXT, "NEXT"},   {VK_HOME, "HOME"},
                                            {VK_END, "END"},     {VK_RETURN, "RETURN"},
                                            {VK_ESCAPE, "ESC"},  {VK_F2, "F2"},
                                            {VK_F4, "F4"},       {VK_SPACE, "SPACE"},
                                            {VK_DELETE, "DEL"},  {VK_BACK, "BACK"},
                                            {VK_INSERT, "INS"},  {VK_F10, "F10"},
                                            {'A', "A"},          {'D', "D"},
                                            {'M', "M"},          {'O', "O"},
                                            {'Z', "Z"},          {'C', "C"},
                                            {'V', "V"},          {'X', "X"},
                                            {'0', "0"},          {'7', "7"},
                                            {VK_OEM_7, "QUOTE"}, {VK_OEM_COMMA, "COMMA"}};
    return keys;
}

const std::vector<NamedKey>& Modifiers() {
    static const std::vector<NamedKey> modifiers{
        {VK_SHIFT, "SHIFT+"}, {VK_CONTROL, "CTRL+"}, {VK_MENU, "ALT+"}};
    return modifiers;
}

// Bytes outside printable ASCII as \xNN, so a log line shows what was typed.
std::string Printable(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out;
}

// Every visible window, top-level and child, front to back.
void CollectVisible(HWND window, std::vector<HWND>& out) {
    for (; window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (IsWindowVisible(window)) {
            out.push_back(window);
            CollectVisible(GetWindow(window, GW_CHILD), out);
        }
    }
}

std::vector<HWND> VisibleWindows() {
    std::vector<HWND> all;
    for (HWND top : win::TopLevelWindows()) {
        if (IsWindowVisible(top)) {
            all.push_back(top);
            CollectVisible(GetWindow(top, GW_CHILD), all);
        }
    }
    return all;
}

// The first action whose bound the roll is below; the bounds rise to the roll's range.
std::string Weighted(int roll,
                     std::initializer_list<std::pair<int, std::function<std::string()>>> actions) {
    for (const auto& [bound, action] : actions) {
        if (roll < bound) {
            return action();
        }
    }
    return {};
}

} // namespace

std::string MonkeyHands::Play(const CSELECTSQLDlg& builder) {
    const HWND active = GetActiveWindow();
    if (random.Percent(25)) {
        return PlayAnywhere();
    }
    if (active && active == builder.m_hWnd) {
        return PlayInBuilder(builder);
    }
    if (active && ClassName(active) == ctl::MessageBoxWindow::ClassName) {
        return PlayInBox(active);
    }
    if (active && GetDlgItem(active, res::IDC_WP_PROMPT)) {
        return PlayInPrompt(active);
    }
    return PlayAnywhere();
}

std::string MonkeyHands::PlayAnywhere() {
    return Weighted(random.Below(100), {{40, [&] { return Pointer(AnyPoint(), "somewhere"); }},
                                        {65, [&] { return Key(); }},
                                        {75, [&] { return Type(); }},
                                        {100, [&] { return Wait(); }}});
}

std::string MonkeyHands::PlayInBuilder(const CSELECTSQLDlg& builder) {
    static const std::vector<int> controls{
        res::IDC_TABLE,      res::IDC_WHERE_ENABLE, res::IDC_ORDERBY_ENABLE,
        res::IDC_ADD,        res::IDC_ADD,          res::IDC_REMOVE,
        res::IDC_UP,         res::IDC_DOWN,         res::IDC_COLUMNS,
        res::IDC_WHERE_GRID, res::IDC_ORDERBY_GRID, res::IDC_PREVIEW,
        res::IDC_UP,         res::IDC_DOWN};
    std::string what;
    const HWND dialog = builder.m_hWnd;
    const auto control = [&] {
        const int id = random.Pick(controls);
        return Pointer(OnControl(dialog, id), "control " + std::to_string(id));
    };
    return Weighted(random.Below(1000),
                    {{250, [&] { return Pointer(OnColumnItem(builder, what), what); }},
                     {550, [&] { return Pointer(OnGridCell(builder, what), what); }},
                     {700, control},
                     {704, [&] { return Pointer(OnControl(dialog, IDOK), "OK"); }},
                     {706, [&] { return Pointer(OnControl(dialog, IDCANCEL), "Cancel"); }},
                     {850, [&] { return Key(); }},
                     {900, [&] { return Type(); }},
                     {1000, [&] { return Wait(); }}});
}

std::string MonkeyHands::PlayInPrompt(HWND prompt) {
    static const std::vector<int> controls{res::IDC_WP_PROMPT, res::IDC_WP_DEFAULT,
                                           res::IDC_WP_DEFAULT, IDOK, IDCANCEL};
    const auto control = [&] {
        const int id = random.Pick(controls);
        return Pointer(OnControl(prompt, id), "prompt control " + std::to_string(id));
    };
    return Weighted(random.Below(100), {{35, control},
                                        {65, [&] { return Key(); }},
                                        {85, [&] { return Type(); }},
                                        {100, [&] { return Wait(); }}});
}

std::string MonkeyHands::PlayInBox(HWND box) {
    return Weighted(random.Below(100),
                    {{40, [&] { return Pointer(OnControl(box, IDOK), "box OK"); }},
                     {70, [&] { return Key(); }},
                     {85, [&] { return Pointer(InWindow(box), "box"); }},
                     {100, [&] { return Wait(); }}});
}

// ---- events

std::string MonkeyHands::Pointer(POINT p, const std::string& what) {
    const std::string at = " " + std::to_string(p.x) + "," + std::to_string(p.y) + " " + what;
    const int kind = random.Below(100);
    if (kind < 20) {
        display.MoveMouse(p.x, p.y);
        return "move" + at;
    }
    if (kind < 70) {
        display.Click(p.x, p.y);
        return "click" + at;
    }
    if (kind < 78) {
        display.DoubleClick(p.x, p.y);
        return "double click" + at;
    }
    if (kind < 86) {
        display.MoveMouse(p.x, p.y);
        display.ButtonDown();
        return "down" + at;
    }
    if (kind < 94) {
        display.MoveMouse(p.x, p.y);
        display.ButtonUp();
        return "up" + at;
    }
    if (kind < 97) {
        display.Click(p.x, p.y, win::MouseButton::Right);
        return "right click" + at;
    }
    display.MoveMouse(p.x, p.y);
    const int delta = random.Percent(50) ? 120 : -120;
    display.Wheel(delta);
    return "wheel " + std::to_string(delta) + at;
}

std::string MonkeyHands::Key() {
    const NamedKey& key = random.Pick(Keys());
    std::string name;
    std::vector<UINT> held;
    if (random.Percent(25)) {
        const NamedKey& modifier = random.Pick(Modifiers());
        held.push_back(modifier.vk);
        name += modifier.name;
    }
    name += key.name;
    for (UINT vk : held) {
        display.KeyDown(vk);
    }
    const int repeats = random.Percent(10) ? random.Between(2, 12) : 1;
    for (int i = 0; i < repeats; ++i) {
        display.KeyDown(key.vk); // held down: the key repeats
    }
    display.KeyUp(key.vk);
    for (UINT vk : held) {
        display.KeyUp(vk);
    }
    return "key " + name + (repeats > 1 ? " x" + std::to_string(repeats) : "");
}

std::string MonkeyHands::Type() {
    const std::string text = random.Typed();
    display.TypeText(text);
    return "type \"" + Printable(text) + "\"";
}

std::string MonkeyHands::Wait() {
    static const std::vector<int> steps{1, 10, 49, 50, 51, 80, 100, 101, 160, 250, 500, 1000};
    const int ms = random.Percent(70) ? random.Pick(steps) : random.Below(3000);
    display.AdvanceClock(static_cast<DWORD>(ms));
    return "wait " + std::to_string(ms);
}

// ---- where the pointer goes

POINT MonkeyHands::AnyPoint() {
    const std::vector<HWND> windows = VisibleWindows();
    if (windows.empty() || random.Percent(5)) {
        const SIZE screen = display.ScreenSize();
        return {random.Below(screen.cx), random.Below(screen.cy)};
    }
    return InWindow(random.Pick(windows));
}

POINT MonkeyHands::InWindow(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int margin = random.Percent(10) ? 3 : 0; // now and then just outside
    return {random.Between(r.left - margin, std::max(r.left, r.right - 1) + margin),
            random.Between(r.top - margin, std::max(r.top, r.bottom - 1) + margin)};
}

POINT MonkeyHands::OnControl(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    if (!control || random.Percent(30)) {
        return control ? InWindow(control) : AnyPoint();
    }
    RECT r{};
    GetWindowRect(control, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// On an item's check box, or its text, of the column check list.
POINT MonkeyHands::OnColumnItem(const CSELECTSQLDlg& builder, std::string& what) {
    const int count = builder.columnList.GetCount();
    const int item = random.Below(count + 1) - (random.Percent(5) ? 1 : 0);
    RECT r{};
    if (builder.columnList.GetItemRect(item, &r) == LB_ERR) {
        what = "column list";
        return InWindow(builder.columnList.m_hWnd);
    }
    const bool box = random.Percent(75);
    POINT p{box ? r.left + 5 : random.Between(r.left, std::max(r.left, r.right - 1)),
            (r.top + r.bottom) / 2};
    ClientToScreen(builder.columnList.m_hWnd, &p);
    what = "column item " + std::to_string(item) + (box ? " box" : " text");
    return p;
}

// In a cell of either grid: its centre, its left end (a check box) or its right end (a
// drop-down button); rows past the end land below the last row.
POINT MonkeyHands::OnGridCell(const CSELECTSQLDlg& builder, std::string& what) {
    const bool where = random.Percent(50);
    const CXListCtrl& grid = where ? static_cast<const CXListCtrl&>(builder.whereGrid)
                                   : static_cast<const CXListCtrl&>(builder.orderByGrid);
    const int row = random.Below(grid.GetItemCount() + 1);
    const int column = random.Below(grid.GetColumnCount());
    CRect cell;
    what = std::string(where ? "where" : "order by") + " cell " + std::to_string(row) + "," +
           std::to_string(column);
    if (!grid.GetCellRect(row, column, LVIR_BOUNDS, cell)) {
        return InWindow(grid.m_hWnd);
    }
    const int spot = random.Below(3);
    const int h = cell.bottom - cell.top;
    POINT p{spot == 0   ? (cell.left + cell.right) / 2
            : spot == 1 ? cell.left + 9 + h / 2
                        : cell.right - h / 2 - 1,
            (cell.top + cell.bottom) / 2};
    ClientToScreen(grid.m_hWnd, &p);
    return p;
}

} // namespace monkey
