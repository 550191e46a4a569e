#pragma once
// A list of same-sized images with an optional transparency mask, drawn one at a time. The
// handle is the list's own identity: FromHandle answers null for a handle of no live list.
#include "platform/afx/CDC.h"

#include <memory>

inline constexpr UINT ILC_MASK = 0x0001;
inline constexpr UINT ILC_COLOR32 = 0x0020;
inline constexpr UINT ILD_NORMAL = 0x0000;
inline constexpr UINT ILD_TRANSPARENT = 0x0001;
inline constexpr COLORREF CLR_NONE = 0xFFFFFFFFu;
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000u;

struct IMAGEINFO {
    HBITMAP hbmImage = nullptr;
    HBITMAP hbmMask = nullptr;
    int Unused1 = 0;
    int Unused2 = 0;
    RECT rcImage{};
};

class CImageList {
  public:
    CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList();

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    // Images of width × height; ILC_MASK makes the pixels of the mask colour given to Add
    // transparent. initial and grow only size the storage in advance.
    BOOL Create(int width, int height, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    int GetImageCount() const;
    // Cuts bitmap into images of the list's width, left to right; the index of the first or -1.
    int Add(CBitmap* bitmap, COLORREF mask);
    BOOL GetImageInfo(int image, IMAGEINFO* info) const;
    COLORREF GetBkColor() const;
    COLORREF SetBkColor(COLORREF colour);
    // Draws image at pt, size pixels of it starting at origin. Transparent pixels take the
    // background colour (back, or the list's own for CLR_DEFAULT) or stay untouched for
    // CLR_NONE and ILD_TRANSPARENT. Only SRCCOPY is supported.
    BOOL DrawIndirect(CDC* dc, int image, POINT pt, SIZE size, POINT origin,
                      UINT style = ILD_NORMAL, DWORD rop = SRCCOPY, COLORREF back = CLR_DEFAULT,
                      COLORREF fore = CLR_DEFAULT);

    static CImageList* FromHandle(HIMAGELIST handle);

  private:
    struct Store;
    std::unique_ptr<Store> store;
};
