#include "platform/backend/SelectionWriter.h"

#include <algorithm>

namespace backend {

SelectionWriter::SelectionWriter(unsigned long window, unsigned long atom, unsigned long kind,
                                 std::string text, std::size_t size, unsigned long startMs)
    : requestor(window), property(atom), type(kind), data(std::move(text)),
      chunk(std::max<std::size_t>(size, 1)), lastMs(startMs) {}

std::string_view SelectionWriter::Deleted(unsigned long nowMs) {
    if (Finished()) {
        return {};
    }
    lastMs = nowMs;
    const std::size_t n = std::min(chunk, data.size() - sent);
    const std::string_view next(data.data() + sent, n);
    sent += n;
    state = n == 0 ? State::Done : State::Sending;
    return next;
}

void SelectionWriter::Expire(unsigned long nowMs, unsigned long limitMs) {
    if (!Finished() && nowMs - lastMs > limitMs) {
        state = State::Abandoned;
    }
}

} // namespace backend
