#pragma once
// An X server for the tests: a private Xvfb started on first use (on a display number it
// picks itself) and stopped at exit, else the one $DISPLAY names, else none.
#include "tests/support/Xvfb.h"

#include <memory>
#include <string>

namespace x11test {

class XServer {
  public:
    // The display to connect to; empty when no server can be had.
    static const std::string& Name();

  private:
    XServer();

    std::unique_ptr<Xvfb> server;
    std::string name;
};

} // namespace x11test
