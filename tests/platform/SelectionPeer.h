#pragma once
// Another X application for clipboard tests, on its own connection: it reads a selection we
// own (Convert, with INCR), or owns one from a thread of its own and answers as told, so
// that our blocking paste has someone to talk to.
#include <atomic>
#include <functional>
#include <string>
#include <thread>

// Xlib's Display and XEvent, kept out of headers that gtest follows (Xlib defines None).
struct _XDisplay;
union _XEvent;

namespace x11test {

using XAtom = unsigned long;

class SelectionPeer {
  public:
    enum class Answer { Utf8, StringOnly, Garbage, Silent, Huge };

    explicit SelectionPeer(const std::string& displayName);
    ~SelectionPeer();
    SelectionPeer(const SelectionPeer&) = delete;
    SelectionPeer& operator=(const SelectionPeer&) = delete;

    bool Ok() const { return display != nullptr; }
    XAtom Intern(const char* atom) const;

    // Asks the selection's owner for target while pump runs our side; the reply's type (None
    // when refused) and bytes, INCR transfers followed to their end.
    struct Reply {
        XAtom type = 0; // none when refused
        std::string bytes;
        bool incremental = false;
    };
    Reply Convert(XAtom selection, XAtom target, const std::function<void()>& pump);

    // Owns the selection from a thread until the peer ends, answering every request so.
    void Own(XAtom selection, Answer answer, std::string text);

  private:
    bool WaitFor(int type, _XEvent* e, const std::function<void()>& pump);
    void Serve(XAtom selection, Answer answer, std::string text);

    std::string name;
    _XDisplay* display = nullptr;
    unsigned long window = 0;
    std::thread owner;
    std::atomic<bool> stop{false};
    std::atomic<bool> owning{false};
};

} // namespace x11test
