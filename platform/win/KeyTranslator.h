#pragma once
// The character a key makes on a US keyboard layout, as TranslateMessage needs it: printable
// characters, and with Control the control codes (Ctrl+A is 0x01 ... Ctrl+Z 0x1A, Ctrl+[ 0x1B).
#include "platform/base/WinDef.h"

namespace win {

struct KeyModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool capsLock = false;
};

class KeyTranslator {
  public:
    // 0 when the key makes no character.
    static char CharFor(UINT vk, KeyModifiers held);
    // The modifiers held now, as GetKeyState tells them.
    static KeyModifiers Held();

  private:
    static char Punctuation(UINT vk, bool shift);
    static char ControlCode(UINT vk, bool shift);
};

} // namespace win
