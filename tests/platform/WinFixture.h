#pragma once
// Windows of one recording class on a fresh headless backend. Each window has a name; the
// messages chosen by a test are logged as "name:MESSAGE" (plus a detail for some), and a test
// may take over any message of any window.
#include "platform/backend/HeadlessBackend.h"
#include "platform/win/WinUser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace wintest {

using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

class WinFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A visible top-level popup or child of the recording class.
    HWND Popup(const std::string& name, RECT r, HWND owner = nullptr, DWORD style = 0);
    HWND Child(const std::string& name, HWND parent, RECT r, DWORD style = 0, int id = 0);
    HWND Create(const std::string& name, DWORD style, RECT r, HWND parent, int id);
    // Starts logging these messages, with an empty log.
    void Watch(std::set<UINT> messages);
    void On(HWND hwnd, UINT msg, Handler handler) { handlers[{hwnd, msg}] = std::move(handler); }
    std::vector<std::string> Take() { return std::exchange(log, {}); }

    static constexpr const char* ClassName = "WinTestClass";
    static constexpr const char* DoubleClickClass = "WinTestDbl";
    backend::HeadlessBackend* display = nullptr;
    static WinFixture* current;

  public:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    std::map<HWND, std::string> names;
    std::string pendingName; // for the window being created
    std::map<std::pair<HWND, UINT>, Handler> handlers;
    std::set<UINT> watched;
    std::vector<std::string> log;
};

std::string MessageName(UINT msg);

} // namespace wintest
