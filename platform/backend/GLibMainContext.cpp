#include "platform/backend/GLibMainContext.h"

#include <dlfcn.h>

namespace backend {

namespace {

// GPollFD has pollfd's layout on every Unix GLib supports.
static_assert(sizeof(pollfd) == 8);

constexpr const char* LibraryName = "libglib-2.0.so.0";

} // namespace

struct GLibMainContext::Api {
    void* (*threadDefault)();
    void* (*globalDefault)();
    int (*acquire)(void*);
    void (*release)(void*);
    int (*prepare)(void*, int*);
    int (*query)(void*, int, int*, pollfd*, int);
    int (*check)(void*, int, pollfd*, int);
    void (*dispatch)(void*);
};

template <typename F> static bool Bind(void* handle, F& function, const char* name) {
    function = reinterpret_cast<F>(dlsym(handle, name));
    return function != nullptr;
}

// Looked up at every wait: a host may load GLib after the library. The handle is released
// at once; the functions stay valid while the host keeps GLib loaded, which it does while it
// runs a main context.
const GLibMainContext::Api* GLibMainContext::Find() {
    static Api api;
    void* handle = dlopen(LibraryName, RTLD_LAZY | RTLD_NOLOAD);
    if (!handle) {
        return nullptr;
    }
    const bool complete = Bind(handle, api.threadDefault, "g_main_context_get_thread_default") &&
                          Bind(handle, api.globalDefault, "g_main_context_default") &&
                          Bind(handle, api.acquire, "g_main_context_acquire") &&
                          Bind(handle, api.release, "g_main_context_release") &&
                          Bind(handle, api.prepare, "g_main_context_prepare") &&
                          Bind(handle, api.query, "g_main_context_query") &&
                          Bind(handle, api.check, "g_main_context_check") &&
                          Bind(handle, api.dispatch, "g_main_context_dispatch");
    dlclose(handle);
    return complete ? &api : nullptr;
}

GLibMainContext::GLibMainContext() : api(Find()) {
    if (!api) {
        return;
    }
    void* chosen = api->threadDefault();
    chosen = chosen ? chosen : api->globalDefault();
    if (chosen && api->acquire(chosen)) {
        context = chosen;
    }
}

GLibMainContext::~GLibMainContext() {
    if (context) {
        api->release(context);
    }
}

int GLibMainContext::Prepare(std::vector<pollfd>& fds) {
    if (!context) {
        return -1;
    }
    api->prepare(context, &priority);
    first = fds.size();
    int timeout = -1;
    int wanted = 8;
    for (;;) {
        fds.resize(first + static_cast<std::size_t>(wanted));
        const int needed = api->query(context, priority, &timeout, fds.data() + first, wanted);
        if (needed <= wanted) {
            count = static_cast<std::size_t>(needed);
            fds.resize(first + count);
            return timeout;
        }
        wanted = needed;
    }
}

void GLibMainContext::Dispatch(std::vector<pollfd>& fds) {
    if (context && fds.size() >= first + count &&
        api->check(context, priority, fds.data() + first, static_cast<int>(count))) {
        api->dispatch(context);
    }
}

} // namespace backend
