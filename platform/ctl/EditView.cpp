#include "platform/ctl/EditView.h"

#include "platform/ctl/ControlSupport.h"
#include "platform/sys/Utf8.h"

#include <algorithm>

namespace ctl {

namespace {

constexpr int Margin = 1;

// A scratch DC with the font selected; released when it goes.
class MeasureDC {
  public:
    explicit MeasureDC(HFONT font) : dc(GetDC(nullptr)) { UseFont(dc, font); }
    ~MeasureDC() { ReleaseDC(nullptr, dc); }
    MeasureDC(const MeasureDC&) = delete;
    MeasureDC& operator=(const MeasureDC&) = delete;
    HDC dc;
};

} // namespace

bool EditView::Multiline() const {
    return (StyleOf(hwnd) & ES_MULTILINE) != 0;
}

bool EditView::Wraps() const {
    return Multiline() && (StyleOf(hwnd) & (ES_AUTOHSCROLL | WS_HSCROLL)) == 0;
}

void EditView::SetFont(HFONT value) {
    font = value;
    measured = true;
    shownKnown = false;
    widths.clear();
    MeasureDC m(font);
    TEXTMETRICA tm;
    lineHeight = GetTextMetricsA(m.dc, &tm) && tm.tmHeight > 0 ? tm.tmHeight : 13;
}

RECT EditView::TextRect() const {
    RECT r = ClientRectOf(hwnd);
    r.left += Margin;
    r.right = std::max(r.left, r.right - Margin);
    if (!Multiline() && r.bottom - r.top > lineHeight) {
        r.top += (r.bottom - r.top - lineHeight) / 2;
    }
    return r;
}

std::vector<int> EditView::Measure(const std::string& text) {
    std::vector<int> advances(text.size(), 0);
    MeasureDC m(font);
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t at = pos;
        const char32_t cp = gfx::DecodeUtf8(text, pos);
        // Control characters take the room of a blank and draw nothing.
        const char32_t key = cp < 0x20 ? U' ' : cp;
        auto it = widths.find(key);
        if (it == widths.end()) {
            SIZE size{};
            const bool blank = key == U' ';
            GetTextExtentPoint32A(m.dc, blank ? " " : text.data() + at,
                                  blank ? 1 : static_cast<int>(pos - at), &size);
            it = widths.emplace(key, size.cx).first;
        }
        advances[at] = it->second;
    }
    return advances;
}

void EditView::Relayout(const EditBuffer& buffer) {
    if (!measured) {
        SetFont(font);
    }
    const RECT r = TextRect();
    layout.Build(buffer.Text(), Measure(buffer.Text()),
                 Wraps() ? std::max<LONG>(1, r.right - r.left) : 0);
    const std::size_t lines = layout.Lines().size();
    const auto visible = static_cast<std::size_t>(VisibleLines());
    firstLine = std::min(firstLine, lines > visible ? lines - visible : 0);
    const int room = static_cast<int>(r.right - r.left);
    xOffset = Wraps() ? 0 : std::clamp(xOffset, 0, std::max(0, layout.WidestLine() - room + 1));
}

int EditView::VisibleLines() const {
    const RECT r = TextRect();
    return std::max(1, static_cast<int>(r.bottom - r.top) / std::max(1, lineHeight));
}

bool EditView::FitsWidth() const {
    const RECT r = TextRect();
    return layout.WidestLine() <= r.right - r.left;
}

void EditView::ScrollToCaret(const EditBuffer& buffer) {
    const std::size_t line = layout.LineOf(buffer.Caret());
    const auto visible = static_cast<std::size_t>(VisibleLines());
    if (line < firstLine) {
        firstLine = line;
    } else if (line >= firstLine + visible) {
        firstLine = line - visible + 1;
    }
    if (Wraps()) {
        return;
    }
    const RECT r = TextRect();
    const int room = std::max(1, static_cast<int>(r.right - r.left));
    const int x = layout.X(buffer.Caret());
    // Jump a quarter of the width so that typing does not scroll at every character.
    if (x < xOffset) {
        xOffset = std::max(0, x - room / 4);
    } else if (x >= xOffset + room) {
        xOffset = x - room + 1 + room / 4;
    }
}

bool EditView::ScrollLines(int delta) {
    const std::size_t lines = layout.Lines().size();
    const auto visible = static_cast<std::size_t>(VisibleLines());
    const long last = static_cast<long>(lines > visible ? lines - visible : 0);
    const long next = std::clamp(static_cast<long>(firstLine) + delta, 0L, last);
    if (static_cast<std::size_t>(next) == firstLine) {
        return false;
    }
    firstLine = static_cast<std::size_t>(next);
    return true;
}

std::size_t EditView::HitTest(POINT client) const {
    const RECT r = TextRect();
    const long dy = client.y - r.top;
    const long row = dy >= 0 ? dy / lineHeight : -1 - (-dy - 1) / lineHeight;
    const long count = static_cast<long>(layout.Lines().size());
    const long line = std::clamp(static_cast<long>(firstLine) + row, 0L, std::max(0L, count - 1));
    return layout.PosAt(static_cast<std::size_t>(line), client.x - r.left + xOffset);
}

RECT EditView::CaretRect(const EditBuffer& buffer) const {
    const RECT r = TextRect();
    const std::size_t line = layout.LineOf(buffer.Caret());
    const int row = static_cast<int>(line) - static_cast<int>(firstLine);
    const LONG x = r.left + layout.X(buffer.Caret()) - xOffset;
    const LONG y = r.top + row * lineHeight;
    return {x, y, x + 1, y + lineHeight};
}

void EditView::Paint(HDC dc, const EditBuffer& buffer, bool showSelection, bool showCaret) {
    const DWORD style = StyleOf(hwnd);
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const bool quiet = (style & ES_READONLY) || !enabled;
    HBRUSH brush = AskColour(hwnd, dc, quiet ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    const RECT client = ClientRectOf(hwnd);
    FillRect(dc, &client, brush);
    const COLORREF ink = enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
    UseFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const RECT r = TextRect();
    IntersectClipRect(dc, r.left - Margin, r.top, r.right + Margin, r.bottom);
    const std::size_t selFrom = showSelection ? buffer.SelStart() : 0;
    const std::size_t selTo = showSelection ? buffer.SelEnd() : 0;
    const auto& lines = layout.Lines();
    const std::size_t last =
        std::min(lines.size(), firstLine + static_cast<std::size_t>(VisibleLines()) + 1);
    for (std::size_t i = firstLine; i < last; ++i) {
        const int y = static_cast<int>(r.top) + static_cast<int>(i - firstLine) * lineHeight;
        DrawLine(dc, i, y, selFrom, selTo, ink);
    }
    if (showCaret) {
        const RECT caret = CaretRect(buffer);
        HBRUSH caretBrush = CreateSolidBrush(ink);
        FillRect(dc, &caret, caretBrush);
        DeleteObject(caretBrush);
    }
}

void EditView::DrawLine(HDC dc, std::size_t line, int y, std::size_t selFrom, std::size_t selTo,
                        COLORREF ink) {
    const EditLayout::Line& l = layout.Lines()[line];
    const int left = static_cast<int>(TextRect().left) - xOffset;
    const std::size_t a = std::clamp(selFrom, l.start, l.end);
    const std::size_t b = std::clamp(selTo, l.start, l.end);
    const int xa = left + layout.Width(l.start, a);
    const int xb = xa + layout.Width(a, b);
    SetTextColor(dc, ink);
    DrawRun(dc, left, y, l.start, a);
    DrawRun(dc, xb, y, b, l.end);
    if (a < b) {
        RECT band{xa, y, xb, y + lineHeight};
        FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        DrawRun(dc, xa, y, a, b);
    }
}

void EditView::DrawRun(HDC dc, int x, int y, std::size_t from, std::size_t to) {
    if (from >= to) {
        return;
    }
    std::string run = layout.Text().substr(from, to - from);
    for (char& c : run) {
        c = static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
    TextOutA(dc, x, y, run.c_str(), static_cast<int>(run.size()));
}

bool EditView::Shown::SameGeometry(const Shown& other) const {
    return EqualRect(&textRect, &other.textRect) && lineHeight == other.lineHeight &&
           xOffset == other.xOffset && rows.size() == other.rows.size();
}

EditView::Shown EditView::Snapshot(const EditBuffer& buffer, bool showSelection,
                                   bool showCaret) const {
    Shown s;
    s.textRect = TextRect();
    s.lineHeight = lineHeight;
    s.xOffset = xOffset;
    if (showCaret) {
        s.caret = CaretRect(buffer);
    }
    const std::size_t selFrom = showSelection ? buffer.SelStart() : 0;
    const std::size_t selTo = showSelection ? buffer.SelEnd() : 0;
    const auto& lines = layout.Lines();
    s.rows.resize(static_cast<std::size_t>(VisibleLines()) + 1);
    for (std::size_t k = 0; k < s.rows.size() && firstLine + k < lines.size(); ++k) {
        const EditLayout::Line& l = lines[firstLine + k];
        Row& row = s.rows[k];
        row.text = layout.Text().substr(l.start, l.end - l.start);
        const std::size_t a = std::clamp(selFrom, l.start, l.end);
        const std::size_t b = std::clamp(selTo, l.start, l.end);
        if (a < b) {
            row.selFrom = a - l.start;
            row.selTo = b - l.start;
        }
    }
    return s;
}

// Neighbouring changed rows go as one rectangle across the client area.
void EditView::InvalidateRows(const Shown& next) const {
    const RECT client = ClientRectOf(hwnd);
    const std::size_t count = next.rows.size();
    for (std::size_t k = 0; k < count;) {
        if (next.rows[k] == shown.rows[k]) {
            ++k;
            continue;
        }
        const std::size_t from = k;
        while (k < count && !(next.rows[k] == shown.rows[k])) {
            ++k;
        }
        const auto top =
            static_cast<LONG>(next.textRect.top + static_cast<LONG>(from) * lineHeight);
        const RECT band{client.left, top, client.right,
                        top + static_cast<LONG>(k - from) * lineHeight};
        InvalidateRect(hwnd, &band, FALSE);
    }
}

void EditView::Invalidate(const EditBuffer& buffer, bool showSelection, bool showCaret, bool all) {
    Shown next = Snapshot(buffer, showSelection, showCaret);
    if (all || !shownKnown || !next.SameGeometry(shown)) {
        InvalidateRect(hwnd, nullptr, FALSE);
    } else {
        InvalidateRows(next);
        if (!EqualRect(&next.caret, &shown.caret)) {
            for (const RECT* caret : {&shown.caret, &next.caret}) {
                if (!IsRectEmpty(caret)) {
                    InvalidateRect(hwnd, caret, FALSE);
                }
            }
        }
    }
    shown = std::move(next);
    shownKnown = true;
}

} // namespace ctl
