#pragma once
// Opening a connection to an X server without the risk of waiting for ever: the server must
// answer a connection handshake within a few seconds before Xlib is let near it (XOpenDisplay
// itself cannot be bounded).
#include <X11/Xlib.h>

#include <string>

namespace backend {

class X11Connection {
  public:
    static constexpr int AnswerTimeoutMs = 4000;

    // name null means $DISPLAY. Null on failure, with why set to one line ("cannot open the
    // X display :3", "the X display :3 did not answer within 4 s").
    static Display* Open(const char* name, std::string& why, int timeoutMs = AnswerTimeoutMs);

  private:
    struct Address;
    static bool Parse(const std::string& name, Address& address);
    static int Connect(const Address& address, int timeoutMs);
    static bool Answers(int socket, int timeoutMs);
};

} // namespace backend
