#pragma once
// Device contexts over pixels that someone else owns (the window system's surfaces).
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"

// Device point (0,0) is surface pixel deviceOrigin; nothing outside clip (surface pixels) is
// touched. Default state as a fresh window DC. DeleteDC releases it; the surface is not owned.
HDC CreateSurfaceDC(gfx::Surface* surface, POINT deviceOrigin, const gfx::Region& clip);

// The bounds of what has been drawn through a DC since it was made, in surface pixels; empty
// for a bad handle or when nothing was drawn.
RECT DrawnBounds(HDC hdc);
