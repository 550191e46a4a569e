#pragma once
// The monkey's hands: one random input event per call, played into whichever modal window is
// active (the query builder, a When Printed prompt, a message box) through the headless
// display, the way a user's mouse, keyboard and waiting reach it.
#include "platform/base/WinDef.h"
#include "tests/monkey/MonkeyRandom.h"

#include <string>

class CSELECTSQLDlg;

namespace backend {
class HeadlessBackend;
}

namespace monkey {

class MonkeyHands {
  public:
    MonkeyHands(MonkeyRandom& dice, backend::HeadlessBackend& screen)
        : random(dice), display(screen) {}

    // Plays one event and describes it in one line.
    std::string Play(const CSELECTSQLDlg& builder);

  private:
    std::string PlayInBuilder(const CSELECTSQLDlg& builder);
    std::string PlayInPrompt(HWND prompt);
    std::string PlayInBox(HWND box);
    std::string PlayAnywhere();

    std::string Pointer(POINT p, const std::string& what);
    std::string Key();
    std::string Type();
    std::string Wait();

    POINT AnyPoint();
    POINT InWindow(HWND window);
    POINT OnControl(HWND dialog, int id);
    POINT OnColumnItem(const CSELECTSQLDlg& builder, std::string& what);
    POINT OnGridCell(const CSELECTSQLDlg& builder, std::string& what);

    MonkeyRandom& random;
    backend::HeadlessBackend& display;
};

} // namespace monkey
