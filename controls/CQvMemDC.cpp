#include "controls/CQvMemDC.h"

CQvMemDC::CQvMemDC(CDC* dc) : target(dc) {
    if (!target) {
        return;
    }
    buffered = !target->IsPrinting();
    if (!buffered) {
        m_hDC = target->m_hDC;
        m_hAttribDC = target->m_hAttribDC;
        m_bPrinting = target->m_bPrinting;
        return;
    }
    target->GetClipBox(&area);
    CreateCompatibleDC(target);
    offscreenBitmap.CreateCompatibleBitmap(target, area.Width(), area.Height());
    previousBitmap = ::SelectObject(m_hDC, offscreenBitmap.m_hObject);
    SetWindowOrg(area.left, area.top);
}

CQvMemDC::~CQvMemDC() {
    if (!target) {
        return;
    }
    if (buffered) {
        target->BitBlt(area.left, area.top, area.Width(), area.Height(), this, area.left, area.top,
                       SRCCOPY);
        if (previousBitmap) {
            ::SelectObject(m_hDC, previousBitmap);
        }
    } else {
        // Borrowed: the target's owner releases them.
        m_hDC = m_hAttribDC = nullptr;
    }
    offscreenBitmap.DeleteObject();
}
