#include "platform/backend/X11Keys.h"
#include "platform/base/WinMessages.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>

namespace x11test {
namespace {

using backend::X11Keys;

TEST(X11Keys, KeysymsMapToVirtualKeysByKeyPosition) {
    EXPECT_EQ(X11Keys::VirtualKey(XK_a), 'A');
    EXPECT_EQ(X11Keys::VirtualKey(XK_Z), 'Z');
    EXPECT_EQ(X11Keys::VirtualKey(XK_7), '7');
    EXPECT_EQ(X11Keys::VirtualKey(XK_space), VK_SPACE);
    EXPECT_EQ(X11Keys::VirtualKey(XK_Return), VK_RETURN);
    EXPECT_EQ(X11Keys::VirtualKey(XK_ISO_Left_Tab), VK_TAB);
    EXPECT_EQ(X11Keys::VirtualKey(XK_Prior), VK_PRIOR);
    EXPECT_EQ(X11Keys::VirtualKey(XK_Next), VK_NEXT);
    EXPECT_EQ(X11Keys::VirtualKey(XK_F1), VK_F1);
    EXPECT_EQ(X11Keys::VirtualKey(XK_F12), VK_F12);
    EXPECT_EQ(X11Keys::VirtualKey(XK_Control_R), VK_CONTROL);
    EXPECT_EQ(X11Keys::VirtualKey(XK_Alt_L), VK_MENU);
    EXPECT_EQ(X11Keys::VirtualKey(XK_semicolon), VK_OEM_1);
    EXPECT_EQ(X11Keys::VirtualKey(XK_F13), 0u);
    EXPECT_EQ(X11Keys::VirtualKey(XK_eacute), 0u);
    EXPECT_EQ(X11Keys::VirtualKey(XK_exclam), 0u);

    // The unshifted symbol decides, except on the keypad, where the typed one does.
    EXPECT_EQ(X11Keys::KeyFor(XK_1, XK_exclam), '1');
    EXPECT_EQ(X11Keys::KeyFor(XK_KP_End, XK_KP_1), VK_NUMPAD0 + 1);
    EXPECT_EQ(X11Keys::KeyFor(XK_KP_End, XK_KP_End), VK_END);
    EXPECT_EQ(X11Keys::KeyFor(XK_ISO_Level3_Shift, XK_ISO_Level3_Shift), 0u);
    EXPECT_EQ(X11Keys::KeyFor(0, XK_Tab), VK_TAB);
}

TEST(X11Keys, TextComesAsUtf8FromTheKeysymElseAsciiFromTheLookup) {
    EXPECT_EQ(X11Keys::Text(XK_a, "a", 1), "a");
    EXPECT_EQ(X11Keys::Text(XK_eacute, "\xE9", 1), "\xC3\xA9");
    EXPECT_EQ(X11Keys::Text(0x10020AC, "", 0), "\xE2\x82\xAC");
    EXPECT_EQ(X11Keys::Text(0x101F600, "", 0), "\xF0\x9F\x98\x80");
    EXPECT_EQ(X11Keys::Text(XK_a, "\x01", 1), "a");
    EXPECT_EQ(X11Keys::Text(XK_Return, "\r", 1), "\r");
    EXPECT_EQ(X11Keys::Text(XK_KP_1, "1", 1), "1");
    EXPECT_EQ(X11Keys::Text(XK_Up, "", 0), "");
    EXPECT_EQ(X11Keys::Text(XK_Up, nullptr, 5), "");
    EXPECT_EQ(X11Keys::Text(XK_dead_acute, "\xB4", 1), "");
    EXPECT_EQ(X11Keys::Text(0x100D800, "", 0), ""); // a surrogate is no character
}

TEST(X11Keys, EachCharacterArrivesOnceEitherThroughTheKeyOrAsText) {
    struct Case {
        UINT vk;
        const char* text;
        win::KeyModifiers held;
        UINT key;
        const char* chars;
    };
    const win::KeyModifiers shift{true, false};
    const win::KeyModifiers control{false, true};
    const Case cases[] = {
        {'A', "a", {}, 'A', ""},
        {'1', "!", shift, '1', ""},
        // Another layout: Shift+7 types "/", which the US translation of the key would not.
        {'7', "/", shift, 0u, "/"},
        {0, "\xC3\xA9", {}, 0u, "\xC3\xA9"},
        {VK_DELETE, "\x7F", {}, VK_DELETE, ""},
        {VK_RETURN, "\r", control, VK_RETURN, ""},
        {'C', "\x03", control, 'C', ""},
        {VK_SHIFT, "", shift, VK_SHIFT, ""},
        // Control chords are keys, never text, whatever the lookup typed.
        {'A', "a", control, 'A', ""},
        {'1', "1", control, '1', ""},
        {0, "\xC3\xA9", control, 0u, ""},
        // Alt keeps the character (a system character); Control with Alt is AltGr's text.
        {'A', "a", {false, false, true}, 'A', ""},
        {'Q', "@", {false, true, true}, 0u, "@"},
    };
    for (const Case& c : cases) {
        const X11Keys::Press press = X11Keys::Resolve(c.vk, c.text, c.held);
        EXPECT_EQ(press.vk, c.key) << c.vk << " " << c.text;
        EXPECT_EQ(press.chars, c.chars) << c.vk << " " << c.text;
    }
}

} // namespace
} // namespace x11test
