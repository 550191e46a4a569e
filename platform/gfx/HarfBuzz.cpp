#include "platform/gfx/HarfBuzz.h"

#include <dlfcn.h>

#include <cstdio>

namespace gfx {

namespace {

constexpr const char* LibraryName = "libharfbuzz.so.0";

enum class State { Closed, Open, Missing };

// Plain values, so that no destructor runs before the graphics shutdown has released the
// fonts: Unload deletes the table.
State state = State::Closed;
HarfBuzz* table = nullptr; // owned, between Get and Unload
bool reported = false;

template <typename F> bool Bind(void* handle, F& function, const char* name) {
    function = reinterpret_cast<F>(dlsym(handle, name));
    return function != nullptr;
}

} // namespace

const HarfBuzz* HarfBuzz::Get() {
    if (state == State::Closed) {
        table = new HarfBuzz(LibraryName);
        state = table->Ok() ? State::Open : State::Missing;
    }
    if (state == State::Missing && !reported) {
        reported = true;
        std::fprintf(stderr, "QvSQLBuilder: %s; text that needs shaping is drawn unshaped\n",
                     table->Error().c_str());
    }
    return state == State::Open ? table : nullptr;
}

void HarfBuzz::Unload() {
    delete table;
    table = nullptr;
    state = State::Closed;
}

HarfBuzz::HarfBuzz(const char* soname) : handle(dlopen(soname, RTLD_LAZY | RTLD_LOCAL)) {
    if (!handle) {
        const char* why = dlerror();
        error = why ? why : soname;
        return;
    }
    if (!Resolve()) {
        const char* why = dlerror();
        error = why ? why : std::string(soname) + ": a function is missing";
        dlclose(handle);
        handle = nullptr;
    }
}

HarfBuzz::~HarfBuzz() {
    if (handle) {
        dlclose(handle);
    }
}

bool HarfBuzz::Resolve() {
    decltype(&::hb_unicode_funcs_get_default) defaultFuncs = nullptr;
    const bool complete =
        Bind(handle, buffer_create, "hb_buffer_create") &&
        Bind(handle, buffer_destroy, "hb_buffer_destroy") &&
        Bind(handle, buffer_clear_contents, "hb_buffer_clear_contents") &&
        Bind(handle, buffer_add_utf32, "hb_buffer_add_utf32") &&
        Bind(handle, buffer_set_direction, "hb_buffer_set_direction") &&
        Bind(handle, buffer_set_script, "hb_buffer_set_script") &&
        Bind(handle, buffer_guess_segment_properties, "hb_buffer_guess_segment_properties") &&
        Bind(handle, buffer_get_glyph_infos, "hb_buffer_get_glyph_infos") &&
        Bind(handle, buffer_get_glyph_positions, "hb_buffer_get_glyph_positions") &&
        Bind(handle, shape, "hb_shape") && Bind(handle, ft_font_create, "hb_ft_font_create") &&
        Bind(handle, ft_font_set_load_flags, "hb_ft_font_set_load_flags") &&
        Bind(handle, font_destroy, "hb_font_destroy") &&
        Bind(handle, unicode_general_category, "hb_unicode_general_category") &&
        Bind(handle, unicode_script, "hb_unicode_script") &&
        Bind(handle, defaultFuncs, "hb_unicode_funcs_get_default");
    unicode = complete ? defaultFuncs() : nullptr;
    return complete && unicode;
}

} // namespace gfx
