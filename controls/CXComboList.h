#pragma once
// The grid's drop-down: a bordered popup below a drop-down cell holding the list of the cell's
// choices and its own 11-pixel scroll bar. It never changes the cell: every event goes to the
// owner grid as a registered message, and the grid acts on it later from its own timers.
#include "controls/CNewListBox.h"
#include "platform/afx/CScrollBar.h"

class CXComboList : public CWnd, private CNewListBox::Owner {
  public:
    static constexpr const char* ClassName = "QVSQLAdvComboBoxCtrl";
    static constexpr int ScrollBarWidth = 11;
    static constexpr UINT HoverTimer = 1;
    static constexpr UINT HoverPeriod = 80;
    static constexpr int CancelAfterFocusLosses = 3;

    // grid: the window that receives the drop-down's messages.
    explicit CXComboList(CWnd* grid) : owner(grid) { listBox.ReportTo(this); }

    // Looks the window class up for this module and registers it when missing.
    static bool RegisterWindowClass();

    // Sizes the window to whole entries and sets up the scroll bar, the first time only;
    // every run gives the list the keyboard focus.
    void LayoutStep(int scrollBarWidth);

    // A key-down that reached the list. Skipped when the message loop already ran the key
    // logic for it while pre-translating, so each key moves the selection once.
    void KeyFromList(UINT key) override;
    // A press in the list: reported as a click, the hovered entry stands.
    void ReportPress() override;

    BOOL PreTranslateMessage(MSG* msg) override;

    CNewListBox listBox;
    CScrollBar scrollBar;
    CWnd* owner;
    int killFocusCount = 0;
    bool firstLayout = true;

  protected:
    int OnCreate(CREATESTRUCTA* create);
    void OnDestroy();
    void OnTimer(UINT_PTR id);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnKillFocus(CWnd* next);
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);

  private:
    void KeyLogic(UINT key);
    // The key's new scroll position, or false when the key moves nothing.
    bool NewPosition(UINT key, const SCROLLINFO& info, int& position) const;
    void SetClampedPosition(int position, const SCROLLINFO& info);
    SCROLLINFO ReadScrollInfo();
    void HoverSelect();
    void SendToOwner(UINT message) const;
    bool IsOwnWindow(HWND hwnd) const;

    // The key the message loop handed to KeyLogic and the list has yet to see.
    HWND pretranslatedKeyWindow = nullptr;
    WPARAM pretranslatedKey = 0;

    DECLARE_MESSAGE_MAP()
};
