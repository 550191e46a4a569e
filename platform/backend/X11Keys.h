#pragma once
// Keysyms as the window system's keyboard sees them: virtual-key codes by key position (US
// layout) and the text a key types, as UTF-8.
#include "platform/base/WinDef.h"
#include "platform/win/KeyTranslator.h"

#include <string>

namespace backend {

class X11Keys {
  public:
    // 0 for keysyms without a virtual key.
    static UINT VirtualKey(unsigned long keysym);
    // The key's virtual key: keypad keys by what they type now, the rest by the key's
    // unshifted symbol, falling back on the symbol typed.
    static UINT KeyFor(unsigned long baseKeysym, unsigned long keysym);
    // What the key types: the keysym's character, else the ASCII bytes the lookup gave.
    static std::string Text(unsigned long keysym, const char* lookup, int length);
    // What a press delivers: the virtual key when the window system's translation of it
    // types the right thing (control characters and Control chords always count as right),
    // else only the text as characters, so nothing arrives twice.
    struct Press {
        UINT vk = 0;
        std::string chars;
    };
    static Press Resolve(UINT vk, const std::string& text, win::KeyModifiers held);

  private:
    static UINT FunctionKey(unsigned long keysym);
    static UINT PrintableKey(unsigned long keysym);
    static void AppendUtf8(std::string& out, unsigned long codePoint);
};

} // namespace backend
