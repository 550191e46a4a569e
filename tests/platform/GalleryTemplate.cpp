#include "tests/platform/GalleryTemplate.h"

#include "platform/gfx/Gdi.h"
#include "tests/platform/ModalTemplate.h"

#include <array>
#include <string>

namespace gallery {

namespace {

constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
constexpr DWORD Tab = Child | WS_TABSTOP;
constexpr int ItemHeight = gallery::CheckBoxSize + 2;

constexpr std::array Columns{"CustomerID", "CompanyName", "ContactName", "ContactTitle",
                             "Address",    "City",        "Region",      "PostalCode",
                             "Country",    "Phone",       "Fax"};
constexpr std::array Tables{"Customers", "Orders",   "Order Details", "Products",
                            "Suppliers", "Shippers", "Employees",     "Categories"};

constexpr const char* PreviewText = "SELECT CustomerID, CompanyName, ContactName, City, Country\r\n"
                                    "FROM Customers\r\n"
                                    "WHERE (Country = 'Germany') AND (City <> 'Berlin')\r\n"
                                    "ORDER BY CompanyName ASC, City DESC";

DialogTemplate Make() {
    const DWORD lists = Tab | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    return wintest::ModalTemplate(
        "Query Builder Gallery", 400, 286,
        {
            {-1, "Static", "&Table:", Child | SS_LEFT, 0, 7, 9, 30, 8},
            {TableCombo, "ComboBox", "", Tab | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, 0, 40, 7,
             120, 90},
            {TableLabel, "Static", "Customers", Child | SS_LEFT | SS_NOPREFIX, 0, 170, 9, 70, 8},
            {-1, "Static", "&Columns:", Child | SS_LEFT, 0, 7, 26, 60, 8},
            {ColumnChecks, "ListBox", "", lists | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_GROUP, 0,
             7, 36, 110, 96},
            {-1, "Static", "T&ables:", Child | SS_LEFT, 0, 125, 26, 60, 8},
            {TableList, "ListBox", "", lists, 0, 125, 36, 100, 96},
            {Scroller, "ScrollBar", "", Child | SBS_VERT, 0, 231, 36, 9, 96},
            {Line, "Static", "", Child | SS_ETCHEDVERT, 0, 250, 7, 1, 125},
            {Distinct, "Button", "&Distinct rows", Tab | BS_AUTOCHECKBOX | WS_GROUP, 0, 260, 7, 130,
             10},
            {Quote, "Button", "&Quote identifiers", Tab | BS_AUTOCHECKBOX, 0, 260, 21, 130, 10},
            {-1, "Static", "&Filter:", Child | SS_LEFT, 0, 260, 40, 60, 8},
            {Filter, "Edit", "Country = 'Germany'", Tab | WS_BORDER | ES_AUTOHSCROLL | WS_GROUP, 0,
             260, 50, 133, 13},
            {-1, "Static", "SQL &preview:", Child | SS_LEFT, 0, 7, 140, 100, 8},
            {Preview, "Edit", "", Tab | WS_BORDER | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0,
             7, 150, 386, 104},
            {Run, "Button", "&Run Query", Tab | WS_DISABLED | WS_GROUP, 0, 7, 265, 60, 14},
            {IDOK, "Button", "OK", Tab | BS_DEFPUSHBUTTON | WS_GROUP, 0, 286, 265, 50, 14},
            {IDCANCEL, "Button", "Cancel", Tab, 0, 343, 265, 50, 14},
        });
}

void Fill(HWND dialog) {
    for (const char* table : Tables) {
        const auto text = reinterpret_cast<LPARAM>(table);
        SendDlgItemMessageA(dialog, TableCombo, CB_ADDSTRING, 0, text);
        SendDlgItemMessageA(dialog, TableList, LB_ADDSTRING, 0, text);
    }
    SendDlgItemMessageA(dialog, TableCombo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>("Customers"));
    SendDlgItemMessageA(dialog, TableList, LB_SETCURSEL, 0, 0);
    for (std::size_t i = 0; i < Columns.size(); ++i) {
        const LRESULT at = SendDlgItemMessageA(dialog, ColumnChecks, LB_ADDSTRING, 0,
                                               reinterpret_cast<LPARAM>(Columns[i]));
        const bool chosen =
            i < 3 || Columns[i] == std::string("City") || Columns[i] == std::string("Country");
        SendDlgItemMessageA(dialog, ColumnChecks, LB_SETITEMDATA, static_cast<WPARAM>(at),
                            chosen ? 1 : 0);
    }
    SendDlgItemMessageA(dialog, ColumnChecks, LB_SETCURSEL, 1, 0);
    SetDlgItemTextA(dialog, Preview, PreviewText);
    CheckDlgButton(dialog, Quote, BST_CHECKED);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = 99;
    info.nPage = 20;
    info.nPos = 30;
    SendDlgItemMessageA(dialog, Scroller, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));
}

void DrawCheckBox(HDC dc, const RECT& item, bool checked) {
    const LONG top = item.top + (item.bottom - item.top - CheckBoxSize) / 2;
    RECT box{item.left + 2, top, item.left + 2 + CheckBoxSize, top + CheckBoxSize};
    FrameRect(dc, &box, GetSysColorBrush(COLOR_WINDOWTEXT));
    InflateRect(&box, -1, -1);
    FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));
    if (!checked) {
        return;
    }
    // A tick of three-pixel strokes: down two steps, then up four.
    for (int c = 0; c < 7; ++c) {
        const int y = c <= 2 ? 4 + c : 8 - c;
        for (int k = 0; k < 3; ++k) {
            SetPixel(dc, box.left + 2 + c, box.top + y + k, GetSysColor(COLOR_WINDOWTEXT));
        }
    }
}

void DrawCheckItem(const DRAWITEMSTRUCT& di) {
    if (di.itemID == static_cast<UINT>(-1)) {
        return;
    }
    const bool selected = (di.itemState & ODS_SELECTED) != 0;
    RECT text = di.rcItem;
    text.left += CheckBoxSize + 6;
    FillRect(di.hDC, &di.rcItem, GetSysColorBrush(COLOR_WINDOW));
    DrawCheckBox(di.hDC, di.rcItem, di.itemData != 0);
    char label[64] = "";
    const LRESULT n = SendMessageA(di.hwndItem, LB_GETTEXTLEN, di.itemID, 0);
    if (n > 0 && n < static_cast<LRESULT>(sizeof(label))) {
        SendMessageA(di.hwndItem, LB_GETTEXT, di.itemID, reinterpret_cast<LPARAM>(label));
    }
    FillRect(di.hDC, &text, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(di.hDC, TRANSPARENT);
    SetTextColor(di.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    text.left += 2;
    DrawTextA(di.hDC, label, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (di.itemState & ODS_FOCUS) {
        DrawFocusRect(di.hDC, &text);
    }
}

INT_PTR Colour(HWND dialog, HDC dc, HWND control) {
    if (control == GetDlgItem(dialog, TableLabel)) {
        SetTextColor(dc, LabelBlue);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    }
    if (control == GetDlgItem(dialog, Preview)) {
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    }
    return FALSE;
}

} // namespace

const DialogTemplate& Template() {
    static const DialogTemplate made = Make();
    return made;
}

INT_PTR Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        Fill(dialog);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return Colour(dialog, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_MEASUREITEM: {
        auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (mi) {
            mi->itemHeight = ItemHeight;
        }
        return TRUE;
    }
    case WM_DRAWITEM:
        if (lParam && wParam == ColumnChecks) {
            DrawCheckItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace gallery
