#pragma once
// The grid's side of editing a drop-down cell: the press, the opening once a pressed cell has
// been drawn, the release of the press, the drop-down's four messages and the grid's timers
// 1 to 4. The fields it works on are the grid's own (dropDownPending, dropDownItem, ...);
// this class holds the logic and names the states they stand for.
#include "controls/XListEditHost.h"
#include "platform/base/WinDef.h"

#include <string>

class XListDropDown {
  public:
    enum class State {
        Idle,       // no drop-down, nothing pressed
        Pressed,    // a drop-down cell is pressed, its drop-down not yet open
        Open,       // the drop-down is open (the press may still be held)
        Following,  // a key moved the selection; the cell takes it over shortly
        Committing, // Enter or a click: the choice goes into the cell shortly, then it closes
        Cancelling, // Escape or lost focus: the cell is restored, the drop-down closes shortly
    };

    // The grid's timers.
    static constexpr UINT_PTR PressWatchTimer = 1;
    static constexpr UINT_PTR CloseTimer = 2;
    static constexpr UINT_PTR CommitTimer = 3;
    static constexpr UINT_PTR FollowTimer = 4;
    static constexpr UINT PressWatchPeriod = 100;
    static constexpr UINT DeferDelay = 50;

    XListDropDown(XListEditHost& owner, const XListEditFields& fields)
        : grid(owner), edit(fields) {}

    State GetState() const;
    // Left button down on a drop-down cell, before the list's own handling.
    void Press(int row, int column);
    // The list's click notification and timer 1: the pressed button is drawn unpressed again.
    void ReleasePress();
    // Once a pressed drop-down cell has been drawn while no drop-down was open; font is the
    // description of the font it was drawn with, null when none.
    void Open(const LOGFONTA* font, const CRect& cell, int row, int column);
    // The escape response: a press elsewhere cancels an open drop-down.
    void Cancel();
    // The grid's window is going: its drop-down goes with it and no press stays pending, so a
    // later window of the same grid starts idle.
    void EndWithWindow();
    // Rows from row on are deleted or move up: an edit of one of them ends without restoring
    // or committing, so its text never lands in the row that takes the index.
    void RowsRemoved(int row);
    // The registered "WM_XCOMBOLIST_*" messages; false for any other message.
    bool OnComboMessage(UINT message);
    // The grid's timers 1 to 4; false for any other timer.
    bool OnTimer(UINT_PTR id);

  private:
    void Defer(UINT_PTR timer, State next);
    void Commit();
    void Follow();
    // Destroys the drop-down window and deletes the object; the grid forgets it first, so
    // nothing the window sends while it goes reaches the responses above.
    void Close();
    // Text of the list's selected entry; false when nothing is selected.
    bool SelectedText(std::string& text) const;
    void UseFont(const LOGFONTA* font);
    void FillList(const XListCellData* cell, int row, int column);

    XListEditHost& grid;
    XListEditFields edit;
    // Committing, cancelling or following while its timer is due; Open otherwise.
    State deferred = State::Open;
};
