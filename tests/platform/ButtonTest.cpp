// Push buttons, check boxes and owner-drawn buttons driven by the injected mouse and keys.
#include "tests/platform/CtlFixture.h"

#include "platform/gfx/Gdi.h"

namespace wintest {
namespace {

using ::testing::ElementsAre;

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Grey = RGB(128, 128, 128);
constexpr COLORREF Face = RGB(192, 192, 192);

class Buttons : public CtlFixture {
  protected:
    bool Pushed(HWND b) { return (SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }
};

TEST_F(Buttons, PushClicksOnlyWhenReleasedInside) {
    HWND b = Make("Button", "OK", BS_PUSHBUTTON, {10, 10, 90, 33}, 7);
    const POINT in = At(b, 20, 10);
    PressAt(in);
    EXPECT_EQ(GetCapture(), b);
    EXPECT_EQ(GetFocus(), b);
    EXPECT_TRUE(Pushed(b));
    display->MoveMouse(in.x + 200, in.y);
    display->Pump();
    EXPECT_FALSE(Pushed(b)) << "the pushed look follows the pointer";
    display->MoveMouse(in.x, in.y);
    display->Pump();
    EXPECT_TRUE(Pushed(b));
    display->ButtonUp();
    EXPECT_THAT(Events(), ElementsAre("cmd:7:0"));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(Pushed(b));

    display->ButtonDown();
    display->MoveMouse(in.x + 200, in.y);
    display->ButtonUp();
    EXPECT_TRUE(Events().empty()) << "released outside";
    EXPECT_EQ(GetCapture(), nullptr);

    display->KeyDown(VK_SPACE);
    display->Pump();
    EXPECT_TRUE(Pushed(b));
    display->KeyUp(VK_SPACE);
    EXPECT_THAT(Events(), ElementsAre("cmd:7:0"));

    SendMessageA(b, BM_CLICK, 0, 0);
    EXPECT_THAT(Events(), ElementsAre("cmd:7:0"));
    EnableWindow(b, FALSE);
    SendMessageA(b, BM_CLICK, 0, 0);
    ClickAt(b, 20, 10);
    EXPECT_TRUE(Events().empty()) << "a disabled button clicks nothing";
}

TEST_F(Buttons, FocusLossOrCaptureLossCancelsThePress) {
    HWND b = Make("Button", "Go", BS_PUSHBUTTON, {10, 10, 90, 33}, 3);
    HWND other = Make("Button", "Other", BS_PUSHBUTTON, {100, 10, 180, 33}, 4);
    display->KeyDown(VK_SPACE); // nothing has the focus yet
    display->KeyUp(VK_SPACE);
    display->Pump();
    SetFocus(b);
    display->KeyDown(VK_SPACE);
    display->Pump();
    SetFocus(other);
    display->KeyUp(VK_SPACE);
    EXPECT_TRUE(Events().empty());
    EXPECT_FALSE(Pushed(b));

    PressAt(At(b, 5, 5));
    SetCapture(other);
    display->ButtonUp();
    EXPECT_THAT(Events(), ElementsAre());
    EXPECT_FALSE(Pushed(b));
}

TEST_F(Buttons, CheckBoxesToggleAndNotifyButCodeDoesNotNotify) {
    HWND box = Make("Button", "", BS_AUTOCHECKBOX, {10, 10, 25, 25}, 1010);
    HWND manual = Make("Button", "Manual", BS_CHECKBOX, {10, 40, 100, 55}, 1011);
    ClickAt(box, 5, 5);
    EXPECT_THAT(Events(), ElementsAre("cmd:1010:0"));
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    PressKey(VK_SPACE);
    EXPECT_THAT(Events(), ElementsAre("cmd:1010:0"));
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(box, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED) << "two states only";
    EXPECT_TRUE(Events().empty());

    ClickAt(manual, 5, 5);
    EXPECT_THAT(Events(), ElementsAre("cmd:1011:0"));
    EXPECT_EQ(SendMessageA(manual, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "BS_CHECKBOX waits";
    HWND push = Make("Button", "P", BS_PUSHBUTTON, {10, 60, 50, 80}, 9);
    SendMessageA(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(push, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Buttons, OwnerDrawReportsEveryPaintPushAndFocusChange) {
    HWND b = Make("Button", "+", BS_PUSHBUTTON, {10, 10, 37, 37}, 1016);
    display->Pump();
    events.clear();
    SendMessageA(b, BM_SETSTYLE, BS_OWNERDRAW, TRUE);
    EXPECT_THAT(Events(), ElementsAre("draw:1:0")) << "restyled with redraw: drawn at once";
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].CtlType, ODT_BUTTON);
    EXPECT_EQ(drawn[0].CtlID, 1016u);
    EXPECT_EQ(drawn[0].hwndItem, b);
    EXPECT_EQ(drawn[0].rcItem.right, 27);
    EXPECT_EQ(drawn[0].rcItem.bottom, 27);
    EXPECT_NE(drawn[0].hDC, nullptr);

    const POINT in = At(b, 5, 5);
    display->MoveMouse(in.x, in.y);
    display->ButtonDown();
    display->ButtonUp();
    EXPECT_THAT(Events(), ElementsAre("draw:4:16", "draw:2:17", "draw:2:16", "cmd:1016:0"));
    display->AdvanceClock(1000);
    display->DoubleClick(in.x, in.y); // the second press counts
    EXPECT_THAT(Events(), ElementsAre("draw:2:17", "draw:2:16", "cmd:1016:0", "draw:2:17",
                                      "draw:2:16", "cmd:1016:0"));
    SetFocus(dialog);
    EXPECT_THAT(Events(), ElementsAre("draw:4:0"));
    EnableWindow(b, FALSE);
    EXPECT_THAT(Events(), ElementsAre("draw:1:4"));
    EXPECT_EQ(SendMessageA(b, WM_GETDLGCODE, 0, 0), DLGC_BUTTON) << "never a default button";

    HWND c = Make("Button", "-", BS_PUSHBUTTON, {40, 10, 67, 37}, 1018);
    display->Pump();
    events.clear();
    SetWindowLongPtrA(c, GWL_STYLE, GetWindowLongPtrA(c, GWL_STYLE) | BS_OWNERDRAW);
    EXPECT_THAT(Events(), ElementsAre("draw:1:0"));
}

TEST_F(Buttons, DefaultButtonStyleAndDialogCodes) {
    HWND ok = Make("Button", "OK", BS_DEFPUSHBUTTON, {10, 10, 90, 33}, IDOK);
    HWND cancel = Make("Button", "Cancel", BS_PUSHBUTTON, {100, 10, 180, 33}, IDCANCEL);
    HWND box = Make("Button", "", BS_AUTOCHECKBOX | WS_TABSTOP, {10, 40, 25, 55}, 1013);
    EXPECT_EQ(SendMessageA(ok, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    EXPECT_EQ(SendMessageA(cancel, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
    EXPECT_EQ(SendMessageA(box, WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
    // The dialog manager moves the default look to the focused push button and back.
    SendMessageA(ok, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    SendMessageA(cancel, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(SendMessageA(cancel, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtrA(cancel, GWL_STYLE) & 0xFFFF0000,
              static_cast<LONG_PTR>(WS_CHILD | WS_VISIBLE));
    display->Pump();
    EXPECT_EQ(Pixel(cancel, 0, 0), Black) << "the default button's dark frame";
    EXPECT_EQ(Pixel(cancel, 79, 22), Black);
    EXPECT_EQ(Pixel(cancel, 1, 1), White);
    EXPECT_EQ(Pixel(ok, 0, 0), White) << "a plain button: raised edge, light outside";
    ExpectPixels(ok, {{79, 22, Black}, {78, 21, Grey}, {40, 2, Face}});
}

TEST_F(Buttons, CheckBoxPixelsAndColourRequests) {
    int staticRequests = 0;
    int buttonRequests = 0;
    On(dialog, WM_CTLCOLORSTATIC, [&](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
        ++staticRequests;
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    });
    On(dialog, WM_CTLCOLORBTN, [&](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
        ++buttonRequests;
        return std::nullopt;
    });
    HWND box = Make("Button", "", BS_AUTOCHECKBOX, {10, 10, 25, 25}, 1010);
    Make("Button", "Push", BS_PUSHBUTTON, {40, 10, 90, 30}, 5);
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    display->Pump();
    EXPECT_GT(staticRequests, 0) << "check boxes ask as statics";
    EXPECT_GT(buttonRequests, 0) << "push buttons ask as buttons";
    // The box is 13 x 13, centred vertically in the 15-pixel control: top row 1.
    ExpectPixels(box, {{0, 1, Grey}, {1, 2, Black}, {12, 13, White}, {11, 12, Face}});
    EXPECT_EQ(Pixel(box, 14, 5), White) << "background from the parent's brush";
    EXPECT_EQ(Pixel(box, 3, 7), Black) << "check mark";
    ExpectPixels(box, {{5, 10, Black}, {9, 4, Black}, {9, 9, White}});
    SendMessageA(box, BM_SETCHECK, BST_UNCHECKED, 0);
    display->Pump();
    EXPECT_EQ(Pixel(box, 5, 10), White);
    EnableWindow(box, FALSE);
    display->Pump();
    EXPECT_EQ(Pixel(box, 5, 10), Face) << "a disabled box is grey inside";
}

} // namespace
} // namespace wintest
