#include "controls/XListDropDown.h"

#include "controls/CXComboList.h"
#include "controls/XListMessages.h"
#include "platform/afx/CWnd.h"

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
    if (edit.dropDown) {
        return deferred;
    }
    return edit.pending ? State::Pressed : State::Idle;
}

void XListDropDown::Press(int row, int column) {
    Close();
    XListCellData* cell = grid.Cell(row, column);
    if (!cell) {
        return;
    }
    cell->dropDownPressed = TRUE;
    edit.pending = true;
    edit.item = row;
    edit.column = column;
    grid.RepaintCell(row, column);
    grid.Window().SetTimer(PressWatchTimer, PressWatchPeriod);
}

void XListDropDown::ReleasePress() {
    const ReleaseGuard guard;
    if (!guard.Entered()) {
        return;
    }
    if (edit.pending) {
        if (XListCellData* cell = grid.Cell(edit.item, edit.column)) {
            cell->dropDownPressed = FALSE;
            grid.RepaintCell(edit.item, edit.column);
        }
    }
    edit.pending = false;
}

void XListDropDown::Open(const LOGFONTA* font, const CRect& cell, int row, int column) {
    const XListCellData* data = grid.Cell(row, column);
    if (edit.dropDown || !data) {
        return;
    }
    CWnd& window = grid.Window();
    edit.dropDown = std::make_unique<CXComboList>(&window);
    deferred = State::Open;
    edit.item = row;
    edit.column = column;

    const int height = cell.Height();
    CRect list(cell.left + 1, cell.bottom, cell.right - 3,
               cell.bottom + (height - 1) * data->dropDownRows);
    window.ClientToScreen(&list);
    edit.listRect = list;

    // A class that cannot be registered leaves the drop-down without a window, like a failed
    // creation: the timers and the next cancel or press find nothing to do but delete it.
    if (!CXComboList::RegisterWindowClass() ||
        !edit.dropDown->CreateEx(0, CXComboList::ClassName, "", WS_POPUP | WS_VISIBLE | WS_BORDER,
                                 list, &window, 0)) {
        return;
    }
    edit.initialText.clear();
    UseFont(font);
    FillList(data, row, column);
    if (edit.dropDown) {
        edit.dropDown->LayoutStep(CXComboList::ScrollBarWidth);
    }
}

// The font the cell was drawn with, copied once per grid, goes to every drop-down's list.
void XListDropDown::UseFont(const LOGFONTA* font) {
    if (!edit.fontCreated && font) {
        edit.fontCreated = edit.font.CreateFontIndirect(font) != FALSE;
    }
    if (edit.fontCreated) {
        edit.dropDown->listBox.SetFont(&edit.font, FALSE);
    }
}

void XListDropDown::FillList(const XListCellData* cell, int row, int column) {
    CNewListBox& list = edit.dropDown->listBox;
    if (cell->choices) {
        for (const std::string& choice : *cell->choices) {
            if (!choice.empty()) {
                list.AddString(choice.c_str());
            }
        }
    }
    const std::string text = grid.CellText(row, column);
    int entry = 0;
    if (text.empty()) {
        std::string first;
        list.GetText(0, first);
        if (list.GetCount() > 0) {
            grid.SetCellText(row, column, first);
        }
    } else {
        entry = std::max(0, list.FindStringExact(-1, text.c_str()));
    }
    // Writing the cell repaints the grid; the drop-down is still the one made above.
    if (!edit.dropDown) {
        return;
    }
    list.SetCurSel(entry);
    list.GetText(entry, edit.initialText);
}

void XListDropDown::Cancel() {
    if (!edit.dropDown) {
        return;
    }
    grid.Window().KillTimer(PressWatchTimer);
    // A key's follow-up still due would overwrite the text restored here.
    grid.Window().KillTimer(FollowTimer);
    Defer(CloseTimer, State::Cancelling);
    grid.SetCellText(edit.item, edit.column, edit.initialText);
}

void XListDropDown::EndWithWindow() {
    Close();
    edit.pending = false;
}

void XListDropDown::RowsRemoved(int row) {
    if (edit.item >= row) {
        ReleasePress(); // while the pressed cell still stands at its index
        Close();
    }
}

bool XListDropDown::OnComboMessage(UINT message) {
    const XListMessages& messages = GetXListMessages();
    if (message == messages.comboEscape) {
        Cancel();
    } else if (message == messages.comboReturn || message == messages.comboLButtonUp) {
        if (edit.dropDown) {
            grid.Window().KillTimer(PressWatchTimer);
            Defer(CommitTimer, State::Committing);
        }
    } else if (message == messages.comboKeyDown) {
        if (edit.dropDown) {
            Defer(FollowTimer, State::Following);
        }
    } else {
        return false;
    }
    return true;
}

void XListDropDown::Defer(UINT_PTR timer, State next) {
    grid.Window().SetTimer(timer, DeferDelay);
    // The first close that was asked for is the one that fires first.
    if (deferred == State::Open || deferred == State::Following) {
        deferred = next;
    }
}

bool XListDropDown::OnTimer(UINT_PTR id) {
    switch (id) {
    case PressWatchTimer:
        if (edit.pending) {
            POINT cursor{};
            ::GetCursorPos(&cursor);
            grid.Window().ScreenToClient(&cursor);
            if (!edit.buttonRect.PtInRect(cursor)) {
                ReleasePress();
            }
        } else if (edit.dropDown) {
            edit.dropDown->LayoutStep(CXComboList::ScrollBarWidth);
        } else {
            grid.Window().KillTimer(PressWatchTimer);
        }
        return true;
    case CloseTimer:
        grid.Window().KillTimer(CloseTimer);
        Close();
        return true;
    case CommitTimer:
        grid.Window().KillTimer(CommitTimer);
        Commit();
        return true;
    case FollowTimer:
        grid.Window().KillTimer(FollowTimer);
        Follow();
        return true;
    default:
        return false;
    }
}

bool XListDropDown::SelectedText(std::string& text) const {
    if (!edit.dropDown || !edit.dropDown->listBox.IsWindow()) {
        return false;
    }
    const int selection = edit.dropDown->listBox.GetCurSel();
    if (selection < 0) {
        return false;
    }
    edit.dropDown->listBox.GetText(selection, text);
    return true;
}

void XListDropDown::Commit() {
    if (!edit.dropDown) {
        return;
    }
    std::string text;
    const int row = edit.item;
    const int column = edit.column;
    if (SelectedText(text) && grid.IsValidCell(row, column)) {
        grid.SetCellText(row, column, text);
        grid.NotifyParent(GetXListMessages().comboSelection, row, column);
    }
    Close();
}

void XListDropDown::Follow() {
    if (deferred == State::Following) {
        deferred = State::Open;
    }
    std::string text;
    if (SelectedText(text) && grid.IsValidCell(edit.item, edit.column)) {
        grid.SetCellText(edit.item, edit.column, text);
    }
}

void XListDropDown::Close() {
    std::unique_ptr<CXComboList> closing = std::move(edit.dropDown);
    deferred = State::Open;
    if (closing) {
        closing->DestroyWindow();
    }
}
