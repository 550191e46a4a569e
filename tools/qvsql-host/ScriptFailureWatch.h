#pragma once
// Asks the library, through QVSQL_SCRIPT_FAILURE_FD, to tell this host when a QVSQL_SCRIPT
// fails, so the demo host can end with status 3 (the library itself only cancels the dialog).
class ScriptFailureWatch {
  public:
    ScriptFailureWatch();
    ~ScriptFailureWatch();
    ScriptFailureWatch(const ScriptFailureWatch&) = delete;
    ScriptFailureWatch& operator=(const ScriptFailureWatch&) = delete;

    // Whether the library reported a failure so far.
    bool Failed() const;

  private:
    int readEnd = -1;
    int writeEnd = -1;
};
