#include "platform/gfx/GdiText.h"

#include "platform/gfx/Canvas.h"
#include "platform/gfx/ObjectStore.h"
#include "platform/gfx/TextLayout.h"
#include "platform/gfx/TextPainter.h"

#include <algorithm>
#include <cstring>

using gfx::Canvas;
using gfx::TextPainter;

namespace {

// Text of a call with a count: -1 = up to the terminator; other negative counts fail.
bool TextOf(LPCSTR text, int count, std::string_view& out) {
    if (count == -1) {
        out = text ? std::string_view(text) : std::string_view();
        return text != nullptr;
    }
    if (count < 0 || (!text && count > 0)) {
        return false;
    }
    out = std::string_view(text ? text : "", static_cast<std::size_t>(count));
    return true;
}

void FillBackground(Canvas& canvas, const RECT& logical) {
    canvas.Pixels().Fill(canvas.ToSurface(logical),
                         gfx::PixelFromColor(canvas.Dc().State().bkColor));
}

// One line: the cell box first when the background is opaque, then the glyphs.
void DrawLine(Canvas& canvas, const TextPainter& painter, POINT at, const gfx::TextLine& line) {
    if (canvas.Dc().State().bkMode == OPAQUE) {
        FillBackground(canvas, {at.x, at.y, at.x + line.width, at.y + painter.Font().Height()});
    }
    painter.Draw(canvas, at, line.text, &line.underline);
}

int DrawLayout(Canvas& canvas, const TextPainter& painter, const gfx::TextLayout& layout,
               RECT* rect, UINT format) {
    const int lineHeight = painter.Font().Height();
    const int height = lineHeight * static_cast<int>(layout.Lines().size());
    if (format & DT_CALCRECT) {
        rect->right = rect->left + layout.MaxWidth();
        rect->bottom = rect->top + height;
        return height;
    }
    int y = rect->top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER)) {
        y = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
    } else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM)) {
        y = rect->bottom - lineHeight;
    }
    if (canvas && !(format & DT_NOCLIP)) {
        canvas.Restrict(canvas.ToSurface(*rect));
    }
    const int top = y;
    for (const gfx::TextLine& line : layout.Lines()) {
        int x = rect->left;
        if (format & DT_CENTER) {
            x = rect->left + (rect->right - rect->left - line.width) / 2;
        } else if (format & DT_RIGHT) {
            x = rect->right - line.width;
        }
        if (canvas) {
            DrawLine(canvas, painter, POINT{x, y}, line);
        }
        y += lineHeight;
    }
    return (format & (DT_VCENTER | DT_BOTTOM)) && (format & DT_SINGLELINE)
               ? top - rect->top + height
               : height;
}

} // namespace

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                 const INT* dx) {
    Canvas canvas(hdc);
    if (!canvas.ValidDC() || (!text && count > 0)) {
        return FALSE;
    }
    if (!canvas) {
        return TRUE;
    }
    if (rect && (options & ETO_OPAQUE)) {
        FillBackground(canvas, *rect);
    }
    if (rect && (options & ETO_CLIPPED)) {
        canvas.Restrict(canvas.ToSurface(*rect));
    }
    const std::string_view line(text ? text : "", text ? count : 0);
    if (line.empty()) {
        return TRUE;
    }
    const TextPainter painter(canvas.Dc().Font(), false);
    if (canvas.Dc().State().bkMode == OPAQUE) {
        int width = painter.Measure(line);
        if (dx) {
            width = 0;
            for (std::size_t i = 0; i < line.size(); ++i) {
                width += dx[i];
            }
        }
        FillBackground(canvas, {x, y, x + width, y + painter.Font().Height()});
    }
    painter.Draw(canvas, POINT{x, y}, line, nullptr, dx);
    return TRUE;
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int count) {
    if (count < 0) {
        return FALSE;
    }
    return ExtTextOutA(hdc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

int DrawTextA(HDC hdc, LPCSTR text, int count, RECT* rect, UINT format) {
    std::string_view view;
    Canvas canvas(hdc);
    if (!canvas.ValidDC() || !rect || !TextOf(text, count, view)) {
        return 0;
    }
    const TextPainter painter(canvas.Dc().Font(), (format & DT_EXPANDTABS) != 0);
    const gfx::TextLayout layout(painter, view, format, rect->right - rect->left);
    return DrawLayout(canvas, painter, layout, rect, format);
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, SIZE* size) {
    gfx::DeviceContext* dc = gfx::DeviceContext::Find(hdc);
    std::string_view view;
    if (!dc || !size || count == -1 || !TextOf(text, count, view)) {
        return FALSE;
    }
    const TextPainter painter(dc->Font(), false);
    *size = SIZE{painter.Measure(view), painter.Font().Height()};
    return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics) {
    gfx::DeviceContext* dc = gfx::DeviceContext::Find(hdc);
    if (!dc || !metrics) {
        return FALSE;
    }
    const gfx::FontInstance& font = dc->Font();
    const gfx::FontMetrics& m = font.Metrics();
    *metrics = TEXTMETRICA{};
    metrics->tmHeight = m.ascent + m.descent;
    metrics->tmAscent = m.ascent;
    metrics->tmDescent = m.descent;
    metrics->tmInternalLeading = m.internalLeading;
    metrics->tmExternalLeading = m.externalLeading;
    metrics->tmAveCharWidth = m.aveCharWidth;
    metrics->tmMaxCharWidth = m.maxCharWidth;
    metrics->tmWeight = font.Style().weight;
    metrics->tmItalic = static_cast<BYTE>(font.Style().italic);
    metrics->tmUnderlined = static_cast<BYTE>(font.Style().underline);
    metrics->tmStruckOut = static_cast<BYTE>(font.Style().strikeOut);
    return TRUE;
}

namespace gfx {

SIZE DialogBaseUnits(HFONT font) {
    const TextPainter painter(ObjectStore::Instance().Font(font), false);
    const int width = painter.Measure("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return SIZE{(width / 26 + 1) / 2, painter.Font().Height()};
}

} // namespace gfx
