#include "tests/platform/ListViewFixture.h"

#include "platform/gfx/Gdi.h"

#include <cstdio>

namespace wintest {

namespace {

std::string Hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof(text), "%x", value);
    return text;
}

} // namespace

void ListViewFixture::SetUp() {
    CtlFixture::SetUp();
    On(dialog, WM_NOTIFY, [this](HWND, UINT, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        const auto* hdr = reinterpret_cast<const NMHDR*>(l);
        if (hdr->code == NM_CUSTOMDRAW) {
            const auto* cd = reinterpret_cast<const NMLVCUSTOMDRAW*>(l);
            const DWORD stage = cd->nmcd.dwDrawStage;
            if (drawLog) {
                notes.push_back("cd:" + Hex(stage) + ":" + std::to_string(cd->nmcd.dwItemSpec) +
                                ":" + std::to_string(cd->iSubItem));
            }
            drawFont = static_cast<HFONT>(GetCurrentObject(cd->nmcd.hdc, OBJ_FONT));
            return stage == CDDS_PREPAINT       ? prepaintAnswer
                   : stage == CDDS_ITEMPREPAINT ? itemAnswer
                                                : subItemAnswer;
        }
        const auto* lv = reinterpret_cast<const NMLISTVIEW*>(l);
        const auto* act = reinterpret_cast<const NMITEMACTIVATE*>(l);
        const auto* disp = reinterpret_cast<const NMLVDISPINFOA*>(l);
        switch (hdr->code) {
        case LVN_ITEMCHANGED:
            notes.push_back("changed:" + std::to_string(lv->iItem) + ":" +
                            std::to_string(lv->uNewState) + ":" + std::to_string(lv->uOldState) +
                            ":" + std::to_string(lv->uChanged));
            return 0;
        case NM_CLICK:
        case NM_DBLCLK:
            notes.push_back(std::string(hdr->code == NM_CLICK ? "click:" : "dblclk:") +
                            std::to_string(act->iItem) + ":" + std::to_string(act->iSubItem));
            return 0;
        case LVN_KEYDOWN:
            notes.push_back("key:" +
                            std::to_string(reinterpret_cast<const NMLVKEYDOWN*>(l)->wVKey));
            return 0;
        case LVN_BEGINLABELEDITA:
            notes.push_back("begin:" + std::to_string(disp->item.iItem));
            return beginAnswer;
        case LVN_ENDLABELEDITA:
            notes.push_back("end:" + std::to_string(disp->item.iItem) + ":" +
                            (disp->item.pszText ? disp->item.pszText : "(null)"));
            return endAnswer;
        default:
            return 0;
        }
    });
}

HWND ListViewFixture::MakeList(int rowCount, DWORD style, int w, int h) {
    list = Make(WC_LISTVIEWA, "", style, {10, 10, 10 + w, 10 + h}, 1008);
    const char* titles[] = {"A", "B", "C", "D"};
    for (int c = 0; c < 4; ++c) {
        LVCOLUMNA column{.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT,
                         .cx = 60,
                         .pszText = const_cast<char*>(titles[c])};
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c),
                     reinterpret_cast<LPARAM>(&column));
    }
    for (int r = 0; r < rowCount; ++r) {
        const std::string text = "r" + std::to_string(r);
        InsertRow(r, text.c_str());
        for (int c = 1; c < 4; ++c) {
            SetCellText(r, c, (text + "c" + std::to_string(c)).c_str());
        }
    }
    display->Pump();
    notes.clear();
    return list;
}

LRESULT ListViewFixture::InsertRow(int row, const char* text) {
    LVITEMA item{.mask = LVIF_TEXT, .iItem = row, .pszText = const_cast<char*>(text)};
    return SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

LRESULT ListViewFixture::SetCellText(int row, int column, const char* text) {
    LVITEMA item{.iSubItem = column, .pszText = const_cast<char*>(text)};
    return SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                        reinterpret_cast<LPARAM>(&item));
}

HWND ListViewFixture::HeaderOf(HWND l) const {
    return reinterpret_cast<HWND>(SendMessageA(l, LVM_GETHEADER, 0, 0));
}

RECT ListViewFixture::SubItemRect(int row, int column) const {
    RECT r{LVIR_BOUNDS, column, 0, 0};
    EXPECT_TRUE(SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                             reinterpret_cast<LPARAM>(&r)));
    return r;
}

RECT ListViewFixture::ItemRect(int row, int code) const {
    RECT r{code, 0, 0, 0};
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    return r;
}

void ListViewFixture::ClickCell(int row, int column) {
    RECT r{LVIR_BOUNDS, column, 0, 0};
    SendMessageA(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    if (column == 0) {
        r = ItemRect(row, LVIR_LABEL);
    }
    ClickAt(list, r.left + 5, (r.top + r.bottom) / 2);
}

UINT ListViewFixture::State(int row) const {
    return static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row),
                                          LVIS_SELECTED | LVIS_FOCUSED));
}

std::vector<std::string> ListViewFixture::Notes() {
    display->Pump();
    return std::exchange(notes, {});
}

void ListViewFixture::Repaint() {
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
}

} // namespace wintest
