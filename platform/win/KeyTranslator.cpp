#include "platform/win/KeyTranslator.h"

#include "platform/base/WinMessages.h"

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

char KeyTranslator::CharFor(UINT vk, bool shift, bool control, bool capsLock) {
    if (vk >= 'A' && vk <= 'Z') {
        if (control) {
            return static_cast<char>(vk - 'A' + 1);
        }
        return static_cast<char>((shift != capsLock) ? vk : vk - 'A' + 'a');
    }
    if (control) {
        return vk == VK_RETURN ? '\n' : vk == VK_BACK ? '\x7F' : vk == VK_ESCAPE ? '\x1B' : 0;
    }
    if (vk >= '0' && vk <= '9') {
        return shift ? ShiftedDigits[vk - '0'] : static_cast<char>(vk);
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
        return Punctuation(vk, shift);
    }
}

} // namespace win
