#pragma once
// The "Edit" class: single-line (scrolling sideways with ES_AUTOHSCROLL) or multi-line with
// word wrap; read-only edits still select and copy. Caret on the window clock, selection by
// mouse and Shift keys, clipboard keys (Ctrl+A, C, X, V, Z, Shift+Delete, Ctrl+Insert,
// Shift+Insert), one-step undo that a second undo redoes, EN_ notifications to the parent. A
// selection becomes the primary selection, which a middle click pastes.
#include "platform/ctl/EditBuffer.h"
#include "platform/ctl/EditView.h"
#include "platform/win/Backend.h"

#include <string>

namespace ctl {

class EditControl {
  public:
    static constexpr const char* ClassName = "Edit";
    static constexpr UINT_PTR CaretTimer = 0xE0C1;
    static constexpr UINT CaretBlink = 530;
    static ATOM Register();

    explicit EditControl(HWND window) : hwnd(window), view(hwnd) {}
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    bool Multiline() const;
    bool Editable() const;

    LRESULT Create(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Frame(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Window(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT PaintMessage();
    LRESULT Blink();
    LRESULT SetFont(HFONT font, bool redraw);
    LRESULT EditMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT ViewMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT GetSelection(DWORD* start, DWORD* end) const;
    LRESULT SetSelection(int from, int to);
    LRESULT ReplaceSelection(const std::string& text, bool undoable);
    LRESULT SetReadOnly(bool readOnly);
    LRESULT TextMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT GetText(char* out, std::size_t size) const;
    LRESULT Mouse(UINT msg, WPARAM wParam, LPARAM lParam);
    bool TakeFocus();
    void Press(POINT p, bool extend);
    void PastePrimary(POINT p);
    void KeyDown(WPARAM key);
    bool Navigate(WPARAM key);
    void VerticalKey(int direction, bool shift);
    void PageKey(int direction, bool shift);
    void EditKey(WPARAM key);
    void Char(unsigned char c);
    bool Utf8Byte(unsigned char c);
    void ControlChar(unsigned char c);
    void Focus(bool gained);
    void Wheel(int delta);

    void MoveTo(std::size_t pos, bool extend);
    void MoveLines(long delta, bool extend);
    void Type(const std::string& bytes, bool typing = true);
    void Copy();
    void Cut();
    void Paste(win::Selection which);
    void Insert(std::string text);
    bool Undo();
    bool Change(bool (*op)(EditBuffer&, const std::string&), const std::string& arg);
    void Changed();
    void Moved();
    bool ShowSelection() const;
    bool ShowCaret() const;
    // Repaints what changed; RepaintAll when colours or geometry did.
    void Repaint();
    void RepaintAll();
    void Paint(HDC dc);

    HWND hwnd;
    EditBuffer buffer;
    EditView view;
    std::string pending; // the first bytes of a character typed byte by byte
    bool caretOn = false;
    bool dragging = false;
    bool modified = false;
    int desiredX = -1;
    int wheelRest = 0;
};

} // namespace ctl
