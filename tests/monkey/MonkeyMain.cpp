// qvsql-monkey --seed S --events N: plays N random events from seed S into the query builder
// on the headless display and checks the invariants after each; status 1 on a failure.
// --trace writes every event and the statement after it to standard error.
#include "platform/afx/CWinApp.h"
#include "tests/monkey/MonkeyRun.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

CWinApp theApp;

} // namespace

int main(int argc, char** argv) {
    unsigned seed = 1;
    long events = 10000;
    bool trace = false;
    for (int i = 1; i < argc; i += 2) {
        if (std::strcmp(argv[i], "--trace") == 0) {
            trace = true;
            --i;
        } else if (i + 1 >= argc) {
            std::fprintf(stderr, "usage: qvsql-monkey [--seed S] [--events N] [--trace]\n");
            return 2;
        } else if (std::strcmp(argv[i], "--seed") == 0) {
            seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
        } else if (std::strcmp(argv[i], "--events") == 0) {
            events = std::strtol(argv[i + 1], nullptr, 10);
        } else {
            std::fprintf(stderr, "usage: qvsql-monkey [--seed S] [--events N] [--trace]\n");
            return 2;
        }
    }
    const monkey::MonkeyResult r = monkey::MonkeyRun(seed, trace).Play(events);
    std::printf("seed %u: %ld events, %d dialogs, %d OK\n", seed, r.events, r.dialogs, r.okResults);
    if (r.failure.empty()) {
        return 0;
    }
    std::printf("FAILED: %s\nlast events:\n", r.failure.c_str());
    for (const std::string& event : r.log) {
        std::printf("  %s\n", event.c_str());
    }
    return 1;
}
