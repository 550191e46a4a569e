// The application object's pre-translate chain, the tooltip glue and the message box caption.
#include "tests/platform/AfxTestWindows.h"
#include "tests/platform/WinFixture.h"

#include "platform/afx/AfxToolTipFilter.h"

namespace {

CWinApp theApp;

using afxtest::Log;
using afxtest::Probe;
using afxtest::TakeLog;
using ::testing::ElementsAre;

struct MessageBoxCall {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};
std::vector<MessageBoxCall> messageBoxes;

// Rows of 20 pixels are tools; the row number is the id.
class ToolHost : public Probe {
  public:
    using Probe::Probe;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* tool) const override {
        const int row = point.y / 20;
        if (row > 3) {
            return -1;
        }
        tool->hwnd = m_hWnd;
        tool->uId = static_cast<UINT_PTR>(row);
        tool->rect = CRect(0, row * 20, 100, row * 20 + 20);
        return row;
    }
};

LRESULT StandInTip(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto* tool = reinterpret_cast<const TOOLINFOA*>(lParam);
    if (msg == TTM_ADDTOOLA) {
        const RECT& r = tool->rect;
        Log().push_back("add " + std::to_string(tool->uId) + " " + std::to_string(r.top) + "-" +
                        std::to_string(r.bottom) +
                        (tool->lpszText == LPSTR_TEXTCALLBACKA ? " callback" : ""));
    } else if (msg == TTM_DELTOOLA) {
        Log().push_back("del " + std::to_string(tool->uId));
    } else if (msg == TTM_RELAYEVENT) {
        Log().push_back("relay " + std::to_string(reinterpret_cast<const MSG*>(lParam)->message));
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class AfxPreTranslateTest : public wintest::WinFixture {
  protected:
    void SetUp() override {
        WinFixture::SetUp();
        WNDCLASSA wc;
        wc.lpfnWndProc = StandInTip;
        wc.lpszClassName = "AfxStandInTip";
        RegisterClassA(&wc);
        TakeLog();
    }
    void TearDown() override {
        AfxToolTipFilter::SetClassName(TOOLTIPS_CLASSA);
        WinFixture::TearDown();
        AfxDeleteTempMaps();
    }
    void Create(Probe& wnd, DWORD style, RECT r, HWND parent, int id = 0) {
        ASSERT_TRUE(wnd.CreateEx(0, ClassName, wnd.name.c_str(), style | WS_VISIBLE, r.left, r.top,
                                 r.right - r.left, r.bottom - r.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))));
    }
    void Post(HWND h) {
        PostMessageA(h, WM_USER + 1, 0, 0);
        display->Pump();
    }
};

TEST_F(AfxPreTranslateTest, MessagesClimbFromTheTargetToTheTopAndAPopupsOwner) {
    Probe a("a"), b("b"), c("c"), pop("pop");
    Create(a, WS_POPUP, {10, 10, 200, 200}, nullptr);
    Create(b, WS_CHILD, {0, 0, 100, 100}, a.m_hWnd, 1);
    Create(c, WS_CHILD, {0, 0, 50, 50}, b.m_hWnd, 2);
    Create(pop, WS_POPUP, {300, 300, 350, 350}, a.m_hWnd);
    HWND plain = Child("plain", c.m_hWnd, {0, 0, 10, 10});
    TakeLog();

    Post(c.m_hWnd);
    EXPECT_THAT(TakeLog(), ElementsAre("c:pre", "b:pre", "a:pre", "c:user1 0"));
    Post(pop.m_hWnd);
    EXPECT_THAT(TakeLog(), ElementsAre("pop:pre", "a:pre", "pop:user1 0"));
    Watch({WM_USER + 1});
    Post(plain);
    EXPECT_THAT(TakeLog(), ElementsAre("c:pre", "b:pre", "a:pre"));
    EXPECT_THAT(Take(), ElementsAre("plain:" + std::to_string(WM_USER + 1)));

    b.eatPreTranslate = true;
    Post(c.m_hWnd);
    EXPECT_THAT(TakeLog(), ElementsAre("c:pre", "b:pre")) << "consumed: never dispatched";
}

TEST_F(AfxPreTranslateTest, ToolTipGlueReplacesTheToolWhenTheHitChangesAndRelays) {
    AfxToolTipFilter::SetClassName("AfxStandInTip");
    ToolHost host("host");
    Create(host, WS_POPUP, {100, 100, 200, 200}, nullptr);
    Popup("other", {400, 400, 450, 450});
    display->MoveMouse(600, 600);
    display->Pump();
    EXPECT_EQ(AfxToolTipFilter::ToolTipWindow(), nullptr) << "nothing enabled yet";
    host.EnableToolTips();
    TakeLog();

    display->MoveMouse(110, 105);
    display->Pump();
    display->MoveMouse(120, 115);
    display->Pump();
    const std::string move = "relay " + std::to_string(WM_MOUSEMOVE);
    EXPECT_THAT(TakeLog(), ElementsAre("add 0 0-20 callback", move, move));
    ASSERT_NE(AfxToolTipFilter::ToolTipWindow(), nullptr);

    display->MoveMouse(120, 125);
    display->Pump();
    display->ButtonDown();
    display->ButtonUp();
    display->Pump();
    EXPECT_THAT(TakeLog(), ElementsAre("del 0", "add 1 20-40 callback", move,
                                       "relay " + std::to_string(WM_LBUTTONDOWN),
                                       "relay " + std::to_string(WM_LBUTTONUP)));

    display->MoveMouse(120, 195);
    display->Pump();
    display->MoveMouse(410, 410);
    display->Pump();
    EXPECT_THAT(TakeLog(), ElementsAre("del 1", move));
}

TEST_F(AfxPreTranslateTest, MessageBoxesCarryTheApplicationName) {
    messageBoxes.clear();
    HWND top = Popup("top", {0, 0, 50, 50});
    SetActiveWindow(top);
    EXPECT_EQ(AfxMessageBox("Missing table", MB_OK | MB_ICONWARNING), IDOK);
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0].owner, top);
    EXPECT_EQ(messageBoxes[0].text, "Missing table");
    EXPECT_EQ(messageBoxes[0].caption, "QvSQLBuilder");
    EXPECT_EQ(messageBoxes[0].type, MB_OK | MB_ICONWARNING);
}

} // namespace

// The message box lives with the built-in controls; this binary records the calls instead.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    messageBoxes.push_back({owner, text ? text : "", caption ? caption : "", type});
    return IDOK;
}
