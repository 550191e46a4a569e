#pragma once
// A report view inside the recording popup. What the list tells its parent is logged:
// "changed:<row>:<new>:<old>:<what>", "click:<row>:<sub>", "dblclk:<row>:<sub>", "key:<vk>",
// "begin:<row>", "end:<row>:<text or (null)>", and with drawLog "cd:<stage>:<row>:<sub>".
#include "tests/platform/CtlFixture.h"

#include "platform/base/CommCtrl.h"

namespace wintest {

class ListViewFixture : public CtlFixture {
  protected:
    void SetUp() override;

    // A list at (10, 10) of w x h with four columns "A".."D", 60 wide, and rows "r0".. .
    HWND MakeList(int rowCount, DWORD style = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                  int w = 300, int h = 200);
    HWND HeaderOf(HWND list) const;
    RECT SubItemRect(int row, int column) const;
    RECT ItemRect(int row, int code = LVIR_BOUNDS) const;
    // LVM_INSERTITEMA of a row with this text; its answer.
    LRESULT InsertRow(int row, const char* text);
    // LVM_SETITEMTEXTA of one cell; its answer.
    LRESULT SetCellText(int row, int column, const char* text);
    void ClickCell(int row, int column);
    UINT State(int row) const;
    std::vector<std::string> Notes();
    void Repaint();

    HWND list = nullptr;
    std::vector<std::string> notes;
    bool drawLog = false;
    LRESULT prepaintAnswer = CDRF_DODEFAULT;
    LRESULT itemAnswer = CDRF_DODEFAULT;
    LRESULT subItemAnswer = CDRF_DODEFAULT;
    LRESULT beginAnswer = 0;
    LRESULT endAnswer = 1;
    HFONT drawFont = nullptr;
};

} // namespace wintest
