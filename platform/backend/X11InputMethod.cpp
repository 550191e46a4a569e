#include "platform/backend/X11InputMethod.h"

#include "platform/backend/X11Keys.h"

#include <X11/Xutil.h>

#include <clocale>
#include <cstring>
#include <string_view>
#include <utility>

namespace backend {

namespace {

bool IsUtf8(std::string_view locale) {
    return locale.find("UTF-8") != std::string_view::npos ||
           locale.find("utf8") != std::string_view::npos ||
           locale.find("UTF8") != std::string_view::npos ||
           locale.find("utf-8") != std::string_view::npos;
}

// The input method is opened for UTF-8 text, whatever the host's locale: LC_CTYPE and the
// locale's X modifiers are changed for the call only and put back at once.
class Utf8Ctype {
  public:
    Utf8Ctype() {
        const char* current = std::setlocale(LC_CTYPE, nullptr);
        saved = current ? current : "C";
        if (!IsUtf8(saved) && !std::setlocale(LC_CTYPE, "C.UTF-8")) {
            std::setlocale(LC_CTYPE, "C.utf8");
        }
        const char* modifiers = XSetLocaleModifiers(nullptr);
        savedModifiers = modifiers ? modifiers : "";
    }
    ~Utf8Ctype() {
        XSetLocaleModifiers(savedModifiers.c_str());
        std::setlocale(LC_CTYPE, saved.c_str());
    }
    Utf8Ctype(const Utf8Ctype&) = delete;
    Utf8Ctype& operator=(const Utf8Ctype&) = delete;

  private:
    std::string saved;
    std::string savedModifiers;
};

XIMStyle ChooseStyle(XIM im) {
    XIMStyles* styles = nullptr;
    if (XGetIMValues(im, XNQueryInputStyle, &styles, nullptr) != nullptr || !styles) {
        return 0;
    }
    XIMStyle chosen = 0;
    for (const XIMStyle wanted : {XIMStyle{XIMPreeditNothing | XIMStatusNothing},
                                  XIMStyle{XIMPreeditNone | XIMStatusNone}}) {
        for (unsigned short i = 0; i < styles->count_styles && !chosen; ++i) {
            chosen = styles->supported_styles[i] == wanted ? wanted : 0;
        }
    }
    XFree(styles);
    return chosen;
}

} // namespace

void X11InputMethod::Open() {
    if (std::exchange(tried, true)) {
        return;
    }
    {
        Utf8Ctype utf8;
        if (!XSupportsLocale()) {
            return;
        }
        XSetLocaleModifiers(""); // the user's XMODIFIERS, e.g. an input-method server
        im = XOpenIM(display, nullptr, nullptr, nullptr);
        if (!im) {
            XSetLocaleModifiers("@im=none"); // the built-in one: dead keys and Compose
            im = XOpenIM(display, nullptr, nullptr, nullptr);
        }
        style = im ? ChooseStyle(im) : 0;
        if (im && !style) {
            XCloseIM(im);
            im = nullptr;
        }
    }
    for (::Window window : std::exchange(waiting, {})) {
        CreateContext(window);
    }
    Focus(focused, true);
}

void X11InputMethod::Close(bool connected) {
    if (connected) {
        for (auto& [window, ic] : contexts) {
            XDestroyIC(ic);
        }
        if (im) {
            XCloseIM(im);
        }
    }
    contexts.clear();
    waiting.clear();
    im = nullptr;
    tried = true;
}

void X11InputMethod::Attach(::Window window) {
    if (!tried) {
        waiting.insert(window);
    } else {
        CreateContext(window);
    }
}

void X11InputMethod::CreateContext(::Window window) {
    if (!im || contexts.count(window)) {
        return;
    }
    Utf8Ctype utf8;
    XIC ic =
        XCreateIC(im, XNInputStyle, style, XNClientWindow, window, XNFocusWindow, window, nullptr);
    if (ic) {
        contexts[window] = ic;
    }
}

void X11InputMethod::Detach(::Window window) {
    waiting.erase(window);
    if (focused == window) {
        focused = 0;
    }
    auto it = contexts.find(window);
    if (it != contexts.end()) {
        XDestroyIC(it->second);
        contexts.erase(it);
    }
}

XIC X11InputMethod::Context(::Window window) const {
    auto it = contexts.find(window);
    return it == contexts.end() ? nullptr : it->second;
}

void X11InputMethod::Focus(::Window window, bool in) {
    if (in) {
        focused = window;
    } else if (focused == window) {
        focused = 0;
    }
    if (XIC ic = Context(window)) {
        in ? XSetICFocus(ic) : XUnsetICFocus(ic);
    }
}

bool X11InputMethod::Filter(XEvent& e) {
    if (e.type == KeyPress || e.type == KeyRelease) {
        Open();
    }
    return im && XFilterEvent(&e, None);
}

std::string X11InputMethod::Lookup(XKeyEvent& e, KeySym* keysym) {
    if (XIC ic = Context(e.window)) {
        return LookupWithContext(ic, e, keysym);
    }
    char buffer[16] = {};
    const int length = XLookupString(&e, buffer, sizeof(buffer), keysym, nullptr);
    return X11Keys::Text(*keysym, buffer, length);
}

std::string X11InputMethod::LookupWithContext(XIC ic, XKeyEvent& e, KeySym* keysym) {
    std::string text(32, '\0');
    Status status = XLookupNone;
    int length =
        Xutf8LookupString(ic, &e, text.data(), static_cast<int>(text.size()), keysym, &status);
    if (status == XBufferOverflow && length > 0) {
        text.assign(static_cast<std::size_t>(length), '\0');
        length = Xutf8LookupString(ic, &e, text.data(), length, keysym, &status);
    }
    if (status != XLookupKeySym && status != XLookupBoth) {
        *keysym = NoSymbol;
    }
    if (status == XLookupKeySym) {
        return X11Keys::Text(*keysym, nullptr, 0);
    }
    const bool chars = status == XLookupChars || status == XLookupBoth;
    text.resize(chars && length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

} // namespace backend
