// The X selections of the X11 display against another application on the test server: what
// we offer is read in every form (reading what others offer: X11GalleryTest's paste).
#include "tests/platform/X11Fixture.h" // before Xlib: Xlib defines None

#include "platform/win/WindowSystem.h"
#include "tests/platform/SelectionPeer.h"
#include "tests/support/XServer.h"

#include <X11/Xatom.h>

#include <algorithm>
#include <vector>

namespace x11test {
namespace {

class X11Selections : public X11Fixture {
  protected:
    std::function<void()> Pump() {
        return [this] { display->WaitForInput(display->Now() + 5); };
    }
};

std::vector<Atom> Atoms(const std::string& bytes) {
    std::vector<Atom> atoms(bytes.size() / sizeof(long));
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        long value = 0;
        std::copy_n(bytes.data() + i * sizeof(long), sizeof(long), reinterpret_cast<char*>(&value));
        atoms[i] = static_cast<Atom>(value);
    }
    return atoms;
}

TEST_F(X11Selections, OfferedTextAnswersEveryTargetAndLongTextComesInIncrements) {
    SelectionPeer other(XServer::Name());
    ASSERT_TRUE(other.Ok());
    const Atom clipboard = other.Intern("CLIPBOARD");
    const Atom utf8 = other.Intern("UTF8_STRING");
    display->OfferText(win::Selection::Clipboard, "caf\xC3\xA9 \xE2\x82\xAC\r\nx");

    const auto targets = Atoms(other.Convert(clipboard, other.Intern("TARGETS"), Pump()).bytes);
    for (Atom a : {utf8, XA_STRING, other.Intern("TEXT"), other.Intern("TARGETS")}) {
        EXPECT_NE(std::find(targets.begin(), targets.end(), a), targets.end());
    }
    auto reply = other.Convert(clipboard, utf8, Pump());
    EXPECT_EQ(reply.type, utf8);
    EXPECT_EQ(reply.bytes, "caf\xC3\xA9 \xE2\x82\xAC\nx");
    reply = other.Convert(clipboard, XA_STRING, Pump());
    EXPECT_EQ(reply.type, XA_STRING);
    EXPECT_EQ(reply.bytes, "caf\xE9 ?\nx") << "Latin-1, with what it lacks replaced";
    EXPECT_EQ(other.Convert(clipboard, other.Intern("TEXT"), Pump()).type, utf8)
        << "TEXT in UTF-8 when Latin-1 cannot hold it";
    EXPECT_EQ(other.Convert(clipboard, other.Intern("image/png"), Pump()).type, None);

    const std::string big(600000, 'q');
    display->OfferText(win::Selection::Clipboard, big);
    reply = other.Convert(clipboard, utf8, Pump());
    EXPECT_TRUE(reply.incremental) << reply.type << " " << reply.bytes.size();
    EXPECT_TRUE(reply.bytes == big) << reply.bytes.size();

    // Another owner takes over; from then on reading asks it.
    {
        SelectionPeer owner(XServer::Name());
        owner.Own(clipboard, SelectionPeer::Answer::Utf8, "theirs");
        EXPECT_EQ(display->ReadText(win::Selection::Clipboard), "theirs");
    }
}

} // namespace
} // namespace x11test
