#pragma once
// The "ComboBox" control as a drop-down list (CBS_DROPDOWNLIST, optionally CBS_SORT and
// WS_VSCROLL): a field showing the selected entry with a drop-down button, and a "ComboLBox"
// popup holding the entries. The height given at creation is field plus list; the window
// itself is as high as the field, which the font decides.
#include "platform/base/WinControls.h"
#include "platform/ctl/ControlMap.h"

namespace ctl {

class ComboBoxControl {
  public:
    static constexpr const char* ClassName = "ComboBox";
    static ATOM Register();

    explicit ComboBoxControl(HWND hwnd);
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    // WM_COMMAND to the parent; false when that destroyed the combo box.
    bool Tell(UINT code) const;
    LRESULT WindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT ListNote(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Keys(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT ComboMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT ToList(UINT msg, WPARAM wParam, LPARAM lParam) const;
    LRESULT ChangeEntries(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT SetSelection(int index);
    LRESULT GetText(WPARAM size, LPARAM buffer) const;
    LRESULT SetText(LPARAM text);
    LRESULT Info(LPARAM info) const;
    LRESULT DroppedRect(LPARAM rect) const;
    LRESULT Colour(UINT msg, WPARAM wParam, LPARAM lParam);

    bool Create();
    void FontChanged(bool redrawNow);
    int MeasureField() const;
    void AdjustSize(WINDOWPOS* pos);

    int CurSel() const;
    std::string SelectedText() const;
    int ItemHeight() const;
    int Rows() const;
    RECT ListRect() const;
    RECT ButtonRect() const;
    RECT TextRect() const;

    void Paint(HDC dc);
    void PaintButton(HDC dc) const;
    void PaintText(HDC dc, HBRUSH back) const;

    void Drop();
    void Close(bool pick);
    void Press();
    void Key(UINT vk);
    void SysKey(UINT vk, LPARAM lParam);
    void Move(int next);
    void TypeAhead(char c);
    void Focus(bool on);
    void Wheel(int delta);
    void Enable(bool on);

    HWND hwnd;
    DWORD style;
    HWND list = nullptr;
    HFONT font = nullptr;
    int fieldHeight = 0;
    int totalHeight;
    bool dropped = false;
    int committed = -1; // the selection while dropped; hovering moves only the list's
    bool focused = false;
};

} // namespace ctl

// The combo box's parts and its list window; FALSE for anything but a combo box.
BOOL GetComboBoxInfo(HWND combo, COMBOBOXINFO* info);
