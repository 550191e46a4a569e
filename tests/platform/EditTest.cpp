// Edit controls: the text model, line layout, and the window driven by injected keys and mouse.
#include "tests/platform/CtlFixture.h"
#include "tests/platform/GfxTestSurface.h"

#include "platform/backend/HeadlessBackend.h"
#include "platform/ctl/Clipboard.h"
#include "platform/ctl/EditBuffer.h"
#include "platform/ctl/EditControl.h"
#include "platform/ctl/EditLayout.h"
#include "platform/gfx/Gdi.h"

#include <algorithm>
#include <functional>

namespace wintest {
namespace {

using ::testing::ElementsAre;

constexpr int Id = 2260;
const std::string Update = "cmd:2260:1024";
const std::string Change = "cmd:2260:768";

TEST(EditBuffer, MovesByWholeCharactersAndKeepsTheLimit) {
    ctl::EditBuffer b;
    b.SetText("a\xC3\xA9\xE2\x82\xAC z"); // a é € blank z
    EXPECT_EQ(b.NextChar(1), 3u);
    EXPECT_EQ(b.NextChar(3), 6u);
    EXPECT_EQ(b.PrevChar(6), 3u);
    EXPECT_EQ(b.CharStart(5), 3u);
    b.Select(2, 5); // inside characters: both ends move back to their starts
    EXPECT_EQ(b.SelStart(), 1u);
    EXPECT_EQ(b.SelEnd(), 3u);
    b.SetLimit(10);
    b.MoveCaret(8, false);
    bool cut = false;
    EXPECT_TRUE(b.ReplaceSelection("\xC3\xA9\xE2\x82\xAC", true, &cut)) << "room for 2 bytes";
    EXPECT_TRUE(cut);
    EXPECT_EQ(b.Text(), "a\xC3\xA9\xE2\x82\xAC z\xC3\xA9") << "nothing cut in half";
    EXPECT_FALSE(b.ReplaceSelection("z", true, &cut));
    b.SetLimit(0);
    EXPECT_EQ(b.Limit(), ctl::EditBuffer::Unlimited);

    b.SetText("one two  three");
    EXPECT_EQ(b.NextWord(0), 4u);
    EXPECT_EQ(b.NextWord(4), 9u);
    EXPECT_EQ(b.PrevWord(9), 4u);
    std::size_t from = 0;
    std::size_t to = 0;
    b.WordAt(5, &from, &to);
    EXPECT_EQ(b.Text().substr(from, to - from), "two");
    b.WordAt(8, &from, &to);
    EXPECT_EQ(b.Text().substr(from, to - from), "  ");
    b.WordAt(14, &from, &to);
    EXPECT_EQ(b.Text().substr(from, to - from), "three");
}

TEST(EditBuffer, UndoJoinsTypingAndSwapsBack) {
    ctl::EditBuffer b;
    EXPECT_FALSE(b.Undo());
    for (char c : std::string("abc")) {
        b.ReplaceSelection(std::string(1, c), true);
    }
    b.MoveCaret(1, false);
    b.ReplaceSelection("X", true);
    EXPECT_EQ(b.Text(), "aXbc");
    EXPECT_TRUE(b.Undo());
    EXPECT_EQ(b.Text(), "abc") << "a caret move starts a new step";
    EXPECT_TRUE(b.Undo());
    EXPECT_EQ(b.Text(), "aXbc") << "undo twice redoes";
    b.Select(0, 4);
    EXPECT_TRUE(b.DeleteBackward());
    EXPECT_EQ(b.Text(), "");
    EXPECT_FALSE(b.DeleteBackward());
    EXPECT_FALSE(b.DeleteForward());
    b.Undo();
    EXPECT_EQ(b.Text(), "aXbc");
}

TEST(EditLayout, WrapsAfterBlanksAndBreaksAtLineEnds) {
    ctl::EditLayout layout;
    const std::string text = "aaa bbb cccccccc\r\nd";
    layout.Build(text, std::vector<int>(text.size(), 10), 45);
    const auto& lines = layout.Lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(text.substr(lines[0].start, lines[0].end - lines[0].start), "aaa ");
    EXPECT_EQ(text.substr(lines[1].start, lines[1].end - lines[1].start), "bbb ");
    EXPECT_EQ(text.substr(lines[2].start, lines[2].end - lines[2].start), "cccc")
        << "a long word is cut";
    EXPECT_EQ(text.substr(lines[3].start, lines[3].end - lines[3].start), "cccc");
    EXPECT_FALSE(lines[3].soft);
    EXPECT_EQ(text.substr(lines[4].start), "d");
    EXPECT_EQ(layout.LineOf(4), 1u) << "a soft line's end belongs to the next line";
    EXPECT_EQ(layout.LineOf(16), 3u) << "the end before CR LF stays on its line";
    EXPECT_EQ(layout.LineEnd(0), 3u);
    EXPECT_EQ(layout.X(6), 20);
    EXPECT_EQ(layout.PosAt(1, 14), 5u);
    EXPECT_EQ(layout.PosAt(1, 400), 7u);
    EXPECT_EQ(layout.PosAt(9, 0), text.size());
    layout.Build("", {}, 45);
    EXPECT_EQ(layout.Lines().size(), 1u);
}

class Edits : public CtlFixture {
  protected:
    HWND Edit(DWORD style, RECT r = {10, 10, 200, 33}, DWORD ex = WS_EX_CLIENTEDGE) {
        HWND e = Make("Edit", "", style, r, Id, ex);
        SendMessageA(e, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), 0);
        return e;
    }
    std::pair<DWORD, DWORD> Sel(HWND e) {
        DWORD a = 0;
        DWORD b = 0;
        SendMessageA(e, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
        return {a, b};
    }
    // Client x of the middle of character i of the edit's text.
    int XOf(const std::string& text, std::size_t i) {
        HDC dc = GetDC(nullptr);
        SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
        SIZE before{};
        SIZE with{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(i), &before);
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(i + 1), &with);
        ReleaseDC(nullptr, dc);
        return 1 + (before.cx + with.cx) / 2;
    }
};

TEST_F(Edits, TypingEditsAndNotifies) {
    HWND e = Edit(ES_AUTOHSCROLL);
    SetFocus(e);
    EXPECT_THAT(Events(), ElementsAre("cmd:2260:256")) << "EN_SETFOCUS";
    display->TypeText("ab");
    EXPECT_THAT(Events(), ElementsAre(Update, Change, Update, Change));
    display->TypeText("\xE2\x82\xAC"); // one character arriving byte by byte
    EXPECT_THAT(Events(), ElementsAre(Update, Change));
    EXPECT_EQ(Text(e), "ab\xE2\x82\xAC");
    PressKey(VK_LEFT, VK_SHIFT);
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{2}, DWORD{5}));
    PressKey(VK_BACK);
    PressKey(VK_HOME);
    PressKey(VK_DELETE);
    EXPECT_EQ(Text(e), "b");
    display->Key(VK_RETURN);
    display->Key(VK_ESCAPE);
    EXPECT_EQ(Text(e), "b") << "a single line takes no line breaks";
    events.clear();
    SetWindowTextA(e, "set");
    EXPECT_THAT(Events(), ElementsAre(Update, Change)) << "set text notifies as Windows does";
    SendMessageA(e, EM_SETSEL, 1, 2);
    SendMessageA(e, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("ECRE"));
    EXPECT_EQ(Text(e), "sECREt");
    EXPECT_EQ(SendMessageA(e, EM_UNDO, 0, 0), TRUE);
    EXPECT_EQ(Text(e), "set");
    SetFocus(dialog);
    EXPECT_THAT(Events(), ElementsAre(Update, Change, Update, Change, "cmd:2260:512"));
    EXPECT_EQ(SendMessageA(e, WM_GETDLGCODE, 0, 0),
              DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
    char small[3] = {'x', 'x', 'x'};
    EXPECT_EQ(SendMessageA(e, WM_GETTEXT, 3, reinterpret_cast<LPARAM>(small)), 2);
    EXPECT_STREQ(small, "se");
    EXPECT_EQ(SendMessageA(e, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(small)), 0);
    SendMessageA(e, EM_REPLACESEL, 0, 0);
    SendMessageA(e, WM_SETTEXT, 0, 0);
    EXPECT_EQ(Text(e), "");
}

TEST_F(Edits, ClipboardKeysSelectionAndLimit) {
    HWND e = Edit(ES_AUTOHSCROLL);
    SetFocus(e);
    display->TypeText("abc");
    PressKey(VK_HOME, VK_SHIFT);
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{0}, DWORD{3}));
    PressKey('C', VK_CONTROL);
    EXPECT_EQ(ctl::Clipboard::Text(), "abc");
    PressKey(VK_END);
    PressKey('V', VK_CONTROL);
    EXPECT_EQ(Text(e), "abcabc");
    PressKey('A', VK_CONTROL);
    PressKey('X', VK_CONTROL);
    EXPECT_EQ(Text(e), "");
    EXPECT_EQ(ctl::Clipboard::Text(), "abcabc");
    PressKey('Z', VK_CONTROL);
    EXPECT_EQ(Text(e), "abcabc");
    PressKey(VK_LEFT, VK_CONTROL);
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{0}, DWORD{0}));
    ctl::Clipboard::SetText("x\r\ny");
    PressKey(VK_INSERT, VK_SHIFT);
    EXPECT_EQ(Text(e), "xabcabc") << "a single line pastes up to the first break";

    SetWindowTextA(e, "");
    SendMessageA(e, EM_LIMITTEXT, 4, 0);
    EXPECT_EQ(SendMessageA(e, EM_GETLIMITTEXT, 0, 0), 4);
    events.clear();
    display->TypeText("abcdef");
    display->Pump();
    EXPECT_EQ(Text(e), "abcd");
    const auto sent = Events();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "cmd:2260:1281"), 2) << "EN_MAXTEXT";
}

TEST_F(Edits, SelectionIsThePrimaryWhichAMiddleClickPastesAndNoControlCharIsPasted) {
    const std::string text = "alpha beta";
    HWND from = Edit(ES_AUTOHSCROLL, {10, 10, 300, 33});
    HWND to = Edit(ES_AUTOHSCROLL, {10, 40, 300, 63});
    HWND locked = Edit(ES_AUTOHSCROLL | ES_READONLY, {10, 70, 300, 93});
    SetWindowTextA(from, text.c_str());
    ctl::Clipboard::SetText("");
    const POINT word = At(from, XOf(text, 8), 8);
    display->DoubleClick(word.x, word.y);
    display->Pump();
    EXPECT_EQ(ctl::Clipboard::Text(win::Selection::Primary), "beta");
    EXPECT_EQ(ctl::Clipboard::Text(), "") << "selecting is no copy";
    SetWindowTextA(to, "[]");
    const POINT inside = At(to, XOf("[]", 1) - 1, 8);
    display->Click(inside.x, inside.y, win::MouseButton::Middle);
    display->Pump();
    EXPECT_EQ(Text(to), "[beta]");
    EXPECT_EQ(GetFocus(), to);
    const POINT still = At(locked, 5, 8);
    display->Click(still.x, still.y, win::MouseButton::Middle);
    display->Pump();
    EXPECT_EQ(Text(locked), "");

    ctl::Clipboard::SetText("a\x07"
                            "b\x7F"
                            "c\td\x1B");
    SetFocus(to);
    PressKey('V', VK_CONTROL);
    EXPECT_EQ(Text(to), "[betaabc\td]") << "only tabs survive among control characters";
}

TEST_F(Edits, MouseSetsCaretDragsAndSelectsWords) {
    const std::string text = "alpha beta gamma";
    HWND e = Edit(ES_AUTOHSCROLL, {10, 10, 300, 33});
    SetWindowTextA(e, text.c_str());
    ClickAt(e, XOf(text, 7) + 2, 8);
    EXPECT_EQ(GetFocus(), e);
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{8}, DWORD{8})) << "nearest boundary to the click";
    const POINT from = At(e, XOf(text, 0) - 2, 8);
    const POINT to = At(e, XOf(text, 9) - 2, 8);
    display->AdvanceClock(1000);
    display->MoveMouse(from.x, from.y);
    display->ButtonDown();
    display->MoveMouse(to.x, to.y);
    display->Pump();
    EXPECT_EQ(GetCapture(), e);
    Release();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{0}, DWORD{9}));
    display->AdvanceClock(1000);
    const POINT word = At(e, XOf(text, 12), 8);
    display->DoubleClick(word.x, word.y);
    display->Pump();
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{11}, DWORD{16}));
    PressKey(VK_RIGHT);
    EXPECT_EQ(Sel(e), std::make_pair(DWORD{16}, DWORD{16})) << "Right ends a selection at its end";
}

TEST_F(Edits, ReadOnlySelectsAndCopiesButRefusesEdits) {
    int editRequests = 0;
    int staticRequests = 0;
    On(dialog, WM_CTLCOLOREDIT, [&](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
        ++editRequests;
        return std::nullopt;
    });
    On(dialog, WM_CTLCOLORSTATIC, [&](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
        ++staticRequests;
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    });
    HWND e = Edit(ES_MULTILINE | ES_READONLY, {10, 10, 200, 100});
    SetWindowTextA(e, "SELECT *\r\nFROM t");
    SetFocus(e);
    display->TypeText("zz");
    PressKey(VK_BACK);
    PressKey(VK_DELETE);
    PressKey('A', VK_CONTROL);
    PressKey('X', VK_CONTROL);
    PressKey('V', VK_CONTROL);
    EXPECT_EQ(Text(e), "SELECT *\r\nFROM t");
    PressKey('C', VK_CONTROL);
    EXPECT_EQ(ctl::Clipboard::Text(), "SELECT *\r\nFROM t");
    EXPECT_EQ(editRequests, 0);
    EXPECT_GT(staticRequests, 0) << "read-only edits ask as statics";
    EXPECT_EQ(Pixel(e, 150, 70), RGB(255, 255, 255));
    EXPECT_EQ(SendMessageA(e, WM_GETDLGCODE, 0, 0),
              DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
    SendMessageA(e, EM_SETREADONLY, FALSE, 0);
    EXPECT_EQ(SendMessageA(e, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, DLGC_WANTALLKEYS);
    PressKey(VK_END, VK_CONTROL);
    display->Key(VK_RETURN);
    display->TypeText("x");
    display->Pump();
    EXPECT_EQ(Text(e), "SELECT *\r\nFROM t\r\nx");
    EXPECT_GT(editRequests, 0);
}

TEST_F(Edits, MultiLineWrapsAndScrollsByKeysAndWheel) {
    HWND e = Edit(ES_MULTILINE | ES_READONLY, {10, 10, 120, 60});
    std::string text;
    for (int i = 0; i < 20; ++i) {
        text += "word" + std::to_string(i) + " ";
    }
    SetWindowTextA(e, text.c_str());
    const auto lines = SendMessageA(e, EM_GETLINECOUNT, 0, 0);
    EXPECT_GT(lines, 5) << "wrapped at blanks to the width";
    SetFocus(e);
    display->Wheel(-WHEEL_DELTA);
    display->Pump();
    EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 3);
    display->Wheel(WHEEL_DELTA * 5);
    display->Pump();
    EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    PressKey(VK_END, VK_CONTROL);
    const auto bottom = SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0);
    EXPECT_GT(bottom, 0);
    EXPECT_EQ(Sel(e).first, text.size());
    PressKey(VK_PRIOR);
    EXPECT_LT(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), bottom);
    PressKey(VK_HOME, VK_CONTROL);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    const DWORD third = Sel(e).first;
    EXPECT_GT(third, 0u);
    PressKey(VK_UP, VK_SHIFT);
    EXPECT_LT(Sel(e).first, third);
    EXPECT_EQ(Sel(e).second, third);
}

TEST_F(Edits, SingleLineScrollsSidewaysOnlyWithAutoHScroll) {
    HWND scrolls = Edit(ES_AUTOHSCROLL, {10, 10, 60, 33});
    HWND fixed = Edit(0, {10, 40, 60, 63});
    const std::string longText(30, 'W'); // one width: what fits is a prefix
    SetFocus(scrolls);
    display->TypeText(longText);
    display->Pump();
    EXPECT_EQ(Text(scrolls), longText);
    SetFocus(fixed);
    display->TypeText(longText);
    display->Pump();
    EXPECT_LT(Text(fixed).size(), longText.size()) << "only what fits";
    EXPECT_EQ(longText.rfind(Text(fixed), 0), 0u);
}

TEST_F(Edits, CaretBlinksOnTheClockAndTheBorderIsSunken) {
    HWND e = Edit(ES_AUTOHSCROLL);
    display->Pump();
    EXPECT_EQ(Pixel(e, -2, -2), RGB(128, 128, 128));
    EXPECT_EQ(Pixel(e, -1, -1), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(e, 5, 5), RGB(255, 255, 255)) << "window colour inside";
    SetFocus(e);
    display->Pump();
    RECT client{};
    GetClientRect(e, &client);
    const int y = client.bottom / 2;
    EXPECT_EQ(Pixel(e, 1, y), RGB(0, 0, 0)) << "caret shown at once";
    display->AdvanceClock(ctl::EditControl::CaretBlink);
    EXPECT_EQ(Pixel(e, 1, y), RGB(255, 255, 255));
    display->AdvanceClock(ctl::EditControl::CaretBlink);
    EXPECT_EQ(Pixel(e, 1, y), RGB(0, 0, 0));
    SetFocus(dialog);
    display->AdvanceClock(ctl::EditControl::CaretBlink * 3);
    EXPECT_EQ(Pixel(e, 1, y), RGB(255, 255, 255)) << "no caret without focus";
}

// A change repaints only the rows, caret and selection it affects, and afterwards the display
// shows exactly what a full repaint gives: no row, caret or selection band is left stale,
// whether lines change, come, go or scroll.
TEST_F(Edits, PartialRepaintsLeaveTheScreenAsAFullRepaintWould) {
    display->MirrorPresents();
    HWND e = Edit(ES_MULTILINE, {10, 10, 120, 70});
    auto shown = [&] {
        display->Pump();
        const gfx::Surface* s = display->Shown(dialog);
        return s ? *s : gfx::Surface{};
    };
    auto full = [&] {
        RedrawWindow(dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        return shown();
    };
    full();
    auto step = [&](const char* what, const std::function<void()>& change) {
        change();
        const gfx::Surface partial = shown();
        EXPECT_TRUE(gfx::test::SamePixels(partial, full())) << what;
    };
    auto text = [&](const char* t) { return [=] { SetWindowTextA(e, t); }; };
    const char* many = "0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n";
    step("first text", text("one\r\ntwo\r\nthree"));
    step("same text", text("one\r\ntwo\r\nthree"));

    SetWindowTextA(e, "one\r\nTWO\r\nthree");
    const int line = gfx::DialogBaseUnits(static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT))).cy;
    RECT dirty{};
    GetUpdateRect(e, &dirty, FALSE);
    EXPECT_EQ(dirty.top, line) << "the second line only";
    EXPECT_EQ(dirty.bottom, 2 * line);
    step("one line changed", [] {});

    step("lines added past the view", text(many));
    step("lines removed", text("one\r\nTWO"));
    step("shorter than the view", text("x"));
    step("wrapped words", text("a long line that wraps at blanks to the width of the edit"));
    SetWindowTextA(e, many);
    SetFocus(e);
    step("scrolled to the end", [&] { PressKey(VK_END, VK_CONTROL); });
    EXPECT_GT(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    step("selection grows upwards", [&] { PressKey(VK_UP, VK_SHIFT); });
    step("scrolled by the wheel", [&] { display->Wheel(WHEEL_DELTA); });
    step("the caret blinks", [&] { display->AdvanceClock(ctl::EditControl::CaretBlink); });
    step("a scrolled view loses lines", text("one\r\ntwo\r\nthree\r\nfour\r\nfive"));
    step("selection hidden with the focus", [&] {
        SendMessageA(e, EM_SETSEL, 2, 9);
        display->Pump();
        SetFocus(dialog);
    });
}

} // namespace
} // namespace wintest
