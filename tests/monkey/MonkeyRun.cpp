#include "tests/monkey/MonkeyRun.h"

#include "dialog/CSELECTSQLDlg.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ctl/MessageBoxWindow.h"
#include "platform/win/WinDialogs.h"
#include "resources/ResourceIds.h"
#include "tests/monkey/MonkeyText.h"

namespace monkey {

namespace {

constexpr std::size_t logLength = 40;

} // namespace

MonkeyRun::MonkeyRun(std::uint64_t runSeed, long eventCount, backend::HeadlessBackend& screen)
    : seed(runSeed), events(eventCount), display(screen), random(runSeed), catalogue(random),
      hands(random, display) {
    settings.stringFilePath = "/nonexistent/english.str";
}

MonkeyRun::~MonkeyRun() = default;

std::string MonkeyRun::Play() {
    while (played < events && failure.empty()) {
        Session();
    }
    return failure;
}

void MonkeyRun::Session() {
    if (!dialog || random.Percent(20)) {
        watch.reset();
        dialog = std::make_unique<CSELECTSQLDlg>();
        dialog->UseModuleSettings(&settings);
        catalogue.Clear();
        lastResult.clear();
        watch = std::make_unique<MonkeyWatch>(*dialog, settings, catalogue.Tables(),
                                              catalogue.Schemas());
    }
    catalogue.Grow(*dialog, settings);
    const std::string handedIn = catalogue.Statement(lastResult);
    dialog->SetSQL(handedIn.c_str());
    watch->Opened(handedIn);
    sessionLeft = random.Percent(10) ? random.Between(1, 5) : random.Between(10, 400);
    log.push_back("-- dialog " + std::to_string(++dialogs) + ": " +
                  std::to_string(catalogue.Tables().size()) + " tables, current \"" +
                  settings.currentTable.substr(0, 40) + "\", grouping \"" + settings.groupingChars +
                  "\", handed in \"" + handedIn.substr(0, 80) + "\"");
    display.SetScript([this](backend::HeadlessBackend&) { return Step(); });
    const INT_PTR result = dialog->DoModal();
    display.SetScript(nullptr);
    display.Pump(); // input still queued when the dialog closed goes nowhere
    const std::string ended = watch->Ended(result);
    if (failure.empty() && !ended.empty()) {
        failure = Report() + ended;
    }
    oks += result == IDOK ? 1 : 0;
    if (result == IDOK) {
        lastResult = dialog->GetSQL();
    }
}

bool MonkeyRun::Step() {
    if (!failure.empty()) {
        return false;
    }
    const std::string broken = watch->Check();
    if (!broken.empty()) {
        failure = Report() + broken;
        return false;
    }
    if (played >= events || sessionLeft <= 0) {
        return false;
    }
    Count();
    log.push_back(std::to_string(played + 1) + ": " + hands.Play(*dialog));
    if (log.size() > logLength) {
        log.pop_front();
    }
    ++played;
    --sessionLeft;
    return true;
}

void MonkeyRun::Count() {
    const HWND active = GetActiveWindow();
    if (!active || active == dialog->m_hWnd) {
        return;
    }
    if (ClassName(active) == ctl::MessageBoxWindow::ClassName) {
        ++boxEvents;
    } else if (GetDlgItem(active, res::IDC_WP_PROMPT)) {
        ++promptEvents;
    }
}

std::string MonkeyRun::Report() const {
    std::string text = "QVSQL_MONKEY_SEED=" + std::to_string(seed) +
                       " QVSQL_MONKEY_EVENTS=" + std::to_string(played) + " breaks:\n";
    for (const std::string& line : log) {
        text += "  " + line + "\n";
    }
    return text;
}

} // namespace monkey
