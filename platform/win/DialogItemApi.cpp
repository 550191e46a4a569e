// Reading and writing the controls of a dialog by id.
#include "platform/win/WinDialogs.h"

#include <climits>
#include <string>

namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

// Blanks, an optional sign, decimal digits, blanks; nothing else.
bool ParseInt(const std::string& text, bool isSigned, long long* value) {
    std::size_t i = 0;
    while (i < text.size() && Blank(text[i])) {
        ++i;
    }
    const bool negative = isSigned && i < text.size() && text[i] == '-';
    i += negative ? 1 : 0;
    const std::size_t digits = i;
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > static_cast<long long>(UINT_MAX)) {
            return false;
        }
    }
    const bool any = i > digits;
    while (i < text.size() && Blank(text[i])) {
        ++i;
    }
    *value = negative ? -v : v;
    return any && i == text.size() && (!isSigned || (*value >= INT_MIN && *value <= INT_MAX));
}

} // namespace

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
    if (!buffer || size <= 0) {
        return 0;
    }
    buffer[0] = '\0';
    return static_cast<UINT>(GetWindowTextA(GetDlgItem(dialog, id), buffer, size));
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    return SetWindowTextA(GetDlgItem(dialog, id), text);
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    const HWND item = GetDlgItem(dialog, id);
    const int length = item ? GetWindowTextLengthA(item) : 0;
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(item, text.data(), static_cast<int>(text.size()))));
    long long value = 0;
    const bool ok = item && ParseInt(text, isSigned != FALSE, &value);
    if (translated) {
        *translated = ok ? TRUE : FALSE;
    }
    return ok ? static_cast<UINT>(value) : 0;
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    const std::string text =
        isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(value);
    return SetDlgItemTextA(dialog, id, text.c_str());
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND item = GetDlgItem(dialog, id);
    return item ? SendMessageA(item, msg, wParam, lParam) : 0;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    const HWND item = GetDlgItem(dialog, id);
    if (!item) {
        return FALSE;
    }
    SendMessageA(item, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    return static_cast<UINT>(SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0));
}
