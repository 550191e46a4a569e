#include "controls/XListDropDown.h"

#include "controls/CXComboList.h"
#include "controls/CXListCtrl.h"
#include "controls/XListMessages.h"
#include "platform/afx/CDC.h"

#include <algorithm>
#include <memory>

namespace {

// One flag for every grid: a release that starts while another runs does nothing.
bool releaseRunning = false;

class ReleaseGuard {
  public:
    ReleaseGuard() : entered(!releaseRunning) { releaseRunning = true; }
    ~ReleaseGuard() {
        if (entered) {
            releaseRunning = false;
        }
    }
    ReleaseGuard(const ReleaseGuard&) = delete;
    ReleaseGuard& operator=(const ReleaseGuard&) = delete;
    bool Entered() const { return entered; }

  private:
    bool entered;
};

} // namespace

XListDropDown::State XListDropDown::GetState() const {
    if (grid.dropDown) {
        return deferred;
    }
    return grid.dropDownPending ? State::Pressed : State::Idle;
}

void XListDropDown::Press(int row, int column) {
    Close();
    XListCellData* cell = grid.GetCellData(row, column);
    if (!cell) {
        return;
    }
    cell->dropDownPressed = TRUE;
    grid.dropDownPending = true;
    grid.dropDownItem = row;
    grid.dropDownColumn = column;
    grid.UpdateCell(row, column);
    grid.SetTimer(PressWatchTimer, PressWatchPeriod);
}

void XListDropDown::ReleasePress() {
    const ReleaseGuard guard;
    if (!guard.Entered()) {
        return;
    }
    if (grid.dropDownPending) {
        if (XListCellData* cell = grid.GetCellData(grid.dropDownItem, grid.dropDownColumn)) {
            cell->dropDownPressed = FALSE;
            grid.UpdateCell(grid.dropDownItem, grid.dropDownColumn);
        }
    }
    grid.dropDownPending = false;
}

void XListDropDown::Open(CDC& dc, const CRect& cell, int row, int column) {
    const XListCellData* data = grid.GetCellData(row, column);
    if (grid.dropDown || !data) {
        return;
    }
    grid.dropDown = std::make_unique<CXComboList>(&grid);
    deferred = State::Open;
    grid.dropDownItem = row;
    grid.dropDownColumn = column;

    const int height = cell.Height();
    CRect list(cell.left + 1, cell.bottom, cell.right - 3,
               cell.bottom + (height - 1) * data->dropDownRows);
    grid.ClientToScreen(&list);
    grid.dropDownListRect = list;

    // A class that cannot be registered leaves the drop-down without a window, like a failed
    // creation: the timers and the next cancel or press find nothing to do but delete it.
    if (!CXComboList::RegisterWindowClass() ||
        !grid.dropDown->CreateEx(0, CXComboList::ClassName, "", WS_POPUP | WS_VISIBLE | WS_BORDER,
                                 list, &grid, 0)) {
        return;
    }
    grid.dropDownInitialText.clear();

    if (!grid.fontCreated) {
        LOGFONTA description{};
        CFont* current = dc.GetCurrentFont();
        if (current && current->GetLogFont(&description)) {
            grid.fontCreated = grid.dropDownFont.CreateFontIndirect(&description) != FALSE;
        }
    }
    if (grid.fontCreated) {
        grid.dropDown->listBox.SetFont(&grid.dropDownFont, FALSE);
    }
    FillList(data, row, column);
    if (grid.dropDown) {
        grid.dropDown->LayoutStep(CXComboList::ScrollBarWidth);
    }
}

void XListDropDown::FillList(const XListCellData* cell, int row, int column) {
    CNewListBox& list = grid.dropDown->listBox;
    if (cell->choices) {
        for (const std::string& choice : *cell->choices) {
            if (!choice.empty()) {
                list.AddString(choice.c_str());
            }
        }
    }
    const std::string text = grid.GetItemText(row, column);
    int entry = 0;
    if (text.empty()) {
        std::string first;
        list.GetText(0, first);
        if (list.GetCount() > 0) {
            grid.SetItemText(row, column, first);
        }
    } else {
        entry = std::max(0, list.FindStringExact(-1, text.c_str()));
    }
    // Writing the cell repaints the grid; the drop-down is still the one made above.
    if (!grid.dropDown) {
        return;
    }
    list.SetCurSel(entry);
    list.GetText(entry, grid.dropDownInitialText);
}

void XListDropDown::Cancel() {
    if (!grid.dropDown) {
        return;
    }
    grid.KillTimer(PressWatchTimer);
    // A key's follow-up still due would overwrite the text restored here.
    grid.KillTimer(FollowTimer);
    Defer(CloseTimer, State::Cancelling);
    grid.SetItemText(grid.dropDownItem, grid.dropDownColumn, grid.dropDownInitialText);
}

bool XListDropDown::OnComboMessage(UINT message) {
    const XListMessages& messages = GetXListMessages();
    if (message == messages.comboEscape) {
        Cancel();
    } else if (message == messages.comboReturn || message == messages.comboLButtonUp) {
        if (grid.dropDown) {
            grid.KillTimer(PressWatchTimer);
            Defer(CommitTimer, State::Committing);
        }
    } else if (message == messages.comboKeyDown) {
        if (grid.dropDown) {
            Defer(FollowTimer, State::Following);
        }
    } else {
        return false;
    }
    return true;
}

void XListDropDown::Defer(UINT_PTR timer, State next) {
    grid.SetTimer(timer, DeferDelay);
    // The first close that was asked for is the one that fires first.
    if (deferred == State::Open || deferred == State::Following) {
        deferred = next;
    }
}

bool XListDropDown::OnTimer(UINT_PTR id) {
    switch (id) {
    case PressWatchTimer:
        if (grid.dropDownPending) {
            POINT cursor{};
            ::GetCursorPos(&cursor);
            grid.ScreenToClient(&cursor);
            if (!grid.dropDownButtonRect.PtInRect(cursor)) {
                ReleasePress();
            }
        } else if (grid.dropDown) {
            grid.dropDown->LayoutStep(CXComboList::ScrollBarWidth);
        } else {
            grid.KillTimer(PressWatchTimer);
        }
        return true;
    case CloseTimer:
        grid.KillTimer(CloseTimer);
        Close();
        return true;
    case CommitTimer:
        grid.KillTimer(CommitTimer);
        Commit();
        return true;
    case FollowTimer:
        grid.KillTimer(FollowTimer);
        Follow();
        return true;
    default:
        return false;
    }
}

bool XListDropDown::SelectedText(std::string& text) const {
    if (!grid.dropDown || !grid.dropDown->listBox.IsWindow()) {
        return false;
    }
    const int selection = grid.dropDown->listBox.GetCurSel();
    if (selection < 0) {
        return false;
    }
    grid.dropDown->listBox.GetText(selection, text);
    return true;
}

void XListDropDown::Commit() {
    if (!grid.dropDown) {
        return;
    }
    std::string text;
    const int row = grid.dropDownItem;
    const int column = grid.dropDownColumn;
    if (SelectedText(text) && grid.IsValidCell(row, column)) {
        grid.SetItemText(row, column, text);
        grid.NotifyParent(GetXListMessages().comboSelection, row, column);
    }
    Close();
}

void XListDropDown::Follow() {
    if (deferred == State::Following) {
        deferred = State::Open;
    }
    std::string text;
    if (SelectedText(text) && grid.IsValidCell(grid.dropDownItem, grid.dropDownColumn)) {
        grid.SetItemText(grid.dropDownItem, grid.dropDownColumn, text);
    }
}

void XListDropDown::Close() {
    std::unique_ptr<CXComboList> closing = std::move(grid.dropDown);
    deferred = State::Open;
    if (closing) {
        closing->DestroyWindow();
    }
}
