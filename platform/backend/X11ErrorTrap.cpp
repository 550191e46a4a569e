#include "platform/backend/X11ErrorTrap.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace backend {

namespace {

struct TrapState {
    std::vector<Display*> ours;
    int depth = 0;
    unsigned long errors = 0;
    XErrorHandler previousError = nullptr;
    XIOErrorHandler previousIOError = nullptr;
};

TrapState& State() {
    static TrapState state;
    return state;
}

} // namespace

X11ErrorTrap::Scope::Scope() {
    TrapState& s = State();
    if (s.depth++ == 0) {
        s.previousError = XSetErrorHandler(OnError);
        s.previousIOError = XSetIOErrorHandler(OnIOError);
    }
}

// A handler the host installed meanwhile stays: only ours is taken away.
X11ErrorTrap::Scope::~Scope() {
    TrapState& s = State();
    if (--s.depth != 0) {
        return;
    }
    const XErrorHandler current = XSetErrorHandler(s.previousError);
    if (current != OnError) {
        XSetErrorHandler(current);
    }
    const XIOErrorHandler currentIO = XSetIOErrorHandler(s.previousIOError);
    if (currentIO != OnIOError) {
        XSetIOErrorHandler(currentIO);
    }
}

void X11ErrorTrap::Adopt(Display* display, bool* lost) {
    State().ours.push_back(display);
    XSetIOErrorExitHandler(display, OnIOErrorExit, lost);
}

void X11ErrorTrap::Release(Display* display) {
    auto& ours = State().ours;
    ours.erase(std::remove(ours.begin(), ours.end(), display), ours.end());
}

unsigned long X11ErrorTrap::Errors() {
    return State().errors;
}

bool X11ErrorTrap::Ours(Display* display) {
    const auto& ours = State().ours;
    return std::find(ours.begin(), ours.end(), display) != ours.end();
}

// Errors on our connections are races with windows already gone; none is worth more.
int X11ErrorTrap::OnError(Display* display, XErrorEvent* event) {
    TrapState& s = State();
    if (Ours(display)) {
        ++s.errors;
        return 0;
    }
    return s.previousError ? s.previousError(display, event) : 0;
}

int X11ErrorTrap::OnIOError(Display* display) {
    TrapState& s = State();
    if (Ours(display) || !s.previousIOError) {
        return 0;
    }
    return s.previousIOError(display);
}

// Returning leaves the connection dead but harmless: later calls on it do nothing.
void X11ErrorTrap::OnIOErrorExit(Display* display, void* lost) {
    auto* flag = static_cast<bool*>(lost);
    if (flag && !*flag) {
        std::fprintf(stderr,
                     "qvsql: lost the connection to the X display %s; the dialog ends "
                     "as Cancel\n",
                     DisplayString(display));
    }
    if (flag) {
        *flag = true;
    }
}

} // namespace backend
