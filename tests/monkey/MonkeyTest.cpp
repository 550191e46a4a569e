// The seeded UI monkey: random pointer, keys, typing and waiting over random catalogues,
// played into the query builder and its nested windows on the headless display, with the
// invariants checked before every event.
//
// QVSQL_MONKEY_SEED=S QVSQL_MONKEY_EVENTS=N replays one run (the Replay test); without a
// seed, QVSQL_MONKEY_EVENTS sets the events of each seeded run of the suite.
#include "platform/afx/CWinApp.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WindowSystem.h"
#include "tests/monkey/MonkeyRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

CWinApp theApp; // the pre-translate chain and the tooltips need an application object

constexpr long defaultEvents = 20000;

long EventsFromEnvironment() {
    const char* text = std::getenv("QVSQL_MONKEY_EVENTS");
    return text && *text ? std::strtol(text, nullptr, 10) : defaultEvents;
}

// Seeds that once broke an invariant, with the events it took to get there (one more where
// the check that broke ran as the next dialog opened):
// 6 and 5: a drop-down left open when a dialog closed wrote its text into the next showing.
// 1072 (also 1097 at 3,081, and in long runs 102 at 76,876, 104 at 35,580, 106 at 69,322): a
// drop-down left open behind the dialog restored its text into a new row after its own row
// had been deleted.
// 1008 (in long runs also 154): an opening without a handed-in statement composed with a When
// Printed clause still pending from the last showing, which the watch did not expect.
const std::vector<std::pair<std::uint64_t, long>> regressions{
    {6, 4746}, {5, 7083}, {1072, 958}, {1008, 2364}};

class MonkeyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto headless = std::make_unique<backend::HeadlessBackend>();
        display = headless.get();
        win::SetBackend(std::move(headless));
        ctl::RegisterBuiltinControls();
    }

    void TearDown() override {
        for (HWND top : win::TopLevelWindows()) {
            DestroyWindow(top);
        }
        display->Pump();
        win::SetBackend(nullptr);
    }

    std::string Play(std::uint64_t seed, long events) {
        monkey::MonkeyRun run(seed, events, *display);
        std::string failure = run.Play();
        std::printf("seed %llu: %ld events, %d dialogs, %d OK, %ld events in prompts, "
                    "%ld in message boxes\n",
                    static_cast<unsigned long long>(seed), run.played, run.dialogs, run.oks,
                    run.promptEvents, run.boxEvents);
        return failure;
    }

    backend::HeadlessBackend* display = nullptr;
};

TEST_F(MonkeyTest, RegressionSeeds) {
    for (const auto& [seed, events] : regressions) {
        EXPECT_EQ(Play(seed, events), "");
    }
}

TEST_F(MonkeyTest, Replay) {
    const char* seed = std::getenv("QVSQL_MONKEY_SEED");
    if (!seed || !*seed) {
        GTEST_SKIP() << "set QVSQL_MONKEY_SEED (and QVSQL_MONKEY_EVENTS) to replay a run";
    }
    EXPECT_EQ(Play(std::strtoull(seed, nullptr, 10), EventsFromEnvironment()), "");
}

class MonkeySeeds : public MonkeyTest, public ::testing::WithParamInterface<int> {};

TEST_P(MonkeySeeds, InvariantsHoldAfterEveryEvent) {
    if (std::getenv("QVSQL_MONKEY_SEED")) {
        GTEST_SKIP() << "replaying one seed";
    }
    EXPECT_EQ(Play(static_cast<std::uint64_t>(GetParam()), EventsFromEnvironment()), "");
}

// Four runs, so that ctest spreads them over both cores.
INSTANTIATE_TEST_SUITE_P(Ci, MonkeySeeds, ::testing::Values(1, 2, 3, 4));

} // namespace
