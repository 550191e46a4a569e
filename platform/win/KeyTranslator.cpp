#include "platform/win/KeyTranslator.h"

#include "platform/base/WinMessages.h"
#include "platform/win/WinUser.h"

namespace win {

namespace {

struct OemKey {
    UINT vk;
    char plain;
    char shifted;
};

constexpr OemKey OemKeys[] = {
    {VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'},
    {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
    {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},
    {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},     {VK_MULTIPLY, '*', '*'},
    {VK_ADD, '+', '+'},       {VK_SUBTRACT, '-', '-'},   {VK_DECIMAL, '.', '.'},
    {VK_DIVIDE, '/', '/'},
};

constexpr char ShiftedDigits[] = ")!@#$%^&*(";

} // namespace

char KeyTranslator::Punctuation(UINT vk, bool shift) {
    for (const OemKey& k : OemKeys) {
        if (k.vk == vk) {
            return shift ? k.shifted : k.plain;
        }
    }
    return 0;
}

// Control with a key: the ASCII control codes a US layout gives; Control with Alt gives none.
char KeyTranslator::ControlCode(UINT vk, bool shift) {
    if (vk >= 'A' && vk <= 'Z') {
        return static_cast<char>(vk - 'A' + 1);
    }
    switch (vk) {
    case VK_OEM_4:
        return shift ? 0 : '\x1B';
    case VK_OEM_5:
        return shift ? 0 : '\x1C';
    case VK_OEM_6:
        return shift ? 0 : '\x1D';
    case '6':
        return shift ? '\x1E' : 0;
    case VK_OEM_MINUS:
        return shift ? '\x1F' : 0;
    case VK_RETURN:
        return '\n';
    case VK_BACK:
        return '\x7F';
    case VK_ESCAPE:
        return '\x1B';
    case VK_SPACE:
        return ' ';
    default:
        return 0;
    }
}

char KeyTranslator::CharFor(UINT vk, KeyModifiers held) {
    if (held.control) {
        return held.alt ? 0 : ControlCode(vk, held.shift);
    }
    if (vk >= 'A' && vk <= 'Z') {
        return static_cast<char>((held.shift != held.capsLock) ? vk : vk - 'A' + 'a');
    }
    if (vk >= '0' && vk <= '9') {
        return held.shift ? ShiftedDigits[vk - '0'] : static_cast<char>(vk);
    }
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
        return static_cast<char>('0' + (vk - VK_NUMPAD0));
    }
    switch (vk) {
    case VK_SPACE:
        return ' ';
    case VK_RETURN:
        return '\r';
    case VK_ESCAPE:
        return '\x1B';
    case VK_BACK:
        return '\b';
    case VK_TAB:
        return '\t';
    default:
        return Punctuation(vk, held.shift);
    }
}

KeyModifiers KeyTranslator::Held() {
    return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0,
            (GetKeyState(VK_CAPITAL) & 1) != 0};
}

} // namespace win
