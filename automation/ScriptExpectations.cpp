#include "automation/ScriptExpectations.h"

#include "automation/ScriptGrid.h"
#include "automation/ScriptWindows.h"
#include "platform/afx/CCheckListBox.h"
#include "platform/base/WinControls.h"

#include <optional>

namespace qvsql {

namespace {

constexpr int PreviewId = 1003;

std::string Compare(const std::string& what, const std::string& expected,
                    const std::string& found) {
    if (expected == found) {
        return "";
    }
    return "expected " + what + QuoteForMessage(expected) + ", found " + QuoteForMessage(found);
}

std::string ControlText(HWND active, int id, const std::string& expected) {
    const HWND control = GetDlgItem(active, id);
    if (!control) {
        return "expected control " + std::to_string(id) + " showing " + QuoteForMessage(expected) +
               ", found no such control";
    }
    return Compare("text of " + std::to_string(id) + " ", expected, scriptwin::TextOf(control));
}

std::string CellText(const ScriptCommand& c, HWND active) {
    const int id = c.numbers[0];
    const HWND list = GetDlgItem(active, id);
    const std::string what = "cell " + std::to_string(c.numbers[1]) + " " +
                             std::to_string(c.numbers[2]) + " of " + std::to_string(id) + " ";
    if (!list) {
        return "expected " + what + QuoteForMessage(c.text) + ", found no such control";
    }
    return Compare(what, c.text, scriptgrid::CellText(list, c.numbers[1], c.numbers[2]));
}

// A check list item, a grid row's check box cell, or a check box button.
std::optional<int> CheckOf(HWND control, int index) {
    if (auto* list = dynamic_cast<CCheckListBox*>(CWnd::FromHandlePermanent(control))) {
        const auto count = static_cast<int>(list->GetCount());
        return index < count ? std::optional<int>(list->GetCheck(index)) : std::nullopt;
    }
    if (std::optional<int> row = scriptgrid::RowCheck(control, index)) {
        return row;
    }
    if (scriptwin::ClassOf(control) == "Button") {
        return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    }
    return std::nullopt;
}

std::string Checked(const ScriptCommand& c, HWND active) {
    const int id = c.numbers[0];
    const HWND control = GetDlgItem(active, id);
    const std::string what = "item " + std::to_string(c.numbers[1]) + " of " + std::to_string(id) +
                             " checked " + std::to_string(c.numbers[2]);
    const std::optional<int> state = control ? CheckOf(control, c.numbers[1]) : std::nullopt;
    if (!state) {
        return "expected " + what + ", found no such check box";
    }
    return *state == c.numbers[2] ? "" : "expected " + what + ", found " + std::to_string(*state);
}

std::string Message(const std::string& expected, HWND active) {
    std::string text;
    if (!scriptwin::MessageBoxText(active, text)) {
        return "expected message " + QuoteForMessage(expected) + ", found window " +
               QuoteForMessage(scriptwin::TextOf(active));
    }
    return Compare("message ", expected, text);
}

} // namespace

std::string CheckExpectation(const ScriptCommand& c, HWND active) {
    switch (c.verb) {
    case ScriptVerb::ExpectPreview:
        return ControlText(active, PreviewId, c.text);
    case ScriptVerb::ExpectText:
        return ControlText(active, c.numbers[0], c.text);
    case ScriptVerb::ExpectCell:
        return CellText(c, active);
    case ScriptVerb::ExpectChecked:
        return Checked(c, active);
    case ScriptVerb::ExpectMessage:
        return Message(c.text, active);
    case ScriptVerb::ExpectTitle:
        return Compare("title ", c.text, scriptwin::TextOf(active));
    default:
        return "not an expectation";
    }
}

std::string QuoteForMessage(const std::string& text) {
    std::string out = "\"";
    for (char ch : text) {
        switch (ch) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += ch;
        }
    }
    return out + "\"";
}

} // namespace qvsql
