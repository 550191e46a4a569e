#pragma once
// The character a key makes on a US keyboard layout, as TranslateMessage needs it.
#include "platform/base/WinDef.h"

namespace win {

class KeyTranslator {
  public:
    // 0 when the key makes no character.
    static char CharFor(UINT vk, bool shift, bool control, bool capsLock);

  private:
    static char Punctuation(UINT vk, bool shift);
};

} // namespace win
