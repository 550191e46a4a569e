#pragma once
// One seeded monkey run: dialogs over random catalogues, one after another (the same dialog
// object for a while, as a host keeps it, then a fresh one), each fed random input until the
// user closes it or its share of the events is spent, the invariants checked before every
// event. The seed and the event count replay it exactly.
#include "module/ModuleSettings.h"
#include "tests/monkey/MonkeyCatalogue.h"
#include "tests/monkey/MonkeyHands.h"
#include "tests/monkey/MonkeyRandom.h"
#include "tests/monkey/MonkeyWatch.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

class CSELECTSQLDlg;

namespace monkey {

class MonkeyRun {
  public:
    // Needs the headless display installed as the window system's backend.
    MonkeyRun(std::uint64_t runSeed, long eventCount, backend::HeadlessBackend& screen);
    ~MonkeyRun();

    // Plays every event; "" when every invariant held, else the failure with the seed, the
    // event and the events that led there.
    std::string Play();

    long played = 0;
    int dialogs = 0;
    int oks = 0;
    long promptEvents = 0;
    long boxEvents = 0;

  private:
    void Session();
    bool Step();
    void Count();
    std::string Report() const;

    std::uint64_t seed;
    long events;
    backend::HeadlessBackend& display;
    MonkeyRandom random;
    MonkeyCatalogue catalogue;
    MonkeyHands hands;
    qvsql::ModuleSettings settings;
    std::unique_ptr<CSELECTSQLDlg> dialog;
    std::unique_ptr<MonkeyWatch> watch;
    std::string lastResult;
    long sessionLeft = 0;
    std::string failure;
    std::deque<std::string> log;
};

} // namespace monkey
