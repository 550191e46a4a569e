#include "tests/desktop/DesktopPeer.h"

#include "platform/afx/CCheckListBox.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WinDialogs.h"
#include "platform/win/WindowSystem.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <functional>
#include <thread>

namespace desktoptest {

namespace {

constexpr int Tries = 750; // 15 s: a loaded machine starts a dialog slowly
constexpr int PollMs = 20;
constexpr int GridUnits = 16;
constexpr int AndOrUnits = 3;
constexpr int FieldsUnits = 5;

// Searches the root's children and, under a window manager, their children (frames hold
// the client windows), front to back.
::Window FindChild(Display* display, const std::function<bool(::Window)>& wanted,
                   ::Window parent = 0, int depth = 2) {
    ::Window root = 0, up = 0, *children = nullptr;
    unsigned count = 0;
    ::Window found = 0;
    if (!XQueryTree(display, parent ? parent : DefaultRootWindow(display), &root, &up, &children,
                    &count))
        return 0;
    for (unsigned i = count; i-- > 0 && !found;) {
        XWindowAttributes a{};
        if (!XGetWindowAttributes(display, children[i], &a) || a.map_state != IsViewable)
            continue;
        if (wanted(children[i]))
            found = children[i];
        else if (depth > 1)
            found = FindChild(display, wanted, children[i], depth - 1);
    }
    if (children)
        XFree(children);
    return found;
}

::Window Poll(const std::function<::Window()>& find) {
    for (int i = 0; i < Tries; ++i) {
        if (::Window w = find())
            return w;
        std::this_thread::sleep_for(std::chrono::milliseconds(PollMs));
    }
    return 0;
}

std::vector<unsigned char> Raw(Display* display, ::Window window, const char* property, Atom& type,
                               int& format, unsigned long& count) {
    unsigned char* data = nullptr;
    unsigned long after = 0;
    std::vector<unsigned char> bytes;
    if (XGetWindowProperty(display, window, XInternAtom(display, property, False), 0, 1 << 20,
                           False, AnyPropertyType, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        const std::size_t size = format == 32 ? sizeof(long) : static_cast<std::size_t>(format / 8);
        bytes.assign(data, data + count * size);
    }
    if (data)
        XFree(data);
    return bytes;
}

} // namespace

::Window WaitForWindow(Display* display, const char* title) {
    return Poll([&] {
        return FindChild(display, [&](::Window w) {
            char* name = nullptr;
            const bool match = XFetchName(display, w, &name) && name && std::string(name) == title;
            if (name)
                XFree(name);
            return match;
        });
    });
}

::Window WaitForPopup(Display* display) {
    return Poll([&] {
        return FindChild(display, [&](::Window w) {
            XWindowAttributes a{};
            return XGetWindowAttributes(display, w, &a) && a.override_redirect;
        });
    });
}

bool WaitUntilGone(Display* display, ::Window window) {
    return Poll([&]() -> ::Window {
               XWindowAttributes a{};
               return !XGetWindowAttributes(display, window, &a) || a.map_state != IsViewable;
           }) != 0;
}

std::vector<long> Cardinals(Display* display, ::Window window, const char* property) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    const auto bytes = Raw(display, window, property, type, format, count);
    std::vector<long> values;
    if (format == 32)
        values.assign(reinterpret_cast<const long*>(bytes.data()),
                      reinterpret_cast<const long*>(bytes.data()) + count);
    return values;
}

std::vector<std::string> AtomNames(Display* display, ::Window window, const char* property) {
    std::vector<std::string> names;
    for (long atom : Cardinals(display, window, property)) {
        char* name = XGetAtomName(display, static_cast<Atom>(atom));
        names.emplace_back(name ? name : "");
        if (name)
            XFree(name);
    }
    return names;
}

std::string Text(Display* display, ::Window window, const char* property) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    const auto bytes = Raw(display, window, property, type, format, count);
    return format == 8 ? std::string(bytes.begin(), bytes.end()) : std::string();
}

::Window TransientFor(Display* display, ::Window window) {
    ::Window owner = 0;
    return XGetTransientForHint(display, window, &owner) ? owner : 0;
}

RECT RootRect(Display* display, ::Window window) {
    XWindowAttributes a{};
    int x = 0, y = 0;
    ::Window child = 0;
    XGetWindowAttributes(display, window, &a);
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return {x, y, x + a.width, y + a.height};
}

void Click(Display* display, ::Window window, POINT at) {
    const RECT r = RootRect(display, window);
    XTestFakeMotionEvent(display, -1, r.left + at.x, r.top + at.y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}

void RequestClose(Display* display, ::Window window) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &e);
    XSync(display, False);
}

void SetActiveWindow(Display* display, ::Window window) {
    const long value = static_cast<long>(window);
    XChangeProperty(display, DefaultRootWindow(display),
                    XInternAtom(display, "_NET_ACTIVE_WINDOW", False), XA_WINDOW, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&value), 1);
    XSync(display, False);
}

DialogTargets QueryBuilderTargets() {
    win::SetBackend(std::make_unique<backend::HeadlessBackend>());
    ctl::RegisterBuiltinControls();
    const HWND probe =
        CreateDialogIndirectParamA(nullptr, &res::QueryBuilderTemplate(), nullptr, nullptr, 0);
    DialogTargets targets{};
    RECT combo{};
    GetWindowRect(GetDlgItem(probe, res::IDC_TABLE), &combo);
    RECT grid{};
    GetWindowRect(GetDlgItem(probe, res::IDC_WHERE_GRID), &grid);
    POINT origin{0, 0};
    ClientToScreen(probe, &origin);
    const LONG unit = (grid.right - grid.left - 4) / GridUnits;
    targets.tableCombo = {(combo.left + combo.right) / 2 - origin.x, (combo.top + 10) - origin.y};
    targets.fieldsCell = {grid.left + 2 + AndOrUnits * unit + FieldsUnits * unit / 2 - origin.x,
                          grid.top + 8 - origin.y};
    RECT ok{};
    GetWindowRect(GetDlgItem(probe, IDOK), &ok);
    targets.okButton = {(ok.left + ok.right) / 2 - origin.x, (ok.top + ok.bottom) / 2 - origin.y};
    CCheckListBox list; // the host's column list is a check list: items of its height
    if (list.SubclassWindow(GetDlgItem(probe, res::IDC_COLUMNS))) {
        for (const char* item : {"*", "ID", "Name"}) {
            list.AddString(item);
        }
        RECT item{};
        list.GetItemRect(2, &item);
        targets.nameBox = {item.left + 1 + CCheckListBox::BoxSize / 2,
                           (item.top + item.bottom) / 2};
        MapWindowPoints(list.m_hWnd, probe, &targets.nameBox, 1);
        list.UnsubclassWindow();
    }
    DestroyWindow(probe);
    win::SetBackend(nullptr);
    return targets;
}

} // namespace desktoptest
