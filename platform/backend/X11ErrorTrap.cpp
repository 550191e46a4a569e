#include "platform/backend/X11ErrorTrap.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace backend {

namespace {

constexpr std::size_t MaxConnections = 8;

// Trivially destructible, so it outlives every static of the library that closes a
// connection while the library unloads.
struct TrapState {
    std::array<Display*, MaxConnections> ours{};
    int depth = 0;
    unsigned long errors = 0;
    XErrorHandler previousError = nullptr;
    XIOErrorHandler previousIOError = nullptr;
};

constinit TrapState state;

TrapState& State() {
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
    auto& ours = State().ours;
    const auto free = std::find(ours.begin(), ours.end(), nullptr);
    if (free != ours.end()) {
        *free = display;
    }
    XSetIOErrorExitHandler(display, OnIOErrorExit, lost);
}

void X11ErrorTrap::Release(Display* display) {
    auto& ours = State().ours;
    std::replace(ours.begin(), ours.end(), display, static_cast<Display*>(nullptr));
}

unsigned long X11ErrorTrap::Errors() {
    return State().errors;
}

bool X11ErrorTrap::Ours(Display* display) {
    const auto& ours = State().ours;
    return display && std::find(ours.begin(), ours.end(), display) != ours.end();
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
