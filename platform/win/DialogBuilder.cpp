#include "platform/win/DialogBuilder.h"

#include "platform/gfx/Gdi.h"
#include "platform/win/DialogNavigator.h"
#include "platform/win/DialogProcedure.h"
#include "platform/win/DialogTable.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace win {

namespace {

// Beyond any sensible dialog font; measuring huge fonts is slow.
constexpr int MaxPointSize = 200;

bool IsButtonClass(const char* name) {
    if (!name || std::strlen(name) != 6) {
        return false;
    }
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return folded == "button";
}

LONG Horizontal(int du, SIZE units) {
    return MulDiv(du, units.cx, 4);
}

LONG Vertical(int du, SIZE units) {
    return MulDiv(du, units.cy, 8);
}

// Centres size over area, kept inside the work area where it fits.
LONG CentreOn(LONG areaStart, LONG areaSize, LONG size, LONG workStart, LONG workEnd) {
    const LONG at = areaStart + (areaSize - size) / 2;
    return std::max(workStart, std::min(at, workEnd - size));
}

DWORD FrameExStyle(const DialogTemplate& tpl) {
    return tpl.exStyle | ((tpl.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0);
}

} // namespace

HWND DialogBuilder::Build(HINSTANCE instance, const DialogTemplate& tpl, HWND owner, DLGPROC proc,
                          LPARAM param, bool honourVisible) {
    if ((owner && !IsWindow(owner)) || !DialogProcedure::Register()) {
        return nullptr;
    }
    HFONT font = MakeFont(tpl);
    const SIZE units =
        gfx::DialogBaseUnits(font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    const HWND dialog = MakeWindow(instance, tpl, owner, units);
    if (!dialog) {
        DeleteObject(font);
        return nullptr;
    }
    DialogData& data = DialogTable::Get().Add(dialog);
    data.font = font;
    data.ownedFont = font;
    data.baseUnits = units;
    data.defId = TemplateDefaultId(tpl);
    SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    if (font) {
        SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (!MakeControls(dialog, instance, tpl)) {
        DestroyWindow(dialog);
        return nullptr;
    }
    Initialise(dialog, param);
    const DialogData* after = DialogTable::Get().Find(dialog);
    if (after && honourVisible && !after->ended && (tpl.style & WS_VISIBLE)) {
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    return IsWindow(dialog) ? dialog : nullptr;
}

HFONT DialogBuilder::MakeFont(const DialogTemplate& tpl) {
    if (!(tpl.style & DS_SETFONT) || !tpl.fontFace || !*tpl.fontFace || tpl.pointSize <= 0) {
        return nullptr;
    }
    LOGFONTA lf;
    lf.lfHeight = -MulDiv(std::min(tpl.pointSize, MaxPointSize), 96, 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, tpl.fontFace, sizeof(lf.lfFaceName) - 1);
    return CreateFontIndirectA(&lf);
}

HWND DialogBuilder::MakeWindow(HINSTANCE instance, const DialogTemplate& tpl, HWND owner,
                               SIZE units) {
    const RECT r = Placement(tpl, owner, units);
    return CreateWindowExA(FrameExStyle(tpl), DialogProcedure::ClassName,
                           tpl.title ? tpl.title : "", tpl.style & ~WS_VISIBLE, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, owner, nullptr, instance, nullptr);
}

RECT DialogBuilder::Placement(const DialogTemplate& tpl, HWND owner, SIZE units) {
    RECT frame{0, 0, Horizontal(tpl.cx, units), Vertical(tpl.cy, units)};
    AdjustWindowRectEx(&frame, tpl.style, FALSE, FrameExStyle(tpl));
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    if (tpl.style & WS_CHILD) {
        const LONG x = Horizontal(tpl.x, units);
        const LONG y = Vertical(tpl.y, units);
        return {x, y, x + width, y + height};
    }
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT area = work;
    if (owner && IsWindowVisible(owner)) {
        GetWindowRect(owner, &area);
    }
    const LONG x = CentreOn(area.left, area.right - area.left, width, work.left, work.right);
    const LONG y = CentreOn(area.top, area.bottom - area.top, height, work.top, work.bottom);
    return {x, y, x + width, y + height};
}

bool DialogBuilder::MakeControls(HWND dialog, HINSTANCE instance, const DialogTemplate& tpl) {
    const DialogData* data = DialogTable::Get().Find(dialog);
    const SIZE units = data ? data->baseUnits : SIZE{};
    const HFONT font = data ? data->ownedFont : nullptr;
    for (const DialogItemTemplate& item : tpl.items) {
        const HWND control =
            item.className
                ? CreateWindowExA(item.exStyle | WS_EX_NOPARENTNOTIFY, item.className,
                                  item.text ? item.text : "", (item.style | WS_CHILD) & ~WS_POPUP,
                                  Horizontal(item.x, units), Vertical(item.y, units),
                                  Horizontal(item.cx, units), Vertical(item.cy, units), dialog,
                                  reinterpret_cast<HMENU>(static_cast<std::intptr_t>(item.id)),
                                  instance, nullptr)
                : nullptr;
        if (!IsWindow(dialog) || (!control && !(tpl.style & DS_NOFAILCREATE))) {
            return false;
        }
        if (control && font) {
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    }
    return IsWindow(dialog) != FALSE;
}

int DialogBuilder::TemplateDefaultId(const DialogTemplate& tpl) {
    for (const DialogItemTemplate& item : tpl.items) {
        if (IsButtonClass(item.className) && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            return item.id;
        }
    }
    return IDOK;
}

void DialogBuilder::Initialise(HWND dialog, LPARAM param) {
    const HWND first = DialogNavigator::FirstFocus(dialog);
    const LRESULT setFocus =
        SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    if (setFocus && IsWindow(dialog)) {
        DialogNavigator::MoveFocus(dialog, DialogNavigator::FirstFocus(dialog));
    }
}

} // namespace win
