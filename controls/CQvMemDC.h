#pragma once
// A surface standing in for another during one paint: drawing lands in an off-screen bitmap
// covering the target's clip box, with the same coordinates as on the target, and the whole
// picture is copied to the target once, when the object goes away. A printing target is
// drawn on directly.
#include "platform/afx/CDC.h"

class CQvMemDC : public CDC {
  public:
    explicit CQvMemDC(CDC* target);
    CQvMemDC(const CQvMemDC&) = delete;
    CQvMemDC& operator=(const CQvMemDC&) = delete;
    ~CQvMemDC() override;

    const CRect& GetArea() const { return area; }
    bool IsBuffered() const { return buffered != FALSE; }

  private:
    CBitmap offscreenBitmap;
    HGDIOBJ previousBitmap = nullptr;
    CDC* target = nullptr;
    CRect area;
    BOOL buffered = FALSE;
};
