#include "controls/CButtonST.h"

#include "controls/CQvMemDC.h"
#include "platform/afx/CClientDC.h"
#include "platform/afx/CWinApp.h"
#include "platform/win/Resources.h"

#include <initializer_list>

namespace {

constexpr int CaptionIndent = 12;
constexpr int IconGap = 3;
constexpr int FocusInset = 3;

// The icon from whichever module holds its group, at the image's own size; null if none.
HICON LoadIconById(int id) {
    LPCSTR name = MAKEINTRESOURCEA(static_cast<WORD>(id));
    HMODULE module = win::Resources::Get().ModuleHolding(static_cast<WORD>(id), RT_GROUP_ICON,
                                                         AfxGetResourceHandle());
    return static_cast<HICON>(::LoadImageA(module, name, IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
}

void Polyline(CDC* dc, std::initializer_list<POINT> points) {
    auto p = points.begin();
    dc->MoveTo(*p);
    for (++p; p != points.end(); ++p) {
        dc->LineTo(*p);
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CButtonST, CButton)
ON_WM_MOUSEMOVE()
ON_WM_KILLFOCUS()
ON_WM_CAPTURECHANGED()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CButtonST::CButtonST() {
    SetDefaultInactiveBackColor(FALSE);
    SetDefaultInactiveTextColor(FALSE);
    SetDefaultActiveBackColor(FALSE);
    SetDefaultActiveTextColor(FALSE);
}

CButtonST::~CButtonST() {
    if (backgroundSurface.m_hDC && previousBackgroundBitmap) {
        ::SelectObject(backgroundSurface.m_hDC, previousBackgroundBitmap);
    }
    if (normalIcon != hoverIcon) {
        ::DestroyIcon(normalIcon);
    }
    ::DestroyIcon(hoverIcon);
}

void CButtonST::SetDefaultInactiveBackColor(BOOL repaint) {
    inactiveBackColor = ::GetSysColor(COLOR_BTNFACE);
    if (repaint) {
        Repaint();
    }
}

void CButtonST::SetDefaultInactiveTextColor(BOOL repaint) {
    inactiveTextColor = ::GetSysColor(COLOR_BTNTEXT);
    if (repaint) {
        Repaint();
    }
}

void CButtonST::SetDefaultActiveBackColor(BOOL repaint) {
    activeBackColor = ::GetSysColor(COLOR_BTNFACE);
    if (repaint) {
        Repaint();
    }
}

void CButtonST::SetDefaultActiveTextColor(BOOL repaint) {
    activeTextColor = ::GetSysColor(COLOR_BTNTEXT);
    if (repaint) {
        Repaint();
    }
}

void CButtonST::SetIcon(int hoverIconId, int normalIconId) {
    if (normalIcon != hoverIcon) {
        ::DestroyIcon(normalIcon);
    }
    ::DestroyIcon(hoverIcon);
    hoverIcon = LoadIconById(hoverIconId);
    normalIcon = normalIconId != 0 ? LoadIconById(normalIconId) : hoverIcon;
    ICONINFO info{};
    ::GetIconInfo(hoverIcon, &info);
    iconWidth = static_cast<BYTE>(info.xHotspot * 2);
    iconHeight = static_cast<BYTE>(info.yHotspot * 2);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    if (IsWindow()) {
        RedrawWindow();
    }
}

CButtonST::HoverState CButtonST::GetHoverState() const {
    if (hover) {
        return HoverState::Hovering;
    }
    return m_hWnd && ::GetCapture() == m_hWnd ? HoverState::HeldOff : HoverState::Outside;
}

CButtonST::Look CButtonST::GetLook() const {
    if (!IsWindowEnabled()) {
        return Look::Disabled;
    }
    if (GetState() & BST_PUSHED) {
        return Look::Pressed;
    }
    return hover ? Look::Hover : Look::Normal;
}

void CButtonST::PreSubclassWindow() {
    const UINT style = GetButtonStyle();
    if (style & BS_DEFPUSHBUTTON) {
        isDefault = TRUE;
    }
    SetButtonStyle(style | BS_OWNERDRAW, TRUE);
    CButton::PreSubclassWindow();
}

// The tooltip is made on the first message but never given a tool, so it never shows.
BOOL CButtonST::PreTranslateMessage(MSG* msg) {
    if (!toolTip.m_hWnd) {
        toolTip.Create(this);
        toolTip.Activate(FALSE);
    }
    toolTip.RelayEvent(msg);
    return CButton::PreTranslateMessage(msg);
}

// The second press of a double click is a press, so a double click makes two clicks.
LRESULT CButtonST::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_LBUTTONDBLCLK) {
        msg = WM_LBUTTONDOWN;
    }
    return CButton::DefWindowProc(msg, wParam, lParam);
}

void CButtonST::OnMouseMove(UINT flags, CPoint point) {
    CButton::OnMouseMove(flags, point);
    if (((flags & MK_LBUTTON) && !hover) || !flat) {
        return;
    }
    if (::GetCapture() != m_hWnd && ::GetActiveWindow() && GetOwner()) {
        hover = TRUE;
        SetCapture();
        Repaint();
        return;
    }
    CPoint screen = point;
    ClientToScreen(&screen);
    if (::WindowFromPoint(screen) == m_hWnd) {
        return;
    }
    if (hover) {
        hover = FALSE;
        Repaint();
    }
    if (!(flags & MK_LBUTTON)) {
        ::ReleaseCapture();
    }
}

void CButtonST::OnKillFocus(CWnd* next) {
    CButton::OnKillFocus(next);
    if (flat && hover) {
        hover = FALSE;
        Repaint();
    }
}

void CButtonST::OnCaptureChanged(CWnd* gaining) {
    if (hover) {
        ::ReleaseCapture();
        Repaint();
    }
    CButton::OnCaptureChanged(gaining);
}

BOOL CButtonST::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (cursor) {
        ::SetCursor(cursor);
        return TRUE;
    }
    return CButton::OnSetCursor(wnd, hitTest, message);
}

void CButtonST::DrawItem(DRAWITEMSTRUCT* item) {
    if (!item || !item->hDC) {
        return;
    }
    CQvMemDC dc(CDC::FromHandle(item->hDC));
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    const bool focused = (item->itemState & ODS_FOCUS) != 0;
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;
    CRect rect(item->rcItem);
    if (!flat && (focused || isDefault)) {
        CBrush black(RGB(0, 0, 0));
        dc.FrameRect(&rect, &black);
        rect.DeflateRect(1, 1);
    }
    if (drawTransparent) {
        PaintParentBackground(&dc);
    } else {
        dc.FillSolidRect(&rect, IsActive(pressed) ? activeBackColor : inactiveBackColor);
    }
    DrawBorder(&dc, rect, pressed);
    CRect caption(item->rcItem);
    const std::string text = showText ? GetWindowText() : std::string();
    if (hoverIcon) {
        DrawButtonIcon(&dc, !text.empty(), CRect(item->rcItem), &caption, pressed, disabled);
    }
    if (!text.empty()) {
        DrawCaption(&dc, text, caption, pressed, disabled);
    }
    if (drawFocusRect && focused) {
        CRect focus = rect;
        focus.DeflateRect(FocusInset, FocusInset);
        dc.DrawFocusRect(&focus);
    }
}

void CButtonST::DrawBorder(CDC* dc, const CRect& rect, bool pressed) {
    const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    CPen highlight(PS_SOLID, 0, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen shadow(PS_SOLID, 0, ::GetSysColor(COLOR_BTNSHADOW));
    CPen light(PS_SOLID, 0, ::GetSysColor(COLOR_3DLIGHT));
    CPen dark(PS_SOLID, 0, ::GetSysColor(COLOR_3DDKSHADOW));
    HGDIOBJ oldPen = ::GetCurrentObject(dc->m_hDC, OBJ_PEN);
    if (pressed && flat && drawBorder) {
        dc->SelectObject(&shadow);
        Polyline(dc, {{l, b - 1}, {l, t}, {r, t}});
        dc->SelectObject(&highlight);
        Polyline(dc, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t - 1}});
    } else if (pressed && !flat) {
        CBrush frame(::GetSysColor(COLOR_BTNSHADOW));
        dc->FrameRect(&rect, &frame);
    } else if (!pressed && flat && hover && drawBorder) {
        dc->SelectObject(&highlight);
        Polyline(dc, {{l, b - 1}, {l, t}, {r, t}});
        dc->SelectObject(&shadow);
        Polyline(dc, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t - 1}});
    } else if (!pressed && !flat) {
        dc->SelectObject(&highlight);
        Polyline(dc, {{l, b - 1}, {l, t}, {r, t}});
        dc->SelectObject(&light);
        Polyline(dc, {{l + 1, b - 1}, {l + 1, t + 1}, {r, t + 1}});
        dc->SelectObject(&dark);
        Polyline(dc, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t - 1}});
        dc->SelectObject(&shadow);
        Polyline(dc, {{l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t}});
    }
    ::SelectObject(dc->m_hDC, oldPen);
}

void CButtonST::DrawCaption(CDC* dc, const std::string& text, CRect caption, bool pressed,
                            bool disabled) {
    if (pressed) {
        caption.OffsetRect(1, 1);
    }
    CFont* font = GetFont();
    HGDIOBJ oldFont = font ? ::SelectObject(dc->m_hDC, font->m_hObject) : nullptr;
    const bool active = IsActive(pressed);
    dc->SetTextColor(active ? activeTextColor : inactiveTextColor);
    dc->SetBkColor(active ? activeBackColor : inactiveBackColor);
    const CRect centring = caption;
    dc->DrawText(text, &caption, DT_SINGLELINE | DT_CALCRECT);
    const int dx = leftAlignCaption ? CaptionIndent : (centring.Width() - caption.Width()) / 2;
    caption.OffsetRect(dx, (centring.Height() - caption.Height()) / 2);
    dc->SetBkMode(TRANSPARENT);
    dc->DrawState(caption.TopLeft(), caption.Size(), text, disabled ? DSS_DISABLED : DSS_NORMAL);
    if (oldFont) {
        ::SelectObject(dc->m_hDC, oldFont);
    }
}

// Offsets may go negative for a button smaller than its icon: the icon is then centred over
// the button's edges and cut by them.
void CButtonST::DrawButtonIcon(CDC* dc, bool hasCaption, CRect i, CRect* caption, bool pressed,
                               bool disabled) {
    if (iconAlign == 0) {
        if (hasCaption) {
            i.left += IconGap;
            caption->left += iconWidth + IconGap;
        } else {
            i.left += (i.Width() - iconWidth) / 2;
        }
        i.top += (i.Height() - iconHeight) / 2;
    } else if (iconAlign == 1) {
        i.left += (i.Width() - iconWidth) / 2;
        if (hasCaption) {
            caption->top += iconHeight;
        } else {
            i.top += (i.Height() - iconHeight) / 2;
        }
    }
    if (pressed) {
        i.OffsetRect(1, 1);
    }
    HICON icon = IsActive(pressed) ? hoverIcon : normalIcon;
    dc->DrawState(i.TopLeft(), i.Size(), icon, disabled ? DSS_DISABLED : DSS_NORMAL);
}

void CButtonST::PaintParentBackground(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    CWnd* parent = GetParent();
    if (!backgroundSurface.m_hDC && parent) {
        CRect window;
        GetWindowRect(&window);
        parent->ScreenToClient(&window);
        CClientDC parentDC(parent);
        backgroundSurface.CreateCompatibleDC(&parentDC);
        backgroundBitmap.CreateCompatibleBitmap(&parentDC, client.Width(), client.Height());
        previousBackgroundBitmap =
            ::SelectObject(backgroundSurface.m_hDC, backgroundBitmap.m_hObject);
        backgroundSurface.BitBlt(0, 0, client.Width(), client.Height(), &parentDC, window.left,
                                 window.top, SRCCOPY);
    }
    if (backgroundSurface.m_hDC) {
        dc->BitBlt(0, 0, client.Width(), client.Height(), &backgroundSurface, 0, 0, SRCCOPY);
    }
}
