#pragma once
// The whole drawing layer.
#include "platform/gfx/GdiDC.h"
#include "platform/gfx/GdiDraw.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/GdiText.h"
#include "platform/gfx/Icons.h"
#include "platform/gfx/SurfaceDC.h"
#include "platform/gfx/SysColors.h"
