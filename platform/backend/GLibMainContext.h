#pragma once
// The host's GLib main context, dispatched while the modal loop waits, as the original
// platform's modal loop dispatches the host's windows: GTK and Qt hosts keep painting and
// answering. GLib is looked for among the libraries already loaded (dlopen with RTLD_NOLOAD,
// so a privately loaded copy counts too); it is never loaded, and nothing links against it.
#include <poll.h>

#include <vector>

namespace backend {

class GLibMainContext {
  public:
    // Takes the calling thread's default context when the process has GLib and the context
    // can be acquired by this thread; otherwise the object does nothing.
    GLibMainContext();
    ~GLibMainContext();
    GLibMainContext(const GLibMainContext&) = delete;
    GLibMainContext& operator=(const GLibMainContext&) = delete;

    bool Active() const { return context != nullptr; }
    // Appends the descriptors GLib waits on; answers how long GLib may sleep (-1: for ever).
    int Prepare(std::vector<pollfd>& fds);
    // After the poll: runs the sources that became ready. fds as filled by poll.
    void Dispatch(std::vector<pollfd>& fds);

  private:
    struct Api;
    static const Api* Find();

    const Api* api = nullptr;
    void* context = nullptr;
    int priority = 0;
    std::size_t first = 0; // index of GLib's first descriptor in fds
    std::size_t count = 0;
};

} // namespace backend
