#pragma once
// A host as a child process (by default the probe host, ProbeHost.cpp): commands go to its
// standard input, its answers come back line by line, never waited for longer than a few
// seconds.
#include <string>

namespace desktoptest {

class ProbeProcess {
  public:
    explicit ProbeProcess(const std::string& program = QVSQL_PROBE_HOST,
                          const char* argument = nullptr);
    ~ProbeProcess();
    ProbeProcess(const ProbeProcess&) = delete;
    ProbeProcess& operator=(const ProbeProcess&) = delete;

    int Pid() const { return pid; }
    void Send(const std::string& command);
    // The next line of standard output; "" after the time limit or the end of the output.
    std::string Line(int timeoutMs = 15000);
    // Everything written on standard error so far.
    std::string Errors();
    // The exit status once it ended (killed after the limit otherwise).
    int Wait();

  private:
    int pid = -1;
    int in = -1;
    int out = -1;
    int err = -1;
    std::string pending;
};

} // namespace desktoptest
