#pragma once
// The edit controls' clipboard and primary selection: text only. The display's own
// clipboards when it has them (other applications copy and paste with us), else the process
// keeps the text itself.
#include "platform/win/Backend.h"

#include <string>

namespace ctl {

class Clipboard {
  public:
    static void SetText(std::string text, win::Selection which = win::Selection::Clipboard);
    static std::string Text(win::Selection which = win::Selection::Clipboard);
};

} // namespace ctl
