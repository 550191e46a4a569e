#pragma once
// A flat push button that paints itself: an icon, an optional caption, a raised 1-pixel border
// while the mouse is over it and a sunken one while it is pressed. While hovered it holds the
// mouse capture, so the next mouse move tells it that the mouse has left.
#include "platform/afx/AfxMessageEntries.h"
#include "platform/afx/CButton.h"
#include "platform/afx/CToolTipCtrl.h"

class CButtonST : public CButton {
  public:
    // Hover tracking as seen from outside.
    enum class HoverState {
        Outside,  // not lit, capture not held by the button
        Hovering, // lit; the button holds the capture, or takes it at the next move over it
        HeldOff,  // pressed and dragged off: not lit, capture kept until the release
    };
    // What the next draw shows.
    enum class Look { Normal, Hover, Pressed, Disabled };

    CButtonST();
    ~CButtonST() override;

    // Icons by resource id; a normal id of 0 uses the hover icon in both states.
    void SetIcon(int hoverIconId, int normalIconId = 0);
    void SetDefaultInactiveBackColor(BOOL repaint = FALSE);
    void SetDefaultInactiveTextColor(BOOL repaint = FALSE);
    void SetDefaultActiveBackColor(BOOL repaint = FALSE);
    void SetDefaultActiveTextColor(BOOL repaint = FALSE);

    HoverState GetHoverState() const;
    Look GetLook() const;
    CSize GetIconSize() const { return CSize(iconWidth, iconHeight); }
    HICON GetHoverIcon() const { return hoverIcon; }
    HICON GetNormalIcon() const { return normalIcon; }
    bool IsDefault() const { return isDefault != FALSE; }
    const CToolTipCtrl& GetToolTip() const { return toolTip; }

    BOOL PreTranslateMessage(MSG* msg) override;
    void DrawItem(DRAWITEMSTRUCT* item) override;

  protected:
    void PreSubclassWindow() override;
    LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnMouseMove(UINT flags, CPoint point);
    void OnKillFocus(CWnd* next);
    void OnCaptureChanged(CWnd* gaining);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);

    DECLARE_MESSAGE_MAP()

  private:
    void DrawBorder(CDC* dc, const CRect& rect, bool pressed);
    void DrawCaption(CDC* dc, const std::string& text, CRect caption, bool pressed, bool disabled);
    void DrawButtonIcon(CDC* dc, bool hasCaption, CRect item, CRect* caption, bool pressed,
                        bool disabled);
    void PaintParentBackground(CDC* dc);
    bool IsActive(bool pressed) const { return hover || pressed; }
    void Repaint() { Invalidate(TRUE); }

    int iconAlign = 0;
    BOOL leftAlignCaption = TRUE;
    BOOL showText = TRUE;
    BOOL drawBorder = TRUE;
    BOOL flat = TRUE;
    BOOL hover = FALSE;
    BOOL drawFocusRect = FALSE;
    HCURSOR cursor = nullptr;
    CToolTipCtrl toolTip;
    HICON hoverIcon = nullptr;
    HICON normalIcon = nullptr;
    BYTE iconHeight = 0;
    BYTE iconWidth = 0;
    CDC backgroundSurface;
    CBitmap backgroundBitmap;
    HGDIOBJ previousBackgroundBitmap = nullptr;
    BOOL drawTransparent = FALSE;
    BOOL isDefault = FALSE;
    COLORREF inactiveBackColor = 0;
    COLORREF inactiveTextColor = 0;
    COLORREF activeBackColor = 0;
    COLORREF activeTextColor = 0;
};
