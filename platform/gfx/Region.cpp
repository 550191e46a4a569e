#include "platform/gfx/Region.h"

#include <algorithm>
#include <iterator>

namespace gfx {

namespace {

struct Span {
    LONG left;
    LONG right;
};

bool IsEmptyRect(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

// The spans of a banded region in the band covering y (none if no band covers it).
std::vector<Span> SpansAt(const std::vector<RECT>& rects, LONG y) {
    std::vector<Span> spans;
    for (const RECT& r : rects) {
        if (r.top <= y && y < r.bottom) {
            spans.push_back({r.left, r.right});
        } else if (r.top > y) {
            break;
        }
    }
    return spans;
}

// Sweeps the x edges of both span lists and keeps the intervals where keep(inA, inB) holds.
template <class Keep>
std::vector<Span> CombineSpans(const std::vector<Span>& a, const std::vector<Span>& b, Keep keep) {
    std::vector<LONG> xs;
    for (const Span& s : a) {
        xs.insert(xs.end(), {s.left, s.right});
    }
    for (const Span& s : b) {
        xs.insert(xs.end(), {s.left, s.right});
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    auto inside = [](const std::vector<Span>& spans, LONG x) {
        return std::any_of(spans.begin(), spans.end(),
                           [x](const Span& s) { return s.left <= x && x < s.right; });
    };
    std::vector<Span> out;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        if (!keep(inside(a, xs[i]), inside(b, xs[i]))) {
            continue;
        }
        if (!out.empty() && out.back().right == xs[i]) {
            out.back().right = xs[i + 1];
        } else {
            out.push_back({xs[i], xs[i + 1]});
        }
    }
    return out;
}

std::vector<LONG> BandEdges(const std::vector<RECT>& a, const std::vector<RECT>& b) {
    std::vector<LONG> ys;
    for (const auto* list : {&a, &b}) {
        for (const RECT& r : *list) {
            ys.insert(ys.end(), {r.top, r.bottom});
        }
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    return ys;
}

// Appends one band, merging it into the previous band when that touches it with equal spans.
void AppendBand(std::vector<RECT>& out, std::size_t& lastBandStart, const std::vector<Span>& spans,
                LONG top, LONG bottom) {
    if (spans.empty()) {
        return;
    }
    const std::size_t lastCount = out.size() - lastBandStart;
    bool merge = lastCount == spans.size() && lastCount > 0 && out.back().bottom == top;
    for (std::size_t i = 0; merge && i < spans.size(); ++i) {
        const RECT& r = out[lastBandStart + i];
        merge = r.left == spans[i].left && r.right == spans[i].right;
    }
    if (merge) {
        for (std::size_t i = lastBandStart; i < out.size(); ++i) {
            out[i].bottom = bottom;
        }
        return;
    }
    lastBandStart = out.size();
    for (const Span& s : spans) {
        out.push_back({s.left, top, s.right, bottom});
    }
}

} // namespace

Region::Region(const RECT& r) {
    if (!IsEmptyRect(r)) {
        rects.push_back(r);
    }
}

RECT Region::Bounds() const {
    if (rects.empty()) {
        return {};
    }
    RECT b = rects.front();
    for (const RECT& r : rects) {
        b.left = std::min(b.left, r.left);
        b.right = std::max(b.right, r.right);
    }
    b.bottom = rects.back().bottom;
    return b;
}

void Region::Union(const RECT& r) {
    Union(Region(r));
}
void Region::Union(const Region& other) {
    Combine(other, Op::Union);
}
void Region::Intersect(const RECT& r) {
    Intersect(Region(r));
}
void Region::Intersect(const Region& other) {
    Combine(other, Op::Intersect);
}
void Region::Subtract(const RECT& r) {
    Subtract(Region(r));
}
void Region::Subtract(const Region& other) {
    Combine(other, Op::Subtract);
}

// The answer without walking bands when one side is empty or the two lie apart; false when
// the bands must be combined.
bool Region::Shortcut(const Region& other, Op op) {
    const RECT a = Bounds();
    const RECT b = other.Bounds();
    const bool apart = IsEmpty() || other.IsEmpty() || a.right <= b.left || b.right <= a.left ||
                       a.bottom <= b.top || b.bottom <= a.top;
    if (!apart) {
        return false;
    }
    switch (op) {
    case Op::Intersect:
        rects.clear();
        return true;
    case Op::Subtract:
        return true;
    case Op::Union:
        break;
    }
    if (other.IsEmpty()) {
        return true;
    }
    if (IsEmpty()) {
        rects = other.rects;
        return true;
    }
    return false;
}

void Region::Combine(const Region& other, Op op) {
    if (Shortcut(other, op)) {
        return;
    }
    auto keep = [op](bool inA, bool inB) {
        switch (op) {
        case Op::Union:
            return inA || inB;
        case Op::Intersect:
            return inA && inB;
        case Op::Subtract:
            break;
        }
        return inA && !inB;
    };
    const std::vector<LONG> ys = BandEdges(rects, other.rects);
    std::vector<RECT> out;
    std::size_t lastBandStart = 0;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        const std::vector<Span> spans =
            CombineSpans(SpansAt(rects, ys[i]), SpansAt(other.rects, ys[i]), keep);
        AppendBand(out, lastBandStart, spans, ys[i], ys[i + 1]);
    }
    rects = std::move(out);
}

void Region::Offset(int dx, int dy) {
    for (RECT& r : rects) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
}

bool Region::Contains(POINT p) const {
    return std::any_of(rects.begin(), rects.end(), [p](const RECT& r) {
        return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
    });
}

bool Region::Intersects(const RECT& q) const {
    return !IsEmptyRect(q) && std::any_of(rects.begin(), rects.end(), [&q](const RECT& r) {
        return r.left < q.right && q.left < r.right && r.top < q.bottom && q.top < r.bottom;
    });
}

bool Region::operator==(const Region& other) const {
    return std::equal(rects.begin(), rects.end(), other.rects.begin(), other.rects.end(),
                      [](const RECT& a, const RECT& b) {
                          return a.left == b.left && a.top == b.top && a.right == b.right &&
                                 a.bottom == b.bottom;
                      });
}

} // namespace gfx
