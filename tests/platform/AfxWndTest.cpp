// Framework windows: creation, subclassing, the handle map, message maps and reflection.
#include "tests/platform/AfxTestWindows.h"
#include "tests/platform/WinFixture.h"

#include "platform/win/WindowSystem.h"

namespace {

using afxtest::DerivedProbe;
using afxtest::Probe;
using afxtest::ReflectingChild;
using afxtest::TakeLog;
using ::testing::ElementsAre;

class AfxWndTest : public wintest::WinFixture {
  protected:
    void SetUp() override {
        WinFixture::SetUp();
        TakeLog();
    }
    void TearDown() override {
        WinFixture::TearDown();
        AfxDeleteTempMaps();
    }
    HWND CreateTop(CWnd& wnd, const std::string& name) {
        EXPECT_TRUE(wnd.CreateEx(0, ClassName, name.c_str(), WS_POPUP | WS_VISIBLE, 10, 10, 200,
                                 150, nullptr, nullptr));
        names[wnd.m_hWnd] = name;
        return wnd.m_hWnd;
    }
    static LRESULT Notify(HWND parent, HWND from, UINT_PTR id, UINT code) {
        NMHDR header{from, id, code};
        return SendMessageA(parent, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header));
    }
};

// Logs every message number the object sees, then handles it as usual.
class CreationWatcher : public CWnd {
  public:
    std::vector<UINT> seen;

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(msg);
        return CWnd::WindowProc(msg, wParam, lParam);
    }
};

TEST_F(AfxWndTest, CreateExAttachesBeforeTheFirstMessageAndDetachesOnDestruction) {
    CreationWatcher wnd;
    HWND seenByHook = nullptr;
    bool nccreateBeforeHook = false;
    win::SetCreationHook([&](HWND h) {
        seenByHook = h;
        nccreateBeforeHook = !wnd.seen.empty();
    });
    HWND plain = Popup("plain", {0, 0, 10, 10});
    win::SetCreationHook(nullptr);
    EXPECT_EQ(seenByHook, plain);
    EXPECT_FALSE(nccreateBeforeHook);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);

    ASSERT_TRUE(wnd.CreateEx(0, ClassName, "w", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    ASSERT_GE(wnd.seen.size(), 2u);
    EXPECT_EQ(wnd.seen[0], WM_NCCREATE);
    EXPECT_NE(std::find(wnd.seen.begin(), wnd.seen.end(), WM_CREATE), wnd.seen.end());
    EXPECT_EQ(wnd.GetWindowText(), "w");
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_FALSE(wnd.CreateEx(0, ClassName, "again", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr));

    const HWND h = wnd.m_hWnd;
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.seen.back(), WM_NCDESTROY);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
    EXPECT_FALSE(wnd.CreateEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST_F(AfxWndTest, DestructionRunsPostNcDestroyAndObjectsMayDeleteThemselves) {
    auto* self = new Probe("self");
    HWND h = CreateTop(*self, "self");
    self->deleteOnDestroy = true;
    DestroyWindow(h);
    EXPECT_THAT(TakeLog(),
                ElementsAre("self:PreSubclassWindow(original proc)", "self:PostNcDestroy"));
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);

    HWND child = nullptr;
    {
        Probe top("top");
        HWND parent = CreateTop(top, "top");
        child = Child("child", parent, {0, 0, 10, 10});
    }
    EXPECT_FALSE(IsWindow(child)) << "an object dying with its window destroys it";
}

TEST_F(AfxWndTest, SubclassingRunsPreSubclassWindowFirstAndKeepsTheOriginalProcedure) {
    HWND parent = Popup("parent", {0, 0, 100, 100});
    HWND item = Child("item", parent, {0, 0, 10, 10}, 0, 55);
    Probe probe("probe");
    EXPECT_FALSE(probe.SubclassDlgItem(56, CWnd::FromHandle(parent)));
    EXPECT_FALSE(probe.SubclassDlgItem(55, nullptr));
    ASSERT_TRUE(probe.SubclassDlgItem(55, CWnd::FromHandle(parent)));
    EXPECT_THAT(TakeLog(), ElementsAre("probe:PreSubclassWindow(original proc)"));
    EXPECT_EQ(GetWindowLongPtrA(item, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&CWnd::WndProc));
    Probe second("second");
    EXPECT_FALSE(second.SubclassWindow(item)) << "one object per window";

    Watch({WM_USER + 1, WM_USER + 9});
    EXPECT_EQ(SendMessageA(item, WM_USER + 1, 3, 0), 42);
    EXPECT_EQ(SendMessageA(item, WM_USER + 9, 0, 0), 0);
    EXPECT_EQ(probe.DefWindowProc(WM_USER + 1, 0, 0), 0);
    EXPECT_THAT(Take(), ElementsAre("item:" + std::to_string(WM_USER + 9),
                                    "item:" + std::to_string(WM_USER + 1)))
        << "unmapped messages and DefWindowProc reach the original procedure";
    EXPECT_THAT(TakeLog(), ElementsAre("probe:user1 3"));

    EXPECT_EQ(probe.UnsubclassWindow(), item);
    EXPECT_EQ(GetWindowLongPtrA(item, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&wintest::WinFixture::Proc));
    SendMessageA(item, WM_USER + 1, 0, 0);
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_FALSE(probe.SubclassWindow(nullptr));
}

TEST_F(AfxWndTest, FromHandleWrapsForeignWindowsTemporarily) {
    HWND foreign = Popup("foreign", {0, 0, 10, 10});
    CWnd* temp = CWnd::FromHandle(foreign);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->m_hWnd, foreign);
    EXPECT_EQ(CWnd::FromHandle(foreign), temp);
    EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    DestroyWindow(foreign);
    EXPECT_EQ(CWnd::FromHandle(foreign), nullptr) << "stale handles get no object";
    AfxDeleteTempMaps();
    EXPECT_TRUE(IsWindow(Popup("kept", {0, 0, 10, 10})));

    Probe probe("probe");
    HWND h = CreateTop(probe, "probe");
    EXPECT_EQ(CWnd::FromHandle(h), &probe);
    probe.SetWindowText("title");
    EXPECT_EQ(probe.GetWindowText(), "title");
    CRect r(0, 0, 5, 5);
    probe.ClientToScreen(&r);
    EXPECT_EQ(r, CRect(10, 10, 15, 15));
    probe.ScreenToClient(&r);
    EXPECT_EQ(r, CRect(0, 0, 5, 5));
    EXPECT_TRUE(probe.ModifyStyle(0, WS_BORDER));
    EXPECT_FALSE(probe.ModifyStyle(0, WS_BORDER)) << "nothing changed";
    EXPECT_TRUE(probe.GetStyle() & WS_BORDER);
}

TEST_F(AfxWndTest, MessageMapsDispatchByMessageCommandAndNotification) {
    DerivedProbe probe("p");
    HWND h = CreateTop(probe, "p");
    HWND child = Child("c", h, {0, 0, 10, 10}, 0, 100);
    TakeLog();

    EXPECT_EQ(SendMessageA(h, WM_USER + 1, 0, 0), 1) << "derived entry wins over the base's";
    EXPECT_EQ(SendMessageA(h, WM_USER + 2, 0, 0), 2);
    EXPECT_EQ(SendMessageA(h, afxtest::registeredMessage, 4, 5), 7);
    probe.SetTimer(9, 100);
    display->AdvanceClock(100);
    probe.KillTimer(9);
    SendMessageA(h, WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), reinterpret_cast<LPARAM>(child));
    SendMessageA(h, WM_COMMAND, MAKEWPARAM(100, 7), reinterpret_cast<LPARAM>(child));
    SendMessageA(h, WM_COMMAND, MAKEWPARAM(101, CBN_SELCHANGE), 0);
    SendMessageA(h, WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), 0);
    SendMessageA(h, WM_COMMAND, MAKEWPARAM(103, CLBN_CHKCHANGE), 0);
    SendMessageA(h, WM_COMMAND, MAKEWPARAM(204, BN_CLICKED), 0);
    SendMessageA(h, WM_COMMAND, MAKEWPARAM(210, BN_CLICKED), 0);
    EXPECT_EQ(Notify(h, child, 102, NM_DBLCLK), 5);
    Notify(h, child, 103, NM_DBLCLK);
    EXPECT_THAT(TakeLog(), ElementsAre("p:derived user1", "p:derived user2", "p:registered 4,5",
                                       "p:timer 9", "p:clicked 100", "p:selchange 101",
                                       "p:chkchange 103", "p:range 204", "p:dblclk 102"));

    Watch({WM_NOTIFY});
    Notify(h, child, 5, TTN_NEEDTEXTA);
    Notify(h, child, 6, TTN_NEEDTEXTA);
    EXPECT_THAT(TakeLog(), ElementsAre("p:needtext 5", "p:needtext 6"));
    EXPECT_THAT(Take(), ElementsAre("p:" + std::to_string(WM_NOTIFY)))
        << "a declined range entry leaves the message unhandled";
    EXPECT_EQ(SendMessageA(h, WM_NOTIFY, 0, 0), 0);
}

TEST_F(AfxWndTest, ReflectionConsumesOrPassesNotificationsOn) {
    Probe parent("parent");
    HWND p = CreateTop(parent, "parent");
    ReflectingChild child("child");
    ASSERT_TRUE(child.CreateEx(0, ClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, p,
                               reinterpret_cast<HMENU>(300)));
    TakeLog();

    EXPECT_EQ(Notify(p, child.m_hWnd, 300, NM_CUSTOMDRAW), CDRF_SKIPDEFAULT);
    Notify(p, child.m_hWnd, 300, NM_CLICK);
    SendMessageA(p, WM_COMMAND, MAKEWPARAM(300, BN_CLICKED),
                 reinterpret_cast<LPARAM>(child.m_hWnd));
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.CtlID = 300;
    item.hwndItem = child.m_hWnd;
    EXPECT_EQ(SendMessageA(p, WM_DRAWITEM, 300, reinterpret_cast<LPARAM>(&item)), TRUE);
    item.hwndItem = nullptr;
    SendMessageA(p, WM_DRAWITEM, 300, reinterpret_cast<LPARAM>(&item));
    EXPECT_THAT(TakeLog(), ElementsAre("child:customdraw", "child:click", "parent:parent click",
                                       "child:clicked reflected", "child:DrawItem 300",
                                       "parent:parent drawitem 300"));

    HDC hdc = GetDC(p);
    const auto ctl = reinterpret_cast<LPARAM>(child.m_hWnd);
    SendMessageA(p, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), ctl);
    child.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SendMessageA(p, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), ctl),
              reinterpret_cast<LRESULT>(child.brush));
    EXPECT_THAT(TakeLog(),
                ElementsAre("child:CtlColor 6", "parent:ctlcolor 6 dc wnd", "child:CtlColor 6"));

    HWND list = Popup("list", {0, 0, 10, 10});
    const LRESULT base = DefWindowProcA(p, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(hdc),
                                        reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(SendMessageA(p, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(hdc),
                           reinterpret_cast<LPARAM>(list)),
              base)
        << "a request about a window without an object reaches the own handler";
    EXPECT_THAT(TakeLog(), ElementsAre("parent:ctlcolor 2 dc wnd"));
    ReleaseDC(p, hdc);
}

TEST_F(AfxWndTest, CurrentMessageFollowsNestedSends) {
    class Nester : public CWnd {
      public:
        std::vector<UINT> outerAfter;

      protected:
        LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
            if (msg == WM_USER + 3) {
                SendMessage(WM_USER + 4);
                outerAfter.push_back(GetCurrentMessage()->message);
                EXPECT_EQ(GetCurrentMessage()->wParam, 11u);
            }
            return CWnd::WindowProc(msg, wParam, lParam);
        }
    } nester;
    CreateTop(nester, "nester");
    nester.SendMessage(WM_USER + 3, 11, 0);
    EXPECT_THAT(nester.outerAfter, ElementsAre(WM_USER + 3));
    EXPECT_EQ(CWnd::GetCurrentMessage()->message, 0u);
}

} // namespace
