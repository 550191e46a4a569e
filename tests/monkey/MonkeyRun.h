#pragma once
// The monkey: random catalogues, and in each opening of the query builder random input from
// a seed (pointer moves, presses, clicks, double clicks, wheel turns, keys, typed text, clock
// steps) through the headless display's real input path, with the invariants checked after
// every event. The same seed plays the same events.
#include "module/ModuleSettings.h"
#include "platform/base/WinDef.h"

#include <random>
#include <string>
#include <vector>

namespace backend {
class HeadlessBackend;
}
class CSELECTSQLDlg;

namespace monkey {

struct MonkeyResult {
    long events = 0;
    int dialogs = 0;
    int okResults = 0;
    std::string failure;          // "" when every invariant held
    std::vector<std::string> log; // the last events played
};

class MonkeyRun {
  public:
    // trace: every event and the statement after it go to standard error.
    explicit MonkeyRun(unsigned seed, bool trace = false) : random(seed), tracing(trace) {}
    MonkeyResult Play(long events);

  private:
    void OpenOne(long budget);
    bool Step();
    void PlayEvent();
    POINT RandomPoint();
    void Note(std::string event);

    unsigned Below(unsigned n) { return static_cast<unsigned>(random() % n); }

    std::mt19937 random;
    backend::HeadlessBackend* display = nullptr;
    CSELECTSQLDlg* dialog = nullptr;
    qvsql::ModuleSettings settings;
    MonkeyResult result;
    long stepsLeft = 0;
    bool tracing = false;
};

} // namespace monkey
