#pragma once
// PNG files of surfaces.
#include "platform/gfx/Surface.h"

#include <string>

namespace gfx {

bool WritePng(const Surface& surface, const std::string& path);
// Transparent pixels are composed onto white.
bool ReadPng(const std::string& path, Surface& surface);

} // namespace gfx
