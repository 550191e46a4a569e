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
    auto press = X11Keys::Resolve('A', "a", {});
    EXPECT_EQ(press.vk, 'A');
    EXPECT_EQ(press.chars, "");
    press = X11Keys::Resolve('1', "!", {true, false});
    EXPECT_EQ(press.vk, '1');
    EXPECT_EQ(press.chars, "");
    // Another layout: Shift+7 types "/", which the US translation of the key would not.
    press = X11Keys::Resolve('7', "/", {true, false});
    EXPECT_EQ(press.vk, 0u);
    EXPECT_EQ(press.chars, "/");
    press = X11Keys::Resolve(0, "\xC3\xA9", {});
    EXPECT_EQ(press.chars, "\xC3\xA9");
    press = X11Keys::Resolve(VK_DELETE, "\x7F", {});
    EXPECT_EQ(press.vk, VK_DELETE);
    EXPECT_EQ(press.chars, "");
    press = X11Keys::Resolve(VK_RETURN, "\r", {false, true});
    EXPECT_EQ(press.vk, VK_RETURN);
    EXPECT_EQ(press.chars, "");
    press = X11Keys::Resolve('C', "\x03", {false, true});
    EXPECT_EQ(press.vk, 'C');
    EXPECT_EQ(press.chars, "");
    press = X11Keys::Resolve(VK_SHIFT, "", {true, false});
    EXPECT_EQ(press.vk, VK_SHIFT);
    EXPECT_EQ(press.chars, "");
    // Control chords are keys, never text, whatever the lookup typed.
    const win::KeyModifiers control{false, true};
    press = X11Keys::Resolve('A', "a", control);
    EXPECT_EQ(press.vk, 'A');
    EXPECT_EQ(press.chars, "");
    press = X11Keys::Resolve('1', "1", control);
    EXPECT_EQ(press.vk, '1');
    EXPECT_EQ(press.chars, "");
    press = X11Keys::Resolve(0, "\xC3\xA9", control);
    EXPECT_EQ(press.chars, "");
    // Alt keeps the character (a system character); Control with Alt is AltGr's text.
    press = X11Keys::Resolve('A', "a", {false, false, true});
    EXPECT_EQ(press.vk, 'A');
    press = X11Keys::Resolve('Q', "@", {false, true, true});
    EXPECT_EQ(press.vk, 0u);
    EXPECT_EQ(press.chars, "@");
}

} // namespace
} // namespace x11test
