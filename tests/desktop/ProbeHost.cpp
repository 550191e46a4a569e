// A host for the desktop tests: loads the library with dlopen and obeys one command per line
// of standard input, printing one line per command, so a test can kill its X server, destroy
// its windows or call from a second thread and still read what the host saw.
//   display NAME   DISPLAY becomes NAME
//   handler        opens a connection of its own and installs its own X error handler
//   provoke        makes one X error on that connection; prints how many the handler saw
//   window         maps a top-level window of its own, with its pid, and prints its id
//   call [SQL]     GetSELECTSQLQuery on table T with SQL (or "keep me") in the buffer;
//                  prints the result and the buffer
//   thread         a second thread waits until a call of its own is refused (the main
//                  thread's call is in progress), then calls every export; prints what it got
//   unload         dlclose
//   quit           prints "alive" and ends with status 0
#include "tests/support/LoadedLibrary.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

std::unique_ptr<LoadedLibrary> library;
Display* own = nullptr;
int hostErrors = 0;
std::thread second;

int CountError(Display*, XErrorEvent*) {
    ++hostErrors;
    return 0;
}

void Say(const std::string& line) {
    std::cout << line << std::endl;
}

void Call(const std::string& sql) {
    char buffer[128] = "keep me";
    if (!sql.empty())
        sql.copy(buffer, sizeof buffer - 1);
    const int result =
        library ? library->getSELECTSQLQuery("T", "Alpha\tBeta\t", buffer, sizeof buffer) : -9;
    Say("result " + std::to_string(result) + " buffer '" + buffer + "'");
}

void Provoke() {
    XMapWindow(own, 0x7ffffff0); // no such window
    XSync(own, False);
    Say("host saw " + std::to_string(hostErrors) + " errors");
}

void Window() {
    const ::Window w =
        XCreateSimpleWindow(own, DefaultRootWindow(own), 100, 50, 600, 500, 0, 0, 0xFFFFFF);
    const long pid = getpid();
    XChangeProperty(own, w, XInternAtom(own, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    XMapWindow(own, w);
    XSync(own, False);
    Say("window " + std::to_string(w));
}

// Every call must be refused while the main thread's dialog is open.
void Hammer() {
    const LoadedLibrary& lib = *library;
    for (int wait = 0; wait < 2000; ++wait) {
        QvSQLQueryDlg* probe = lib.create();
        if (!probe)
            break;
        delete probe;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    int refused = 0;
    constexpr int Rounds = 200;
    for (int i = 0; i < Rounds; ++i) {
        char buffer[16] = "untouched";
        refused += lib.getSELECTSQLQuery("T", "Alpha\t", buffer, sizeof buffer) == 1 &&
                   std::strcmp(buffer, "untouched") == 0;
        lib.setTableAndColumns("T", "Gamma\tDelta\t");
        lib.setCurrentTable("Other");
        refused += std::strcmp(lib.getTable(), "") == 0;
        refused += lib.create() == nullptr;
    }
    Say("refused " + std::to_string(refused) + " of " + std::to_string(3 * Rounds));
}

bool Obey(const std::string& line) {
    if (line.rfind("display ", 0) == 0) {
        setenv("DISPLAY", line.substr(8).c_str(), 1);
        Say("ok");
    } else if (line == "handler") {
        own = XOpenDisplay(nullptr);
        XSetErrorHandler(CountError);
        Say(own ? "ok" : "no display");
    } else if (line == "provoke" && own) {
        Provoke();
    } else if (line == "window" && own) {
        Window();
    } else if (line == "call" || line.rfind("call ", 0) == 0) {
        Call(line.size() > 5 ? line.substr(5) : std::string());
    } else if (line == "thread") {
        second = std::thread(Hammer);
    } else if (line == "unload") {
        library.reset();
        Say("unloaded");
    } else if (line == "quit") {
        if (second.joinable())
            second.join();
        if (own)
            XCloseDisplay(own);
        Say("alive");
        return false;
    } else {
        Say("unknown " + line);
    }
    return true;
}

} // namespace

int main() {
    try {
        library = std::make_unique<LoadedLibrary>();
    } catch (const std::exception& e) {
        Say(e.what());
        return 2;
    }
    std::string line;
    while (std::getline(std::cin, line) && Obey(line)) {
    }
    return 0;
}
