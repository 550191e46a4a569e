#pragma once
// HarfBuzz, opened on the first line that needs shaping rather than linked: a dialog in
// simple scripts never maps it (nor the GLib, graphite2 and PCRE2 it brings). Its headers give
// the types; every HarfBuzz function the library calls is resolved into this table.
#include <hb-ft.h>
#include <hb.h>

#include <string>

namespace gfx {

class HarfBuzz {
  public:
    // The process's table, opening the library on the first call; null when it cannot be
    // opened or lacks a function (said once on standard error): text is then laid out unshaped.
    static const HarfBuzz* Get();
    // Closes the library at unload, once every font holding HarfBuzz objects is gone.
    static void Unload();

    // Opens the library of that name (local symbols) and resolves the table.
    explicit HarfBuzz(const char* soname);
    ~HarfBuzz();
    HarfBuzz(const HarfBuzz&) = delete;
    HarfBuzz& operator=(const HarfBuzz&) = delete;
    bool Ok() const { return handle != nullptr; }
    const std::string& Error() const { return error; }

    hb_unicode_general_category_t Category(char32_t cp) const {
        return unicode_general_category(unicode, cp);
    }
    hb_script_t Script(char32_t cp) const { return unicode_script(unicode, cp); }

    decltype(&::hb_buffer_create) buffer_create = nullptr;
    decltype(&::hb_buffer_destroy) buffer_destroy = nullptr;
    decltype(&::hb_buffer_clear_contents) buffer_clear_contents = nullptr;
    decltype(&::hb_buffer_add_utf32) buffer_add_utf32 = nullptr;
    decltype(&::hb_buffer_set_direction) buffer_set_direction = nullptr;
    decltype(&::hb_buffer_set_script) buffer_set_script = nullptr;
    decltype(&::hb_buffer_guess_segment_properties) buffer_guess_segment_properties = nullptr;
    decltype(&::hb_buffer_get_glyph_infos) buffer_get_glyph_infos = nullptr;
    decltype(&::hb_buffer_get_glyph_positions) buffer_get_glyph_positions = nullptr;
    decltype(&::hb_shape) shape = nullptr;
    decltype(&::hb_ft_font_create) ft_font_create = nullptr;
    decltype(&::hb_ft_font_set_load_flags) ft_font_set_load_flags = nullptr;
    decltype(&::hb_font_destroy) font_destroy = nullptr;

  private:
    bool Resolve();

    void* handle = nullptr;
    std::string error;
    decltype(&::hb_unicode_general_category) unicode_general_category = nullptr;
    decltype(&::hb_unicode_script) unicode_script = nullptr;
    hb_unicode_funcs_t* unicode = nullptr;
};

} // namespace gfx
