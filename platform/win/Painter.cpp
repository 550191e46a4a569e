#include "platform/win/Painter.h"

#include "platform/base/Saturate.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/WindowManager.h"

#include <algorithm>
#include <unordered_map>

namespace win {

namespace {

struct DcRecord {
    HWND root = nullptr;
    std::shared_ptr<gfx::Surface> surface;
    gfx::Region clip;
};

std::unordered_map<HDC, DcRecord>& Dcs() {
    static std::unordered_map<HDC, DcRecord> dcs;
    return dcs;
}

RECT Offset(RECT r, POINT by) {
    using base::AddClamped;
    return {AddClamped(r.left, by.x), AddClamped(r.top, by.y), AddClamped(r.right, by.x),
            AddClamped(r.bottom, by.y)};
}

RECT Intersection(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return r.left < r.right && r.top < r.bottom ? r : RECT{};
}

bool Intersects(const RECT& a, const RECT& b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

bool HasFrame(const Window* w) {
    return w->client.left > 0 || w->client.top > 0 || w->client.right < w->Width() ||
           w->client.bottom < w->Height();
}

POINT ClientSurfaceOrigin(const Window* w) {
    const POINT o = WindowManager::SurfaceOrigin(w);
    return {o.x + w->client.left, o.y + w->client.top};
}

bool RedrawOn(const Window* w) {
    for (; w; w = w->IsChild() ? w->parent : nullptr) {
        if (!w->redrawOn) {
            return false;
        }
    }
    return true;
}

bool InFilter(HWND filter, Window* w) {
    return !filter || w->handle == filter ||
           WindowManager::IsAncestor(WindowManager::Get().Find(filter), w);
}

} // namespace

gfx::Region Painter::VisibleRegion(const Window* w, bool clientOnly) {
    if (!WindowManager::IsShown(w)) {
        return {};
    }
    const Window* root = WindowManager::Root(const_cast<Window*>(w));
    const RECT own = clientOnly ? w->client : RECT{0, 0, w->Width(), w->Height()};
    gfx::Region region(Offset(own, WindowManager::SurfaceOrigin(w)));
    region.Intersect(RECT{0, 0, root->SurfaceSize().cx, root->SurfaceSize().cy});
    for (const Window* c = w; c->IsChild(); c = c->parent) {
        const POINT po = ClientSurfaceOrigin(c->parent);
        region.Intersect(Offset(c->parent->ClientBounds(), po));
        for (const Window* sibling : c->parent->children) {
            if (sibling == c) {
                break;
            }
            if (sibling->Visible()) {
                region.Subtract(Offset(sibling->rect, po));
            }
        }
    }
    const POINT co = ClientSurfaceOrigin(w);
    for (const Window* child : w->children) {
        if (child->Visible()) {
            region.Subtract(Offset(child->rect, co));
        }
    }
    return region;
}

void Painter::Invalidate(Window* w, const RECT* rect, bool erase, bool children, bool frame) {
    if (!WindowManager::IsShown(w)) {
        return;
    }
    const RECT area = rect ? Intersection(*rect, w->ClientBounds()) : w->ClientBounds();
    gfx::Region visible = VisibleRegion(w, true);
    const POINT co = ClientSurfaceOrigin(w);
    visible.Offset(-co.x, -co.y);
    visible.Intersect(area);
    if (!visible.IsEmpty()) {
        w->update.Union(visible);
        w->erasePending = w->erasePending || erase;
    }
    if (frame && HasFrame(w)) {
        w->framePending = true;
    }
    if (!children) {
        return;
    }
    for (Window* child : w->children) {
        if (!Intersects(area, child->rect)) {
            continue;
        }
        const RECT inChild = Offset(
            area, {-child->rect.left - child->client.left, -child->rect.top - child->client.top});
        Invalidate(child, &inChild, erase, true, frame);
    }
}

void Painter::Validate(Window* w, const RECT* rect, bool children) {
    if (rect) {
        w->update.Subtract(*rect);
    } else {
        w->update = {};
    }
    if (w->update.IsEmpty()) {
        w->erasePending = false;
    }
    if (!children) {
        return;
    }
    for (Window* child : w->children) {
        const POINT by{-child->rect.left - child->client.left,
                       -child->rect.top - child->client.top};
        const RECT inChild = rect ? Offset(*rect, by) : RECT{};
        Validate(child, rect ? &inChild : nullptr, true);
    }
}

void Painter::InvalidateArea(Window* root, const gfx::Region& area) {
    if (area.IsEmpty() || !WindowManager::IsShown(root)) {
        return;
    }
    const gfx::Region visibleClient = VisibleRegion(root, true);
    gfx::Region client = visibleClient;
    client.Intersect(area);
    if (!client.IsEmpty()) {
        const POINT co = ClientSurfaceOrigin(root);
        client.Offset(-co.x, -co.y);
        root->update.Union(client);
        root->erasePending = true;
    }
    if (HasFrame(root)) {
        gfx::Region frame = VisibleRegion(root, false);
        frame.Intersect(area);
        frame.Subtract(visibleClient);
        root->framePending = root->framePending || !frame.IsEmpty();
    }
    const POINT co = ClientSurfaceOrigin(root);
    for (Window* child : root->children) {
        // What lies outside a child's rectangle holds nothing of it or of its children.
        if (area.Intersects(Offset(child->rect, co))) {
            InvalidateArea(child, area);
        }
    }
}

bool Painter::NeedsPaint(const Window* w) {
    return (!w->update.IsEmpty() || w->framePending) && WindowManager::IsShown(w) && RedrawOn(w);
}

void Painter::PaintFrame(Window* w) {
    w->framePending = false;
    WindowManager::Get().Send(w->handle, WM_NCPAINT, 1, 0);
}

HWND Painter::NextToPaint(HWND filter) {
    std::vector<Window*> pending;
    for (Window* top : WindowManager::Get().TopLevels()) {
        pending.push_back(top);
    }
    while (!pending.empty()) {
        Window* w = pending.front();
        pending.erase(pending.begin());
        if (!WindowManager::IsShown(w) || !RedrawOn(w)) {
            continue;
        }
        if (NeedsPaint(w) && InFilter(filter, w)) {
            if (!w->update.IsEmpty()) {
                return w->handle;
            }
            PaintFrame(w);
            return NextToPaint(filter);
        }
        pending.insert(pending.begin(), w->children.begin(), w->children.end());
    }
    return nullptr;
}

void Painter::Update(HWND hwnd, bool children) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w) {
        return;
    }
    if (NeedsPaint(w)) {
        if (w->update.IsEmpty()) {
            PaintFrame(w);
        } else {
            wm.Send(hwnd, WM_PAINT, 0, 0);
        }
    }
    w = wm.Find(hwnd);
    if (!w || !children) {
        return;
    }
    std::vector<HWND> kids;
    for (Window* child : w->children) {
        kids.push_back(child->handle);
    }
    for (HWND child : kids) {
        Update(child, true);
    }
}

// A DC that draws nowhere, for measuring and for windows that have no pixels.
HDC Painter::ScratchDC() {
    static auto scratch = std::make_shared<gfx::Surface>(1, 1);
    HDC dc = CreateSurfaceDC(scratch.get(), {0, 0}, gfx::Region{});
    if (dc) {
        Dcs()[dc] = {nullptr, scratch, {}};
    }
    return dc;
}

HDC Painter::MakeDC(Window* w, const gfx::Region& clip, POINT origin) {
    Window* root = WindowManager::Root(w);
    if (!root->surface && !WindowManager::IsShown(root)) {
        return ScratchDC(); // showing it later repaints all of it
    }
    HDC dc = CreateSurfaceDC(&root->EnsureSurface(), origin, clip);
    if (dc) {
        Dcs()[dc] = {root->handle, root->surface, clip};
    }
    return dc;
}

void Painter::EraseNow(HWND hwnd) {
    Window* w = WindowManager::Get().Find(hwnd);
    if (!w || !w->erasePending || !NeedsPaint(w)) {
        return;
    }
    w->erasePending = false;
    const POINT co = ClientSurfaceOrigin(w);
    gfx::Region clip = w->update;
    clip.Offset(co.x, co.y);
    clip.Intersect(VisibleRegion(w, true));
    if (HDC dc = MakeDC(w, clip, co)) {
        WindowManager::Get().Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ReleaseDC(dc);
    }
}

HDC Painter::BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    auto& wm = WindowManager::Get();
    Window* w = wm.Find(hwnd);
    if (!w || !ps) {
        return nullptr;
    }
    if (w->framePending && NeedsPaint(w)) {
        PaintFrame(w);
        if (!(w = wm.Find(hwnd))) {
            return nullptr;
        }
    }
    const gfx::Region update = w->update;
    const bool erase = w->erasePending;
    w->update = {};
    w->erasePending = false;
    const POINT co = ClientSurfaceOrigin(w);
    gfx::Region clip = update;
    clip.Offset(co.x, co.y);
    clip.Intersect(VisibleRegion(w, true));
    *ps = PAINTSTRUCT{};
    ps->hdc = MakeDC(w, clip, co);
    ps->rcPaint = update.Bounds();
    if (erase && ps->hdc) {
        ps->fErase = wm.Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0) == 0;
    }
    return ps->hdc;
}

HDC Painter::GetDC(HWND hwnd, bool whole) {
    Window* w = WindowManager::Get().Find(hwnd);
    if (!hwnd) {
        return ScratchDC();
    }
    if (!w) {
        return nullptr;
    }
    const POINT origin = whole ? WindowManager::SurfaceOrigin(w) : ClientSurfaceOrigin(w);
    return MakeDC(w, VisibleRegion(w, !whole), origin);
}

int Painter::ReleaseDC(HDC hdc) {
    auto it = Dcs().find(hdc);
    if (it == Dcs().end()) {
        return 0;
    }
    // Only what was drawn goes to the display: a DC of a whole list that redraws one entry
    // sends that entry.
    if (Window* root = WindowManager::Get().Find(it->second.root)) {
        gfx::Region drawn = std::move(it->second.clip);
        drawn.Intersect(DrawnBounds(hdc));
        root->dirty.Union(drawn);
    }
    Dcs().erase(it);
    DeleteDC(hdc);
    return 1;
}

void Painter::Present() {
    auto& wm = WindowManager::Get();
    for (Window* top : wm.TopLevels()) {
        if (!top->dirty.IsEmpty() && top->surface) {
            const gfx::Region dirty = std::move(top->dirty);
            top->dirty = {};
            wm.GetBackend().Present(top->handle, *top->surface, dirty);
        }
    }
}

} // namespace win
