// Rectangle arithmetic.
#include "platform/base/Saturate.h"
#include "platform/win/WinUser.h"

#include <algorithm>

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (!rect) {
        return FALSE;
    }
    *rect = {left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL IsRectEmpty(const RECT* rect) {
    return !rect || rect->right <= rect->left || rect->bottom <= rect->top ? TRUE : FALSE;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right &&
                   a->bottom == b->bottom
               ? TRUE
               : FALSE;
}

BOOL PtInRect(const RECT* rect, POINT point) {
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
                   point.y < rect->bottom
               ? TRUE
               : FALSE;
}

BOOL OffsetRect(RECT* rect, int dx, int dy) {
    if (!rect) {
        return FALSE;
    }
    using base::AddClamped;
    *rect = {AddClamped(rect->left, dx), AddClamped(rect->top, dy), AddClamped(rect->right, dx),
             AddClamped(rect->bottom, dy)};
    return TRUE;
}

BOOL InflateRect(RECT* rect, int dx, int dy) {
    if (!rect) {
        return FALSE;
    }
    using base::AddClamped;
    *rect = {AddClamped(rect->left, -std::int64_t{dx}), AddClamped(rect->top, -std::int64_t{dy}),
             AddClamped(rect->right, dx), AddClamped(rect->bottom, dy)};
    return TRUE;
}

BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest) {
        return FALSE;
    }
    if (!a || !b) {
        SetRectEmpty(dest);
        return FALSE;
    }
    const RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                 std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        SetRectEmpty(dest);
        return FALSE;
    }
    *dest = r;
    return TRUE;
}

BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b) {
    if (!dest) {
        return FALSE;
    }
    const bool aEmpty = IsRectEmpty(a);
    const bool bEmpty = IsRectEmpty(b);
    if (aEmpty || bEmpty) {
        if (aEmpty && bEmpty) {
            SetRectEmpty(dest);
            return FALSE;
        }
        *dest = aEmpty ? *b : *a;
        return TRUE;
    }
    *dest = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
             std::max(a->bottom, b->bottom)};
    return TRUE;
}
