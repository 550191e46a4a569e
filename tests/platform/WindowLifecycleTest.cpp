// Classes, creation, destruction, links, attributes, text and registered messages.
#include "tests/platform/WinFixture.h"

#include "platform/win/ClassRegistry.h"
#include "platform/win/WindowSystem.h"

#include <cstring>
#include <string>

namespace wintest {
namespace {

using ::testing::ElementsAre;

class Lifecycle : public WinFixture {};

LRESULT Plain(HWND h, UINT m, WPARAM w, LPARAM l) {
    return DefWindowProcA(h, m, w, l);
}

TEST_F(Lifecycle, ClassesAreFoundIgnoringCaseAndProtected) {
    WNDCLASSA wc;
    ASSERT_TRUE(GetClassInfoA(nullptr, "wintestclass", &wc));
    EXPECT_EQ(wc.lpfnWndProc, &WinFixture::Proc);
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(6));
    EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_FALSE(GetClassInfoA(nullptr, "NoSuchClass", &wc));
    EXPECT_FALSE(GetClassInfoA(nullptr, nullptr, &wc));

    WNDCLASSA mine;
    mine.lpfnWndProc = Plain;
    mine.lpszClassName = "WINTESTCLASS";
    EXPECT_EQ(RegisterClassA(&mine), 0) << "same name in another case";
    mine.lpszClassName = "Button";
    EXPECT_EQ(RegisterClassA(&mine), 0) << "reserved for the built-in controls";
    WNDCLASSEXA builtin;
    builtin.lpfnWndProc = Plain;
    builtin.lpszClassName = "ScrollBar";
    EXPECT_NE(win::RegisterBuiltinClass(builtin), 0);
    EXPECT_EQ(win::RegisterBuiltinClass(builtin), 0);
    builtin.lpszClassName = "Mine";
    EXPECT_EQ(win::RegisterBuiltinClass(builtin), 0) << "only the reserved names";
    mine.lpszClassName = "";
    EXPECT_EQ(RegisterClassA(&mine), 0);
    EXPECT_EQ(RegisterClassA(nullptr), 0);

    mine.lpszClassName = "Transient";
    const ATOM atom = RegisterClassA(&mine);
    ASSERT_GE(atom, 0xC000);
    HWND w = CreateWindowExA(0, reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(atom)), "",
                             WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(w);
    DestroyWindow(w);
}

TEST_F(Lifecycle, CreationSendsItsMessagesInOrder) {
    Watch({WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW, WM_NCACTIVATE,
           WM_ACTIVATE, WM_SETFOCUS});
    HWND a = Popup("A", {10, 20, 110, 70}, nullptr, WS_BORDER);
    EXPECT_THAT(Take(), ElementsAre("A:WM_NCCREATE", "A:WM_NCCALCSIZE", "A:WM_CREATE", "A:WM_SIZE",
                                    "A:WM_MOVE", "A:WM_SHOWWINDOW", "A:WM_NCACTIVATE",
                                    "A:WM_ACTIVATE", "A:WM_SETFOCUS"));
    RECT r;
    GetClientRect(a, &r);
    EXPECT_EQ(r.right, 98) << "1-pixel border";
    EXPECT_EQ(r.bottom, 48);
    char title[8];
    EXPECT_EQ(GetWindowTextA(a, title, sizeof(title)), 1);
    EXPECT_STREQ(title, "A");
}

TEST_F(Lifecycle, CreateReturningMinusOneFails) {
    WNDCLASSA wc;
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_CREATE) {
            const auto* cs = reinterpret_cast<CREATESTRUCTA*>(l);
            return std::strcmp(cs->lpszName, "no") == 0 ? -1 : 0;
        }
        return DefWindowProcA(h, m, w, l);
    };
    wc.lpszClassName = "Refusing";
    RegisterClassA(&wc);
    HWND parent = Popup("P", {0, 0, 100, 100});
    EXPECT_FALSE(CreateWindowExA(0, "Refusing", "no", WS_CHILD, 0, 0, 5, 5, parent, nullptr,
                                 nullptr, nullptr));
    EXPECT_EQ(GetWindow(parent, GW_CHILD), nullptr);
    EXPECT_TRUE(CreateWindowExA(0, "Refusing", "yes", WS_CHILD, 0, 0, 5, 5, parent, nullptr,
                                nullptr, nullptr));
    EXPECT_FALSE(CreateWindowExA(0, "Refusing", "x", WS_CHILD, 0, 0, 5, 5, nullptr, nullptr,
                                 nullptr, nullptr))
        << "a child needs a parent";
    EXPECT_FALSE(
        CreateWindowExA(0, "Nope", "x", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr));
}

TEST_F(Lifecycle, LinksOwnersAndZOrder) {
    HWND dlg = Popup("D", {0, 0, 200, 200});
    HWND first = Child("1", dlg, {0, 0, 10, 10}, 0, 101);
    HWND second = Child("2", dlg, {0, 20, 10, 30}, 0, 102);
    HWND popup = Popup("P", {10, 10, 50, 50}, second);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), dlg) << "a child named as owner gives its top-level";
    EXPECT_EQ(GetParent(popup), dlg);
    EXPECT_EQ(GetParent(second), dlg);
    EXPECT_EQ(GetAncestor(second, GA_ROOT), dlg);
    EXPECT_EQ(GetAncestor(dlg, GA_PARENT), nullptr);
    EXPECT_TRUE(IsChild(dlg, second));
    EXPECT_FALSE(IsChild(dlg, popup));
    EXPECT_EQ(GetWindow(dlg, GW_CHILD), first) << "children in creation order, first on top";
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetDlgItem(dlg, 102), second);
    EXPECT_EQ(GetDlgCtrlID(first), 101);
    EXPECT_EQ(GetDlgItem(dlg, 5), nullptr);

    SetWindowPos(second, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(dlg, GW_CHILD), second);
    EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), first);
    SetActiveWindow(dlg);
    EXPECT_EQ(win::TopLevelWindows().front(), popup) << "owned windows stay above their owner";
}

TEST_F(Lifecycle, DestroyOrderAndOwnedPopups) {
    HWND a = Popup("A", {0, 0, 100, 100});
    HWND b = Child("B", a, {0, 0, 50, 50});
    Child("C", b, {0, 0, 10, 10});
    HWND p = Popup("P", {0, 0, 30, 30}, b);
    SetTimer(b, 1, 100, nullptr);
    Watch({WM_DESTROY, WM_NCDESTROY});
    EXPECT_TRUE(DestroyWindow(a));
    EXPECT_THAT(Take(),
                ElementsAre("P:WM_DESTROY", "P:WM_NCDESTROY", "A:WM_DESTROY", "B:WM_DESTROY",
                            "C:WM_DESTROY", "C:WM_NCDESTROY", "B:WM_NCDESTROY", "A:WM_NCDESTROY"));
    EXPECT_FALSE(IsWindow(a));
    EXPECT_FALSE(IsWindow(b));
    EXPECT_FALSE(IsWindow(p));
    EXPECT_FALSE(DestroyWindow(a));
    DWORD due;
    EXPECT_FALSE(win::NextTimerDue(&due)) << "timers die with their window";
}

TEST_F(Lifecycle, StaleAndForeignHandlesFailSafely) {
    HWND a = Popup("A", {0, 0, 100, 100});
    DestroyWindow(a);
    HWND b = Popup("B", {0, 0, 100, 100});
    EXPECT_NE(a, b) << "handle values are not reused at once";
    const HWND foreign = reinterpret_cast<HWND>(0x12345678);
    for (HWND h : {a, foreign}) {
        char buf[4] = "xy";
        RECT r{1, 2, 3, 4};
        POINT pt{5, 6};
        EXPECT_FALSE(IsWindow(h));
        EXPECT_EQ(SendMessageA(h, WM_USER, 0, 0), 0);
        EXPECT_FALSE(PostMessageA(h, WM_USER, 0, 0));
        EXPECT_EQ(GetWindowTextA(h, buf, 4), 0);
        EXPECT_FALSE(GetWindowRect(h, &r));
        EXPECT_FALSE(ScreenToClient(h, &pt));
        EXPECT_FALSE(ShowWindow(h, SW_SHOW));
        EXPECT_FALSE(SetWindowPos(h, nullptr, 0, 0, 1, 1, 0));
        EXPECT_EQ(SetFocus(h), nullptr);
        EXPECT_EQ(SetCapture(h), nullptr);
        EXPECT_EQ(SetTimer(h, 1, 10, nullptr), 0u);
        EXPECT_FALSE(InvalidateRect(h, nullptr, TRUE));
        EXPECT_EQ(GetDC(h), nullptr);
        EXPECT_EQ(BeginPaint(h, nullptr), nullptr);
        EXPECT_EQ(SetWindowLongPtrA(h, GWLP_USERDATA, 3), 0);
        EXPECT_FALSE(
            CreateWindowExA(0, ClassName, "", WS_CHILD, 0, 0, 1, 1, h, nullptr, nullptr, nullptr));
        EXPECT_EQ(pt.x, 5);
    }
    EXPECT_EQ(GetWindowTextA(b, nullptr, 10), 0);
    char one[1] = {'x'};
    EXPECT_EQ(GetWindowTextA(b, one, 0), 0);
    EXPECT_EQ(one[0], 'x') << "size 0 writes nothing";
}

TEST_F(Lifecycle, TextIsCutToTheBufferAndAttributesChangeLive) {
    HWND a = Popup("A", {0, 0, 100, 100});
    const std::string big(100000, 'q');
    EXPECT_TRUE(SetWindowTextA(a, big.c_str()));
    EXPECT_EQ(GetWindowTextLengthA(a), 100000);
    char buf[255];
    EXPECT_EQ(GetWindowTextA(a, buf, sizeof(buf)), 254);
    EXPECT_EQ(std::strlen(buf), 254u);
    EXPECT_TRUE(SetWindowTextA(a, nullptr));
    EXPECT_EQ(GetWindowTextLengthA(a), 0);

    SetWindowLongPtrA(a, GWLP_USERDATA, 42);
    EXPECT_EQ(GetWindowLongPtrA(a, GWLP_USERDATA), 42);
    const LONG_PTR style = GetWindowLongPtrA(a, GWL_STYLE);
    SetWindowLongPtrA(a, GWL_STYLE, style | 0x0B);
    EXPECT_EQ(GetWindowLongPtrA(a, GWL_STYLE) & 0xFFFF, 0x0B);

    static int subclassed = 0;
    static WNDPROC original = nullptr;
    original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(a, GWLP_WNDPROC));
    WNDPROC sub = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        subclassed += m == WM_USER ? 1 : 0;
        return CallWindowProcA(original, h, m, w, l);
    };
    EXPECT_EQ(SetWindowLongPtrA(a, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(sub)),
              reinterpret_cast<LONG_PTR>(original));
    Watch({WM_USER});
    SendMessageA(a, WM_USER, 0, 0);
    EXPECT_EQ(subclassed, 1);
    EXPECT_THAT(Take(), ElementsAre("A:WM_USER")) << "the original procedure still runs";
}

const UINT EarlyMessage = RegisterWindowMessageA("WinTestEarly"); // before any window

TEST_F(Lifecycle, RegisteredMessagesAreStableAndCaseBlind) {
    const UINT a = RegisterWindowMessageA("WM_XLISTCTRL_CHECKBOX_CLICKED");
    EXPECT_GE(a, 0xC000u);
    EXPECT_LE(a, 0xFFFFu);
    EXPECT_EQ(a, RegisterWindowMessageA("wm_xlistctrl_checkbox_clicked"));
    EXPECT_NE(a, RegisterWindowMessageA("WM_XCOMBOLIST_VK_RETURN"));
    EXPECT_EQ(EarlyMessage, RegisterWindowMessageA("WINTESTEARLY"));
    EXPECT_EQ(RegisterWindowMessageA(nullptr), 0u);
    EXPECT_EQ(RegisterWindowMessageA(""), 0u);
}

} // namespace
} // namespace wintest
