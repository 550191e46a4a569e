#pragma once
// A program run as a child process (no shell) on three pipes: either a batch run that feeds
// its standard input and collects both outputs, or a conversation line by line, never waited
// for longer than a few seconds.
#include <string>
#include <vector>

namespace qvsql::test {

struct ProcessResult {
    int status = -1; // exit status, or -1 when the child did not exit normally
    std::string out;
    std::string err;
};

class ChildProcess {
  public:
    // Pid() < 0 when the program could not be started.
    explicit ChildProcess(const std::string& program, const std::vector<std::string>& args = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Feeds the input and collects stdout and stderr until the child exits.
    static ProcessResult Run(const std::string& program, const std::vector<std::string>& args,
                             const std::string& input);

    int Pid() const { return pid; }
    void Send(const std::string& command);
    // The next line of standard output; "" after the time limit or the end of the output.
    std::string Line(int timeoutMs = 15000);
    // Everything written on standard error so far.
    std::string Errors();
    // The exit status once it ended (killed after the limit otherwise).
    int Wait();

  private:
    void Pump(const std::string& input, ProcessResult& result);

    int pid = -1;
    int in = -1;
    int out = -1;
    int err = -1;
    std::string pending;
};

// Waits up to limitMs for a child to end, then kills it; its exit status, or -1.
int Reap(int pid, int limitMs);

} // namespace qvsql::test
