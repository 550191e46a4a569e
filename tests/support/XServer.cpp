#include "tests/support/XServer.h"

#include <cstdlib>

namespace x11test {

XServer::XServer() : server(std::make_unique<Xvfb>()) {
    const char* display = std::getenv("DISPLAY");
    name = !server->Name().empty() ? server->Name() : display ? display : "";
}

const std::string& XServer::Name() {
    static XServer server;
    return server.name;
}

} // namespace x11test
