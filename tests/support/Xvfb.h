#pragma once
// A private Xvfb process: started with the screen and options given, on a display number it
// picks itself, stopped (or killed) on demand and at destruction.
#include <string>
#include <vector>

namespace x11test {

class Xvfb {
  public:
    // screen e.g. "1024x768x24"; empty name() when Xvfb could not be started.
    explicit Xvfb(const std::string& screen = "1024x768x24",
                  const std::vector<std::string>& options = {});
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    const std::string& Name() const { return name; }
    // SIGKILL and reap: the server vanishes without a goodbye.
    void Kill();
    // SIGTERM, then SIGKILL after a few seconds.
    void Stop();

  private:
    void End(int signal);

    std::string name;
    int pid = -1;
};

} // namespace x11test
