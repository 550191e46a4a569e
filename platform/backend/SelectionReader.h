#pragma once
// Receiving the text of an X selection from its owner, one event at a time: UTF8_STRING
// first, STRING when that is refused, INCR transfers chunk by chunk, and a size cap. Pure
// logic: X11Clipboard makes the requests it answers with and feeds it the replies.
#include <cstddef>
#include <string>
#include <string_view>

namespace backend {

class SelectionReader {
  public:
    enum class State { Idle, AwaitingUtf8, AwaitingString, Incremental, Done, Failed };
    // The type of a property the owner wrote.
    enum class Kind { Utf8, Latin1, Incr, Other };
    // What the caller does next.
    enum class Request { None, ConvertUtf8, ConvertString, AwaitChunk };

    // Longer text is refused: an edit has no use for it and the wait must stay short.
    static constexpr std::size_t MaxBytes = std::size_t{4} << 20;

    // Any state: a new transfer (Idle, Done or Failed before) asking for UTF8_STRING.
    Request Start();
    // The owner answered the last conversion without a property.
    Request Refused();
    // The owner answered with a property of this kind and format; more: bytes beyond those
    // read remain (past the cap).
    Request Received(Kind kind, int format, std::string_view bytes, bool more);
    // One INCR chunk; an empty one ends the transfer.
    Request Chunk(Kind kind, int format, std::string_view bytes, bool more);
    // The owner took too long.
    void Expire();

    State Current() const { return state; }
    bool Finished() const { return state == State::Done || state == State::Failed; }
    // The text received (UTF-8, CR LF line ends); empty unless Done.
    std::string Text() const;

  private:
    Request Fallback();
    Request Fail();
    bool Append(std::string_view bytes, bool more);

    State state = State::Idle;
    Kind kind = Kind::Other;
    std::string data;
};

} // namespace backend
