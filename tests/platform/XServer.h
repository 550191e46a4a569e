#pragma once
// An X server for the tests: a private Xvfb started on first use (on a display number it
// picks itself) and stopped at exit, else the one $DISPLAY names, else none.
#include <string>

namespace x11test {

class XServer {
  public:
    // The display to connect to; empty when no server can be had.
    static const std::string& Name();

    ~XServer();

  private:
    XServer();
    bool StartXvfb();

    std::string name;
    int pid = -1;
};

} // namespace x11test
