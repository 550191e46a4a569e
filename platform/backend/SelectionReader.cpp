#include "platform/backend/SelectionReader.h"

#include "platform/backend/SelectionText.h"

namespace backend {

namespace {

bool IsText(SelectionReader::Kind kind, int format) {
    return format == 8 &&
           (kind == SelectionReader::Kind::Utf8 || kind == SelectionReader::Kind::Latin1);
}

} // namespace

SelectionReader::Request SelectionReader::Start() {
    state = State::AwaitingUtf8;
    kind = Kind::Other;
    data.clear();
    return Request::ConvertUtf8;
}

SelectionReader::Request SelectionReader::Fallback() {
    if (state != State::AwaitingUtf8) {
        return Fail();
    }
    state = State::AwaitingString;
    return Request::ConvertString;
}

SelectionReader::Request SelectionReader::Fail() {
    state = State::Failed;
    data.clear();
    return Request::None;
}

SelectionReader::Request SelectionReader::Refused() {
    if (state != State::AwaitingUtf8 && state != State::AwaitingString) {
        return Request::None;
    }
    return Fallback();
}

bool SelectionReader::Append(std::string_view bytes, bool more) {
    if (more || bytes.size() > MaxBytes - data.size()) {
        return false;
    }
    data.append(bytes);
    return true;
}

SelectionReader::Request SelectionReader::Received(Kind type, int format, std::string_view bytes,
                                                   bool more) {
    if (state != State::AwaitingUtf8 && state != State::AwaitingString) {
        return Request::None;
    }
    if (type == Kind::Incr) {
        state = State::Incremental;
        return Request::AwaitChunk;
    }
    if (!IsText(type, format)) {
        return Fallback();
    }
    if (!Append(bytes, more)) {
        return Fail();
    }
    kind = type;
    state = State::Done;
    return Request::None;
}

SelectionReader::Request SelectionReader::Chunk(Kind type, int format, std::string_view bytes,
                                                bool more) {
    if (state != State::Incremental) {
        return Request::None;
    }
    if (bytes.empty() && !more) {
        state = State::Done;
        return Request::None;
    }
    const bool sameKind = kind == Kind::Other || kind == type;
    if (!IsText(type, format) || !sameKind || !Append(bytes, more)) {
        return Fail();
    }
    kind = type;
    return Request::AwaitChunk;
}

void SelectionReader::Expire() {
    if (!Finished() && state != State::Idle) {
        Fail();
    }
}

std::string SelectionReader::Text() const {
    if (state != State::Done) {
        return {};
    }
    return kind == Kind::Latin1 ? SelectionText::FromLatin1(data) : SelectionText::FromUtf8(data);
}

} // namespace backend
