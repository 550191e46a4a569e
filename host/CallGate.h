#pragma once
// The library runs on one thread at a time and one call at a time: a call that arrives while
// another is in progress (from another thread, or re-entrantly from a host callback that the
// open dialog's loop dispatched) is refused before it touches anything, with one line on
// standard error.
#include <atomic>

namespace qvsql {

class CallGate {
  public:
    // Admitted when no other call is in progress; the pass is held until destruction.
    explicit CallGate(const char* call);
    ~CallGate();
    CallGate(const CallGate&) = delete;
    CallGate& operator=(const CallGate&) = delete;

    bool Admitted() const { return admitted; }

  private:
    bool admitted;
};

} // namespace qvsql
