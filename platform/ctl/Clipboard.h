#pragma once
// The process's clipboard for edit text; nothing beyond text is ever copied here.
#include <string>

namespace ctl {

class Clipboard {
  public:
    static void SetText(std::string text) { Value() = std::move(text); }
    static const std::string& Text() { return Value(); }

  private:
    static std::string& Value() {
        static std::string value;
        return value;
    }
};

} // namespace ctl
