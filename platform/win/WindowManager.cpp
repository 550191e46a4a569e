#include "platform/win/WindowManager.h"

#include <algorithm>

namespace win {

namespace {

bool OwnedBy(const Window* w, const Window* owner) {
    for (const Window* o = w->owner; o; o = o->owner) {
        if (o == owner) {
            return true;
        }
    }
    return false;
}

std::size_t FirstPlain(const std::vector<Window*>& list) {
    auto it = std::find_if(list.begin(), list.end(),
                           [](const Window* t) { return (t->exStyle & WS_EX_TOPMOST) == 0; });
    return static_cast<std::size_t>(it - list.begin());
}

} // namespace

WindowManager::WindowManager() : backend(std::make_unique<Backend>()) {}

WindowManager& WindowManager::Get() {
    static WindowManager manager;
    return manager;
}

Window* WindowManager::Find(HWND hwnd) const {
    Window* w = table.Find(gfx::HandleValue(hwnd));
    return w && w->handle == hwnd ? w : nullptr;
}

bool WindowManager::Add(std::unique_ptr<Window> window) {
    Window* w = window.get();
    const std::uintptr_t value = table.Add(std::move(window));
    if (value == 0) {
        return false;
    }
    w->handle = gfx::MakeHandle<HWND>(value);
    return true;
}

void WindowManager::Remove(Window* w) {
    std::unique_ptr<Window> owned = table.Remove(gfx::HandleValue(w->handle));
    if (owned) {
        owned->handle = nullptr;
        graveyard.push_back(std::move(owned));
    }
    Release();
}

void WindowManager::Release() {
    if (depth == 0) {
        graveyard.clear();
    }
}

LRESULT WindowManager::Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(hwnd);
    if (!w || !w->proc) {
        return 0;
    }
    ++depth;
    const LRESULT result = w->proc(hwnd, msg, wParam, lParam);
    --depth;
    Release();
    return result;
}

void WindowManager::SetBackend(std::unique_ptr<Backend> b) {
    backend = b ? std::move(b) : std::make_unique<Backend>();
}

void WindowManager::Link(Window* w) {
    if (w->IsChild()) {
        w->parent->children.push_back(w);
        return;
    }
    const bool topmost = (w->exStyle & WS_EX_TOPMOST) != 0;
    tops.insert(tops.begin() + static_cast<std::ptrdiff_t>(topmost ? 0 : FirstPlain(tops)), w);
}

void WindowManager::Unlink(Window* w) {
    auto& list = Siblings(w);
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
}

void WindowManager::Reorder(Window* w, HWND insertAfter) {
    auto& list = Siblings(w);
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
    const bool top = !w->IsChild();
    if (top && insertAfter == HWND_TOPMOST) {
        w->exStyle |= WS_EX_TOPMOST;
    } else if (top && insertAfter == HWND_NOTOPMOST) {
        w->exStyle &= ~WS_EX_TOPMOST;
    }
    const bool topmost = top && (w->exStyle & WS_EX_TOPMOST) != 0;
    std::size_t pos = top && !topmost ? FirstPlain(list) : 0;
    if (insertAfter == HWND_BOTTOM) {
        pos = topmost ? FirstPlain(list) : list.size();
    } else if (Window* after = Find(insertAfter); after && after != w) {
        auto it = std::find(list.begin(), list.end(), after);
        if (it != list.end()) {
            pos = static_cast<std::size_t>(it - list.begin()) + 1;
        }
    }
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(pos), w);
    if (!top) {
        return;
    }
    std::vector<Window*> owned;
    auto self = std::find(list.begin(), list.end(), w);
    for (auto it = self + 1; it != list.end(); ++it) {
        if (OwnedBy(*it, w)) {
            owned.push_back(*it);
        }
    }
    for (Window* o : owned) {
        list.erase(std::find(list.begin(), list.end(), o));
    }
    list.insert(std::find(list.begin(), list.end(), w), owned.begin(), owned.end());
}

RECT WindowManager::MakeRect(int x, int y, int cx, int cy) {
    constexpr int Limit = 0x7FFF;
    x = std::clamp(x, -Limit, Limit);
    y = std::clamp(y, -Limit, Limit);
    cx = std::clamp(cx, 0, Limit);
    cy = std::clamp(cy, 0, Limit);
    return {x, y, x + cx, y + cy};
}

Window* WindowManager::Root(Window* w) {
    while (w && w->IsChild()) {
        w = w->parent;
    }
    return w;
}

bool WindowManager::IsAncestor(const Window* ancestor, const Window* w) {
    for (; w; w = w->IsChild() ? w->parent : nullptr) {
        if (w == ancestor) {
            return true;
        }
    }
    return false;
}

POINT WindowManager::WindowOrigin(const Window* w) {
    if (!w->IsChild()) {
        return {w->rect.left, w->rect.top};
    }
    const POINT p = ClientOrigin(w->parent);
    return {p.x + w->rect.left, p.y + w->rect.top};
}

POINT WindowManager::ClientOrigin(const Window* w) {
    const POINT p = WindowOrigin(w);
    return {p.x + w->client.left, p.y + w->client.top};
}

POINT WindowManager::SurfaceOrigin(const Window* w) {
    const POINT p = WindowOrigin(w);
    const Window* root = Root(const_cast<Window*>(w));
    return {p.x - root->rect.left, p.y - root->rect.top};
}

bool WindowManager::IsShown(const Window* w) {
    for (; w; w = w->IsChild() ? w->parent : nullptr) {
        if (!w->Visible()) {
            return false;
        }
    }
    return true;
}

} // namespace win
