#pragma once
// The X11 backend on the test X server, with a second connection that plays the window manager
// and the user (skipped without a server).
#include "platform/backend/X11Backend.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <functional>

namespace x11test {

constexpr DWORD WaitLimitMs = 3000;

class X11Fixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    bool Connect(bool shm);
    // Pumps both sides on the real clock until done, for a few seconds at most.
    bool Until(const std::function<bool()>& done);
    ::Window Native(HWND hwnd) const { return display->NativeWindow(hwnd); }
    bool Viewable(HWND hwnd);
    void Key(KeySym keysym, bool down);
    void Tap(KeySym keysym);
    void Click(int button);

    backend::X11Backend* display = nullptr;
    Display* peer = nullptr;
};

} // namespace x11test
