#pragma once
// The factor between logical pixels, in which every window, control and drawing call
// measures, and the screen's pixels: 1, 2 or 3. Window surfaces are made at this factor.
#include <string_view>

namespace gfx {

int DisplayScale();
// A factor outside 1..3 is taken as 1.
void SetDisplayScale(int factor);
// The logical pixel under a screen pixel (rounding down, also left of zero).
int LogicalFromPixel(int pixel);

// QVSQL_SCALE when it is 1, 2 or 3; 0 when unset; another value is ignored with a line on
// standard error.
int ScaleFromEnvironment();
// Dots per inch rounded to a whole multiple of 96 (at most 3); 1 for text that is not a
// positive number or for nonsense sizes.
int ScaleFromDpi(std::string_view dpi);
// The Xft.dpi entry of an X resource database string (RESOURCE_MANAGER); 1 without one.
int ScaleFromResources(std::string_view resources);

} // namespace gfx
