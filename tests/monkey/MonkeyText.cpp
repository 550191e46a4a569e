#include "tests/monkey/MonkeyText.h"

#include "platform/win/WinDialogs.h"

#include <algorithm>

namespace monkey {

namespace {

std::string ComboEntry(HWND combo, int index) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

} // namespace

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(std::max(GetWindowTextLengthA(window), 0)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        std::max(GetWindowTextA(window, text.data(), static_cast<int>(text.size())), 0)));
    return text;
}

std::vector<std::string> ComboEntries(HWND combo) {
    std::vector<std::string> entries;
    const auto count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        entries.push_back(ComboEntry(combo, i));
    }
    return entries;
}

std::string ComboSelection(HWND combo) {
    const auto selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    return selected < 0 ? std::string() : ComboEntry(combo, selected);
}

std::string ClassName(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, static_cast<int>(sizeof name));
    return name;
}

std::string Quoted(const std::string& text) {
    return "\"" + text.substr(0, 300) + (text.size() > 300 ? "...\"" : "\"");
}

std::string Listed(const std::vector<std::string>& list) {
    std::string text;
    for (std::size_t i = 0; i < list.size() && i < 12; ++i) {
        text += (i ? ", " : "") + Quoted(list[i]);
    }
    return text + (list.size() > 12 ? ", ..." : "");
}

} // namespace monkey
