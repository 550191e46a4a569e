#include "tests/monkey/MonkeyRun.h"

#include "dialog/CSELECTSQLDlg.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ctl/BuiltinControls.h"
#include "platform/win/WinDialogs.h"
#include "platform/win/WindowSystem.h"
#include "tests/monkey/MonkeyCatalogue.h"
#include "tests/monkey/MonkeyInvariants.h"

#include <array>
#include <cstdio>
#include <memory>

namespace monkey {

namespace {

constexpr std::size_t LogLength = 40;
constexpr std::array<UINT, 16> Keys = {VK_TAB,    VK_RETURN, VK_ESCAPE, VK_SPACE, VK_UP,    VK_DOWN,
                                       VK_LEFT,   VK_RIGHT,  VK_HOME,   VK_END,   VK_PRIOR, VK_NEXT,
                                       VK_DELETE, VK_BACK,   VK_F4,     'A'};
constexpr std::array<const char*, 6> Texts = {"x",        "'Paris'", "a b", "{WHEN PRINTED}",
                                              "\xC3\xA9", "1,2"};
constexpr std::array<const char*, 4> Groupings = {"[]", "\"\"", "``", "<>"};

// The preview's text as the dialog ends, to compare with what OK hands out.
std::string previewAtEnd;
WNDPROC previewProc = nullptr;

LRESULT CapturePreview(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        previewAtEnd.assign(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
        previewAtEnd.resize(static_cast<std::size_t>(
            GetWindowTextA(hwnd, previewAtEnd.data(), static_cast<int>(previewAtEnd.size()))));
    }
    return CallWindowProcA(previewProc, hwnd, msg, wParam, lParam);
}

// The front-most modal window: the builder, a When Printed dialog or a message box.
HWND ActiveModal(HWND builder) {
    HWND active = GetActiveWindow();
    return active ? active : builder;
}

std::vector<HWND> VisibleChildren(HWND parent) {
    std::vector<HWND> found;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (IsWindowVisible(c)) {
            found.push_back(c);
        }
    }
    return found;
}

} // namespace

MonkeyResult MonkeyRun::Play(long events) {
    auto headless = std::make_unique<backend::HeadlessBackend>();
    display = headless.get();
    win::SetBackend(std::move(headless));
    ctl::RegisterBuiltinControls();
    settings.stringFilePath = "/nonexistent/english.str";
    while (result.events < events && result.failure.empty()) {
        OpenOne(std::min<long>(events - result.events, 20 + static_cast<long>(random() % 400)));
    }
    win::SetBackend(nullptr);
    return result;
}

void MonkeyRun::OpenOne(long budget) {
    const Catalogue c = RandomCatalogue(random);
    auto made = std::make_unique<CSELECTSQLDlg>();
    dialog = made.get();
    dialog->UseModuleSettings(&settings);
    for (const auto& [table, columns] : c.tables) {
        dialog->SetTableAndColumns(table.c_str(), columns.c_str());
    }
    settings.currentTable = c.currentTable;
    settings.groupingChars = Groupings[random() % Groupings.size()];
    dialog->SetSQL(c.handedIn.c_str());
    MonkeyInvariants invariants(*dialog);
    HWND opened = nullptr;
    stepsLeft = budget;
    display->SetScript([&](backend::HeadlessBackend&) {
        if (dialog->m_hWnd && dialog->m_hWnd != opened) {
            opened = dialog->m_hWnd;
            invariants.Opened(c.handedIn);
            previewProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(GetDlgItem(opened, 1003), GWLP_WNDPROC,
                                  reinterpret_cast<LONG_PTR>(CapturePreview)));
        }
        const std::string broken = invariants.Check();
        if (!broken.empty()) {
            result.failure = broken;
            return false;
        }
        return Step();
    });
    previewAtEnd.clear();
    ++result.dialogs;
    if (dialog->DoModal() == IDOK) {
        ++result.okResults;
        if (result.failure.empty() && dialog->sqlText != previewAtEnd) {
            result.failure = "OK handed out \"" + dialog->sqlText +
                             "\" while the preview showed \"" + previewAtEnd + "\"";
        }
    }
    display->SetScript(nullptr);
    for (HWND top : win::TopLevelWindows()) {
        DestroyWindow(top);
    }
    display->Pump();
    dialog = nullptr;
}

bool MonkeyRun::Step() {
    if (stepsLeft <= 0) {
        return false;
    }
    --stepsLeft;
    ++result.events;
    PlayEvent();
    return true;
}

POINT MonkeyRun::RandomPoint() {
    HWND target = ActiveModal(dialog->m_hWnd);
    std::vector<HWND> tops;
    for (HWND top : win::TopLevelWindows()) {
        if (IsWindowVisible(top)) {
            tops.push_back(top);
        }
    }
    if (random() % 5 == 0 && !tops.empty()) {
        target = tops[random() % tops.size()]; // an open drop-down list, a tooltip
    } else if (random() % 4 != 0) {
        const std::vector<HWND> children = VisibleChildren(target);
        if (!children.empty()) {
            target = children[random() % children.size()];
        }
    }
    RECT r{};
    GetWindowRect(target, &r);
    if (random() % 2 == 0) {
        r.right = std::min<LONG>(r.right, r.left + 20); // where the check boxes are
    }
    const int w = std::max<LONG>(r.right - r.left, 1);
    const int h = std::max<LONG>(r.bottom - r.top, 1);
    return {r.left + static_cast<int>(Below(static_cast<unsigned>(w + 8))) - 4,
            r.top + static_cast<int>(Below(static_cast<unsigned>(h + 8))) - 4};
}

void MonkeyRun::PlayEvent() {
    const unsigned kind = Below(100);
    if (kind < 25) {
        const POINT p = RandomPoint();
        display->Click(p.x, p.y);
        Note("click " + std::to_string(p.x) + " " + std::to_string(p.y));
    } else if (kind < 35) {
        const POINT p = RandomPoint();
        display->MoveMouse(p.x, p.y);
        Note("move " + std::to_string(p.x) + " " + std::to_string(p.y));
    } else if (kind < 45) {
        const POINT p = RandomPoint();
        display->MoveMouse(p.x, p.y);
        const bool down = random() % 2 == 0;
        down ? display->ButtonDown() : display->ButtonUp();
        Note(std::string(down ? "down " : "up ") + std::to_string(p.x) + " " + std::to_string(p.y));
    } else if (kind < 52) {
        const POINT p = RandomPoint();
        display->DoubleClick(p.x, p.y);
        Note("dblclick " + std::to_string(p.x) + " " + std::to_string(p.y));
    } else if (kind < 55) {
        display->Wheel(random() % 2 ? 120 : -120);
        Note("wheel");
    } else if (kind < 72) {
        const UINT vk = Keys[random() % Keys.size()];
        display->Key(vk);
        Note("key " + std::to_string(vk));
    } else if (kind < 80) {
        const char* text = Texts[random() % Texts.size()];
        display->TypeText(text);
        Note(std::string("type ") + text);
    } else {
        const DWORD ms = 1 + Below(700);
        display->MoveClock(ms);
        Note("wait " + std::to_string(ms));
    }
}

void MonkeyRun::Note(std::string event) {
    if (tracing) {
        std::fprintf(stderr, "%ld %s | %s\n", result.events, event.c_str(),
                     dialog->sqlText.c_str());
    }
    if (result.log.size() == LogLength) {
        result.log.erase(result.log.begin());
    }
    result.log.push_back(std::move(event));
}

} // namespace monkey
