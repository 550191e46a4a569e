#include "platform/afx/CImageList.h"

#include <algorithm>
#include <map>
#include <vector>

struct CImageList::Store {
    int width = 0;
    int height = 0;
    UINT flags = 0;
    COLORREF background = CLR_NONE;
    // Per image, row by row; a transparent pixel is kept as CLR_NONE.
    std::vector<std::vector<COLORREF>> images;
};

namespace {

std::map<HIMAGELIST, CImageList*>& Lists() {
    static std::map<HIMAGELIST, CImageList*> lists;
    return lists;
}

// Images wider or higher than this are refused: a list holds small glyphs.
constexpr int MaxSide = 4096;

} // namespace

CImageList::CImageList() = default;

CImageList::~CImageList() {
    DeleteImageList();
}

BOOL CImageList::Create(int width, int height, UINT flags, int initial, int) {
    if (m_hImageList || width <= 0 || height <= 0 || width > MaxSide || height > MaxSide) {
        return FALSE;
    }
    store = std::make_unique<Store>();
    store->width = width;
    store->height = height;
    store->flags = flags;
    store->images.reserve(static_cast<std::size_t>(std::clamp(initial, 0, 256)));
    m_hImageList = reinterpret_cast<HIMAGELIST>(store.get());
    Lists()[m_hImageList] = this;
    return TRUE;
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList) {
        return FALSE;
    }
    Lists().erase(m_hImageList);
    m_hImageList = nullptr;
    store.reset();
    return TRUE;
}

int CImageList::GetImageCount() const {
    return store ? static_cast<int>(store->images.size()) : 0;
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask) {
    BITMAP info{};
    if (!store || !bitmap || !bitmap->GetBitmap(&info) || info.bmWidth < store->width ||
        info.bmHeight < store->height) {
        return -1;
    }
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = dc ? ::SelectObject(dc, bitmap->m_hObject) : nullptr;
    if (!old) {
        ::DeleteDC(dc);
        return -1;
    }
    const int first = GetImageCount();
    const bool masked = (store->flags & ILC_MASK) != 0;
    for (int left = 0; left + store->width <= info.bmWidth; left += store->width) {
        std::vector<COLORREF> pixels;
        pixels.reserve(static_cast<std::size_t>(store->width * store->height));
        for (int y = 0; y < store->height; ++y) {
            for (int x = 0; x < store->width; ++x) {
                const COLORREF c = ::GetPixel(dc, left + x, y);
                pixels.push_back(masked && c == mask ? CLR_NONE : c);
            }
        }
        store->images.push_back(std::move(pixels));
    }
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return first;
}

BOOL CImageList::GetImageInfo(int image, IMAGEINFO* info) const {
    if (!info || image < 0 || image >= GetImageCount()) {
        return FALSE;
    }
    *info = IMAGEINFO{};
    info->rcImage = {image * store->width, 0, (image + 1) * store->width, store->height};
    return TRUE;
}

COLORREF CImageList::GetBkColor() const {
    return store ? store->background : CLR_NONE;
}

COLORREF CImageList::SetBkColor(COLORREF colour) {
    if (!store) {
        return CLR_NONE;
    }
    const COLORREF old = store->background;
    store->background = colour;
    return old;
}

BOOL CImageList::DrawIndirect(CDC* dc, int image, POINT pt, SIZE size, POINT origin, UINT style,
                              DWORD rop, COLORREF back, COLORREF) {
    if (!dc || !dc->m_hDC || image < 0 || image >= GetImageCount() || rop != SRCCOPY) {
        return FALSE;
    }
    if (origin.x < -MaxSide || origin.x > MaxSide || origin.y < -MaxSide || origin.y > MaxSide) {
        return TRUE; // nothing of the image lies there
    }
    const auto& pixels = store->images[static_cast<std::size_t>(image)];
    const COLORREF fill = (style & ILD_TRANSPARENT) ? CLR_NONE
                          : back == CLR_DEFAULT     ? store->background
                                                    : back;
    // Only the part of the image inside both the size asked and the image is visited.
    const int width = size.cx > 0 ? size.cx : store->width;
    const int height = size.cy > 0 ? size.cy : store->height;
    const int x0 = std::max(0, -origin.x), x1 = std::min(width, store->width - origin.x);
    const int y0 = std::max(0, -origin.y), y1 = std::min(height, store->height - origin.y);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const auto at = static_cast<std::size_t>((origin.y + y) * store->width + origin.x + x);
            const COLORREF out = pixels[at] == CLR_NONE ? fill : pixels[at];
            if (out != CLR_NONE) {
                ::SetPixel(dc->m_hDC, pt.x + x, pt.y + y, out);
            }
        }
    }
    return TRUE;
}

CImageList* CImageList::FromHandle(HIMAGELIST handle) {
    const auto found = Lists().find(handle);
    return found == Lists().end() ? nullptr : found->second;
}
