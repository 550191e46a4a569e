#include "platform/backend/X11Keys.h"

#include "platform/base/WinMessages.h"
#include "platform/win/KeyTranslator.h"

#include <X11/keysym.h>

namespace backend {

namespace {

struct KeyPair {
    unsigned long keysym;
    UINT vk;
};

constexpr KeyPair FunctionKeys[] = {
    {XK_Return, VK_RETURN},
    {XK_KP_Enter, VK_RETURN},
    {XK_Escape, VK_ESCAPE},
    {XK_Tab, VK_TAB},
    {XK_ISO_Left_Tab, VK_TAB},
    {XK_BackSpace, VK_BACK},
    {XK_Delete, VK_DELETE},
    {XK_KP_Delete, VK_DELETE},
    {XK_Insert, VK_INSERT},
    {XK_KP_Insert, VK_INSERT},
    {XK_Up, VK_UP},
    {XK_KP_Up, VK_UP},
    {XK_Down, VK_DOWN},
    {XK_KP_Down, VK_DOWN},
    {XK_Left, VK_LEFT},
    {XK_KP_Left, VK_LEFT},
    {XK_Right, VK_RIGHT},
    {XK_KP_Right, VK_RIGHT},
    {XK_Prior, VK_PRIOR},
    {XK_KP_Prior, VK_PRIOR},
    {XK_Next, VK_NEXT},
    {XK_KP_Next, VK_NEXT},
    {XK_Home, VK_HOME},
    {XK_KP_Home, VK_HOME},
    {XK_End, VK_END},
    {XK_KP_End, VK_END},
    {XK_Shift_L, VK_SHIFT},
    {XK_Shift_R, VK_SHIFT},
    {XK_Control_L, VK_CONTROL},
    {XK_Control_R, VK_CONTROL},
    {XK_Alt_L, VK_MENU},
    {XK_Alt_R, VK_MENU},
    {XK_Meta_L, VK_MENU},
    {XK_Meta_R, VK_MENU},
    {XK_KP_Multiply, VK_MULTIPLY},
    {XK_KP_Add, VK_ADD},
    {XK_KP_Subtract, VK_SUBTRACT},
    {XK_KP_Decimal, VK_DECIMAL},
    {XK_KP_Divide, VK_DIVIDE},
};

// The unshifted punctuation of a US keyboard.
constexpr KeyPair PunctuationKeys[] = {
    {XK_semicolon, VK_OEM_1},    {XK_equal, VK_OEM_PLUS},    {XK_comma, VK_OEM_COMMA},
    {XK_minus, VK_OEM_MINUS},    {XK_period, VK_OEM_PERIOD}, {XK_slash, VK_OEM_2},
    {XK_grave, VK_OEM_3},        {XK_bracketleft, VK_OEM_4}, {XK_backslash, VK_OEM_5},
    {XK_bracketright, VK_OEM_6}, {XK_apostrophe, VK_OEM_7},
};

bool IsKeypad(unsigned long keysym) {
    return keysym >= XK_KP_Space && keysym <= XK_KP_Equal;
}

} // namespace

UINT X11Keys::FunctionKey(unsigned long keysym) {
    if (keysym >= XK_F1 && keysym <= XK_F12) {
        return VK_F1 + static_cast<UINT>(keysym - XK_F1);
    }
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) {
        return VK_NUMPAD0 + static_cast<UINT>(keysym - XK_KP_0);
    }
    for (const KeyPair& k : FunctionKeys) {
        if (k.keysym == keysym) {
            return k.vk;
        }
    }
    return 0;
}

UINT X11Keys::PrintableKey(unsigned long keysym) {
    if (keysym >= XK_a && keysym <= XK_z) {
        return static_cast<UINT>(keysym - XK_a) + 'A';
    }
    if ((keysym >= XK_A && keysym <= XK_Z) || (keysym >= XK_0 && keysym <= XK_9)) {
        return static_cast<UINT>(keysym);
    }
    if (keysym == XK_space) {
        return VK_SPACE;
    }
    for (const KeyPair& k : PunctuationKeys) {
        if (k.keysym == keysym) {
            return k.vk;
        }
    }
    return 0;
}

UINT X11Keys::VirtualKey(unsigned long keysym) {
    const UINT vk = PrintableKey(keysym);
    return vk ? vk : FunctionKey(keysym);
}

UINT X11Keys::KeyFor(unsigned long baseKeysym, unsigned long keysym) {
    if (IsKeypad(keysym)) {
        return VirtualKey(keysym);
    }
    const UINT vk = VirtualKey(baseKeysym);
    return vk ? vk : VirtualKey(keysym);
}

void X11Keys::AppendUtf8(std::string& out, unsigned long cp) {
    auto byte = [&out](unsigned long b) { out.push_back(static_cast<char>(b & 0xFF)); };
    if (cp < 0x80) {
        byte(cp);
    } else if (cp < 0x800) {
        byte(0xC0 | (cp >> 6));
        byte(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        byte(0xE0 | (cp >> 12));
        byte(0x80 | ((cp >> 6) & 0x3F));
        byte(0x80 | (cp & 0x3F));
    } else {
        byte(0xF0 | (cp >> 18));
        byte(0x80 | ((cp >> 12) & 0x3F));
        byte(0x80 | ((cp >> 6) & 0x3F));
        byte(0x80 | (cp & 0x3F));
    }
}

std::string X11Keys::Text(unsigned long keysym, const char* lookup, int length) {
    std::string text;
    const bool latin1 = (keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF);
    const unsigned long unicode = keysym & 0x00FFFFFFul;
    if (latin1) {
        AppendUtf8(text, keysym);
    } else if ((keysym & 0xFF000000ul) == 0x01000000ul && unicode >= 0x20 && unicode <= 0x10FFFF &&
               (unicode < 0xD800 || unicode > 0xDFFF)) {
        AppendUtf8(text, unicode);
    } else {
        for (int i = 0; lookup && i < length; ++i) {
            if (static_cast<unsigned char>(lookup[i]) >= 0x80) {
                return {};
            }
            text.push_back(lookup[i]);
        }
    }
    return text;
}

// Control (without Alt) turns every key into a command key: a letter's control code comes
// from the key through TranslateMessage, and nothing is ever typed as text.
X11Keys::Press X11Keys::Resolve(UINT vk, const std::string& text, win::KeyModifiers held) {
    const bool command = held.control && !held.alt;
    if (vk == 0) {
        return {0, command ? std::string() : text};
    }
    const char made = win::KeyTranslator::CharFor(vk, held);
    const bool controlChar =
        text.size() == 1 && (static_cast<unsigned char>(text[0]) < 0x20 || text[0] == 0x7F);
    if (command || text.empty() || controlChar || (text.size() == 1 && text[0] == made)) {
        return {vk, {}};
    }
    return {0, text};
}

} // namespace backend
