#include "host/CallGate.h"

#include <cstdio>
#include <thread>

namespace qvsql {

namespace {

std::atomic<bool> inProgress{false};
std::atomic<std::thread::id> holder{};

} // namespace

CallGate::CallGate(const char* call) {
    bool expected = false;
    admitted = inProgress.compare_exchange_strong(expected, true, std::memory_order_acquire);
    if (admitted) {
        holder.store(std::this_thread::get_id(), std::memory_order_relaxed);
        return;
    }
    const bool sameThread = holder.load(std::memory_order_relaxed) == std::this_thread::get_id();
    std::fprintf(stderr, "qvsql: %s refused: %s\n", call,
                 sameThread ? "called again while the library is busy in a call on this thread"
                            : "called from another thread while the library is busy");
}

CallGate::~CallGate() {
    if (admitted) {
        holder.store(std::thread::id{}, std::memory_order_relaxed);
        inProgress.store(false, std::memory_order_release);
    }
}

} // namespace qvsql
