#pragma once
// The query builder's handlers as they run. Two hooks on its windows: every text the preview
// receives must be what the controls compose at that moment, and every handler that the
// dialog must end with a composition (a switch, "+", "-" with rows, a move that moves, a
// column ticked, a table picked, a WHERE row changed, a drop-down choice, a grid check box,
// OK) must leave the preview and the error text as the controls compose them then.
#include "platform/base/WinDef.h"
#include "tests/monkey/MonkeyOracle.h"

#include <string>

class CSELECTSQLDlg;

namespace monkey {

class MonkeyEvents {
  public:
    MonkeyEvents(const CSELECTSQLDlg& watched, const MonkeyOracle& composer, std::string& failed);
    ~MonkeyEvents();
    MonkeyEvents(const MonkeyEvents&) = delete;
    MonkeyEvents& operator=(const MonkeyEvents&) = delete;

    // A new showing of the dialog is about to begin.
    void Opening();
    // Hooks the dialog's current window once; shown is what its preview shows by then.
    void Hook(const std::string& shown);
    // One event is about to be played, in whichever modal window.
    void NoteStep();
    // Whether the text is a composition of the controls now.
    bool Explains(const std::string& text) const;

    const std::string& LastPreview() const { return lastPreview; }

  private:
    static LRESULT PreviewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT BuilderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    void PreviewSet(const std::string& text);
    bool MustCompose(UINT msg, WPARAM wParam, LPARAM lParam) const;
    bool CommandComposes(int id, UINT code) const;
    bool MoveComposes(int step) const;
    void Handled(const std::string& clause, long stepsBefore);
    void Fail(const std::string& what);

    const CSELECTSQLDlg& dialog;
    const MonkeyOracle& oracle;
    std::string& failure;
    std::string lastPreview;
    // The When Printed clause pending when the event began: a composition that noted it and
    // then failed leaves it to the next one.
    std::string pendingClause;
    // The When Printed clause pending when the running handler began, or when a handler
    // nested in it ended.
    std::string handlerClause;
    long steps = 0;
};

} // namespace monkey
