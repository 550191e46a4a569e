#pragma once
// The "Edit" class: single-line (scrolling sideways with ES_AUTOHSCROLL) or multi-line with
// word wrap; read-only edits still select and copy. Caret on the window clock, selection by
// mouse and Shift keys, clipboard keys, one-step undo, EN_ notifications to the parent.
#include "platform/ctl/EditBuffer.h"
#include "platform/ctl/EditView.h"

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

    LRESULT Frame(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Window(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT EditMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Mouse(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT TextMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void KeyDown(WPARAM key);
    void Char(unsigned char c);
    void Focus(bool gained);
    void Wheel(int delta);

    void MoveTo(std::size_t pos, bool extend);
    void MoveLines(long delta, bool extend);
    void Type(const std::string& bytes, bool typing = true);
    void Copy();
    void Cut();
    void Paste();
    bool Change(bool (*op)(EditBuffer&, const std::string&), const std::string& arg);
    void Changed();
    void Moved();
    void Repaint();
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
