#pragma once
// Sending a long text to one requestor in INCR chunks: each time the requestor deletes the
// property, the next chunk goes out, and an empty one ends the transfer. Pure logic:
// X11Clipboard writes the chunks and drops transfers that finished or went stale.
#include <cstddef>
#include <string>
#include <string_view>

namespace backend {

class SelectionWriter {
  public:
    enum class State { Announced, Sending, Done, Abandoned };

    // data: the whole answer; chunk: the most written at once (at least 1).
    SelectionWriter(unsigned long requestor, unsigned long property, unsigned long type,
                    std::string data, std::size_t chunk, unsigned long startMs);

    // The requestor deleted the property: the chunk to write now (empty: the last one).
    std::string_view Deleted(unsigned long nowMs);
    // A requestor that stops reading for this long loses its transfer.
    void Expire(unsigned long nowMs, unsigned long limitMs);

    State Current() const { return state; }
    bool Finished() const { return state == State::Done || state == State::Abandoned; }
    bool Serves(unsigned long window, unsigned long atom) const {
        return window == requestor && atom == property;
    }
    unsigned long Requestor() const { return requestor; }
    unsigned long Property() const { return property; }
    unsigned long Type() const { return type; }
    std::size_t Size() const { return data.size(); }

  private:
    unsigned long requestor;
    unsigned long property;
    unsigned long type;
    std::string data;
    std::size_t chunk;
    std::size_t sent = 0;
    unsigned long lastMs;
    State state = State::Announced;
};

} // namespace backend
