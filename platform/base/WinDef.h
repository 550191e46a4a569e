#pragma once
// The Win32 base types, handles and geometry records, header-only so that every
// layer of the platform (drawing included) speaks the same vocabulary.
#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using INT_PTR = std::intptr_t;
using DWORD_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using ATOM = std::uint16_t;
using COLORREF = std::uint32_t; // 0x00BBGGRR: red in the low byte
using LPSTR = char*;
using LPCSTR = const char*;
using WCHAR = char16_t;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
inline constexpr int MAX_PATH = 260;

// Handles are opaque values checked by the platform on every use; they are never dereferenced.
#define QV_DECLARE_HANDLE(name)                                                                    \
    struct name##__;                                                                               \
    using name = name##__*
QV_DECLARE_HANDLE(HWND);
QV_DECLARE_HANDLE(HDC);
QV_DECLARE_HANDLE(HPEN);
QV_DECLARE_HANDLE(HBRUSH);
QV_DECLARE_HANDLE(HFONT);
QV_DECLARE_HANDLE(HBITMAP);
QV_DECLARE_HANDLE(HRGN);
QV_DECLARE_HANDLE(HICON);
QV_DECLARE_HANDLE(HCURSOR);
QV_DECLARE_HANDLE(HMENU);
QV_DECLARE_HANDLE(HINSTANCE);
QV_DECLARE_HANDLE(HIMAGELIST);
#undef QV_DECLARE_HANDLE
using HMODULE = HINSTANCE;
// As on the original platform: any drawing object handle passes where an HGDIOBJ is asked for.
using HGDIOBJ = void*;

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
           (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

constexpr WORD LOWORD(std::uintptr_t v) {
    return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t v) {
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(int lo, int hi) {
    return static_cast<LPARAM>((static_cast<DWORD>(lo) & 0xFFFF) |
                               ((static_cast<DWORD>(hi) & 0xFFFF) << 16));
}
constexpr int GET_X_LPARAM(LPARAM lp) {
    return static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lp)));
}
constexpr int GET_Y_LPARAM(LPARAM lp) {
    return static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lp)));
}
// The point a mouse message carries: signed x in the low word, y in the high word.
constexpr POINT PointOf(LPARAM lp) {
    return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
}
