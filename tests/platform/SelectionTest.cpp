// Clipboard transfers as X carries them, without a server: the reader's and the INCR writer's
// states transition by transition, and the text conversions at the boundary.
#include "platform/backend/SelectionReader.h"
#include "platform/backend/SelectionText.h"
#include "platform/backend/SelectionWriter.h"

#include <gtest/gtest.h>

namespace x11test {
namespace {

using backend::SelectionReader;
using backend::SelectionText;
using backend::SelectionWriter;
using Kind = SelectionReader::Kind;
using Request = SelectionReader::Request;
using State = SelectionReader::State;

TEST(SelectionReader, AsksForUtf8ThenStringAndFailsWhenBothAreRefused) {
    SelectionReader r;
    EXPECT_EQ(r.Current(), State::Idle);
    EXPECT_EQ(r.Refused(), Request::None) << "nothing asked yet";
    EXPECT_EQ(r.Received(Kind::Utf8, 8, "x", false), Request::None);
    EXPECT_EQ(r.Current(), State::Idle);

    EXPECT_EQ(r.Start(), Request::ConvertUtf8);
    EXPECT_EQ(r.Current(), State::AwaitingUtf8);
    EXPECT_EQ(r.Refused(), Request::ConvertString);
    EXPECT_EQ(r.Current(), State::AwaitingString);
    EXPECT_EQ(r.Refused(), Request::None);
    EXPECT_EQ(r.Current(), State::Failed);
    EXPECT_EQ(r.Text(), "");

    // Garbage (a type that is no text, or text in 16-bit units) counts as a refusal.
    EXPECT_EQ(r.Start(), Request::ConvertUtf8);
    EXPECT_EQ(r.Received(Kind::Other, 8, "junk", false), Request::ConvertString);
    EXPECT_EQ(r.Received(Kind::Latin1, 16, "ab", false), Request::None);
    EXPECT_EQ(r.Current(), State::Failed);

    EXPECT_EQ(r.Start(), Request::ConvertUtf8);
    EXPECT_EQ(r.Received(Kind::Utf8, 8, std::string_view("a\nb\xFF\0c", 6), false), Request::None);
    EXPECT_EQ(r.Current(), State::Done);
    EXPECT_EQ(r.Text(), "a\r\nb\xEF\xBF\xBD"
                        "c")
        << "valid UTF-8, no NUL, CR LF line ends";
    EXPECT_EQ(r.Refused(), Request::None) << "a late reply changes nothing";
    EXPECT_EQ(r.Current(), State::Done);

    EXPECT_EQ(r.Start(), Request::ConvertUtf8);
    r.Refused();
    EXPECT_EQ(r.Received(Kind::Latin1, 8, "caf\xE9", false), Request::None);
    EXPECT_EQ(r.Text(), "caf\xC3\xA9");
}

TEST(SelectionReader, ReceivesIncrementsUpToTheCapAndExpires) {
    SelectionReader r;
    r.Start();
    EXPECT_EQ(r.Received(Kind::Incr, 32, "", false), Request::AwaitChunk);
    EXPECT_EQ(r.Current(), State::Incremental);
    EXPECT_EQ(r.Chunk(Kind::Utf8, 8, "ab", false), Request::AwaitChunk);
    EXPECT_EQ(r.Chunk(Kind::Utf8, 8, "c\n", false), Request::AwaitChunk);
    EXPECT_EQ(r.Chunk(Kind::Utf8, 8, "", false), Request::None);
    EXPECT_EQ(r.Current(), State::Done);
    EXPECT_EQ(r.Text(), "abc\r\n");

    r.Start();
    r.Received(Kind::Incr, 32, "", false);
    r.Chunk(Kind::Utf8, 8, "ab", false);
    EXPECT_EQ(r.Chunk(Kind::Latin1, 8, "cd", false), Request::None) << "types may not change";
    EXPECT_EQ(r.Current(), State::Failed);

    // Past the cap: a whole reply with bytes left over, or chunks adding up beyond it.
    r.Start();
    EXPECT_EQ(r.Received(Kind::Utf8, 8, "abc", true), Request::None);
    EXPECT_EQ(r.Current(), State::Failed);
    r.Start();
    r.Received(Kind::Incr, 32, "", false);
    const std::string half(SelectionReader::MaxBytes / 2 + 1, 'x');
    EXPECT_EQ(r.Chunk(Kind::Utf8, 8, half, false), Request::AwaitChunk);
    EXPECT_EQ(r.Chunk(Kind::Utf8, 8, half, false), Request::None);
    EXPECT_EQ(r.Current(), State::Failed);
    EXPECT_EQ(r.Text(), "");

    r.Start();
    r.Expire();
    EXPECT_EQ(r.Current(), State::Failed);
    r.Start();
    r.Received(Kind::Incr, 32, "", false);
    r.Expire();
    EXPECT_EQ(r.Current(), State::Failed) << "a stalled transfer ends too";
    r.Start();
    r.Received(Kind::Utf8, 8, "kept", false);
    r.Expire();
    EXPECT_EQ(r.Text(), "kept");
    SelectionReader idle;
    idle.Expire();
    EXPECT_EQ(idle.Current(), State::Idle);
}

TEST(SelectionWriter, SendsChunksOnEachDeletionThenAnEmptyOneAndDropsStaleReaders) {
    SelectionWriter w(7, 9, 31, "abcde", 2, 1000);
    EXPECT_EQ(w.Current(), SelectionWriter::State::Announced);
    EXPECT_TRUE(w.Serves(7, 9));
    EXPECT_FALSE(w.Serves(7, 10));
    w.Expire(1500, 1000);
    EXPECT_EQ(w.Current(), SelectionWriter::State::Announced);
    EXPECT_EQ(w.Deleted(1600), "ab");
    EXPECT_EQ(w.Current(), SelectionWriter::State::Sending);
    EXPECT_EQ(w.Deleted(1700), "cd");
    EXPECT_EQ(w.Deleted(1800), "e");
    EXPECT_EQ(w.Current(), SelectionWriter::State::Sending);
    EXPECT_EQ(w.Deleted(1900), "");
    EXPECT_EQ(w.Current(), SelectionWriter::State::Done);
    EXPECT_TRUE(w.Finished());
    EXPECT_EQ(w.Deleted(2000), "");

    SelectionWriter stale(7, 9, 31, "abcde", 2, 1000);
    stale.Deleted(1100);
    stale.Expire(2101, 1000);
    EXPECT_EQ(stale.Current(), SelectionWriter::State::Abandoned);
    EXPECT_EQ(stale.Deleted(2200), "") << "nothing more for a reader that gave up";
}

TEST(SelectionText, LineEndsAndLatin1AtTheBoundary) {
    EXPECT_EQ(SelectionText::ToUtf8("a\r\nb\rc"), "a\nb\rc");
    EXPECT_EQ(SelectionText::ToLatin1("caf\xC3\xA9 \xE2\x82\xAC\r\n"), "caf\xE9 ?\n");
    EXPECT_TRUE(SelectionText::FitsLatin1("caf\xC3\xA9"));
    EXPECT_FALSE(SelectionText::FitsLatin1("\xE2\x82\xAC"));
    EXPECT_EQ(SelectionText::FromLatin1(std::string("\xE9\n\r\n\0x", 6)), "\xC3\xA9\r\n\r\nx");
    EXPECT_EQ(SelectionText::FromUtf8("\xE2\x82\xAC\r\n\n"), "\xE2\x82\xAC\r\n\r\n");
}

} // namespace
} // namespace x11test
