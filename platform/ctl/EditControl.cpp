#include "platform/ctl/EditControl.h"

#include "platform/ctl/Clipboard.h"
#include "platform/ctl/ControlMap.h"
#include "platform/ctl/ControlSupport.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace ctl {

namespace {

constexpr int BorderWidth = 2;
constexpr int WheelLines = 3;

bool Bordered(HWND hwnd) {
    return (StyleOf(hwnd) & WS_BORDER) ||
           (static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE);
}

std::string TextParam(LPARAM lParam) {
    const auto* s = reinterpret_cast<const char*>(lParam);
    return s && !IS_INTRESOURCE(s) ? std::string(s) : std::string();
}

bool Shift() {
    return GetKeyState(VK_SHIFT) < 0;
}

bool Control() {
    return GetKeyState(VK_CONTROL) < 0;
}

std::size_t SequenceLength(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
}

bool TypeOp(EditBuffer& b, const std::string& s) {
    return b.ReplaceSelection(s, true);
}

bool InsertOp(EditBuffer& b, const std::string& s) {
    return b.ReplaceSelection(s, false);
}

bool EraseBackOp(EditBuffer& b, const std::string&) {
    return b.DeleteBackward();
}

bool EraseForwardOp(EditBuffer& b, const std::string&) {
    return b.DeleteForward();
}

bool UndoOp(EditBuffer& b, const std::string&) {
    return b.Undo();
}

} // namespace

ATOM EditControl::Register() {
    return ControlMap<EditControl>::RegisterBuiltin(CS_DBLCLKS | CS_GLOBALCLASS, IDC_IBEAM);
}

bool EditControl::Multiline() const {
    return (StyleOf(hwnd) & ES_MULTILINE) != 0;
}

bool EditControl::Editable() const {
    return (StyleOf(hwnd) & ES_READONLY) == 0;
}

LRESULT EditControl::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCCREATE:
        if (lParam) {
            buffer.SetText(TextParam(reinterpret_cast<LPARAM>(
                reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpszName)));
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        return Frame(msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        return Mouse(msg, wParam, lParam);
    case WM_KEYDOWN:
        KeyDown(wParam);
        return 0;
    case WM_CHAR:
        Char(static_cast<unsigned char>(wParam));
        return 0;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_SETTEXT:
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
        return TextMessage(msg, wParam, lParam);
    default:
        return msg >= EM_GETSEL && msg <= EM_GETLIMITTEXT ? EditMessage(msg, wParam, lParam)
                                                          : Window(msg, wParam, lParam);
    }
}

LRESULT EditControl::Frame(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!Bordered(hwnd)) {
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    if (msg == WM_NCCALCSIZE) {
        if (auto* r = reinterpret_cast<RECT*>(lParam)) {
            r->left += BorderWidth;
            r->top += BorderWidth;
            r->right = std::max(r->left, r->right - BorderWidth);
            r->bottom = std::max(r->top, r->bottom - BorderWidth);
        }
        return 0;
    }
    RECT whole{};
    GetWindowRect(hwnd, &whole);
    OffsetRect(&whole, -whole.left, -whole.top);
    if (HDC dc = GetWindowDC(hwnd)) {
        DrawEdge(dc, &whole, EDGE_SUNKEN, BF_RECT);
        ReleaseDC(hwnd, dc);
    }
    return 0;
}

LRESULT EditControl::Window(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        view.Relayout(buffer);
        return 0;
    case WM_SIZE:
    case WM_STYLECHANGED:
        view.Relayout(buffer);
        view.ScrollToCaret(buffer);
        Repaint();
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (HDC dc = BeginPaint(hwnd, &ps)) {
            Paint(dc);
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_ENABLE:
        Repaint();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Focus(msg == WM_SETFOCUS);
        return 0;
    case WM_TIMER:
        if (wParam == CaretTimer) {
            caretOn = HasFocus(hwnd) && !caretOn;
            const RECT caret = view.CaretRect(buffer);
            InvalidateRect(hwnd, &caret, FALSE);
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_MOUSEWHEEL:
        if (Multiline()) {
            Wheel(static_cast<short>(HIWORD(wParam)));
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SETFONT:
        view.SetFont(reinterpret_cast<HFONT>(wParam));
        view.Relayout(buffer);
        view.ScrollToCaret(buffer);
        if (lParam) {
            Repaint();
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(view.Font());
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        return code | (Multiline() && Editable() ? DLGC_WANTALLKEYS : 0);
    }
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT EditControl::EditMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case EM_GETSEL: {
        const auto from = static_cast<DWORD>(std::min<std::size_t>(buffer.SelStart(), 0xFFFFFFFFu));
        const auto to = static_cast<DWORD>(std::min<std::size_t>(buffer.SelEnd(), 0xFFFFFFFFu));
        if (auto* p = reinterpret_cast<DWORD*>(wParam)) {
            *p = from;
        }
        if (auto* p = reinterpret_cast<DWORD*>(lParam)) {
            *p = to;
        }
        return MAKELPARAM(static_cast<int>(std::min<DWORD>(from, 0xFFFF)),
                          static_cast<int>(std::min<DWORD>(to, 0xFFFF)));
    }
    case EM_SETSEL: {
        const auto from = static_cast<int>(static_cast<LPARAM>(wParam));
        const auto to = static_cast<int>(lParam);
        const auto at = [this](int v) {
            return v < 0 ? buffer.Size() : static_cast<std::size_t>(v);
        };
        if (from == -1) {
            buffer.MoveCaret(buffer.Caret(), false);
        } else {
            buffer.Select(at(from), at(to));
        }
        Moved();
        return 0;
    }
    case EM_REPLACESEL:
        buffer.ReplaceSelection(TextParam(lParam), false);
        if (!wParam) {
            buffer.ForgetUndo();
        }
        view.Relayout(buffer);
        modified = true;
        Changed();
        return 0;
    case EM_LIMITTEXT:
        buffer.SetLimit(static_cast<std::size_t>(wParam));
        return 0;
    case EM_GETLIMITTEXT:
        return buffer.Limit() == EditBuffer::Unlimited ? 0x7FFFFFFE
                                                       : static_cast<LRESULT>(buffer.Limit());
    case EM_SETREADONLY: {
        const DWORD style = StyleOf(hwnd);
        const DWORD next = wParam ? style | ES_READONLY : style & ~ES_READONLY;
        SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<LONG_PTR>(next));
        Repaint();
        return TRUE;
    }
    case EM_CANUNDO:
        return buffer.CanUndo() ? TRUE : FALSE;
    case EM_UNDO:
        return Change(UndoOp, {}) ? TRUE : FALSE;
    case EM_GETLINECOUNT:
        return static_cast<LRESULT>(view.Layout().Lines().size());
    case EM_GETFIRSTVISIBLELINE:
        return static_cast<LRESULT>(view.FirstLine());
    case EM_SCROLLCARET:
        Moved();
        return TRUE;
    case EM_GETMODIFY:
        return modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        modified = wParam != 0;
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT EditControl::TextMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GETTEXT: {
        auto* out = reinterpret_cast<char*>(lParam);
        if (!out || wParam == 0) {
            return 0;
        }
        const std::size_t n = std::min<std::size_t>(buffer.Size(), wParam - 1);
        std::memcpy(out, buffer.Text().data(), n);
        out[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(buffer.Size());
    case WM_SETTEXT:
        buffer.SetText(TextParam(lParam));
        view.Relayout(buffer);
        modified = false;
        Changed();
        return TRUE;
    case WM_CUT:
        Cut();
        return 0;
    case WM_COPY:
        Copy();
        return 0;
    case WM_PASTE:
        Paste();
        return 0;
    case WM_CLEAR:
        if (Editable()) {
            Change(InsertOp, {});
        }
        return 0;
    default: // WM_UNDO
        return Change(UndoOp, {}) ? TRUE : FALSE;
    }
}

LRESULT EditControl::Mouse(UINT msg, WPARAM wParam, LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
    case WM_LBUTTONDOWN:
        if (!HasFocus(hwnd)) {
            SetFocus(hwnd);
        }
        if (!IsWindow(hwnd)) {
            return 0;
        }
        buffer.MoveCaret(view.HitTest(p), (wParam & MK_SHIFT) != 0);
        desiredX = -1;
        dragging = true;
        SetCapture(hwnd);
        Moved();
        break;
    case WM_LBUTTONDBLCLK: {
        std::size_t from = 0;
        std::size_t to = 0;
        buffer.WordAt(view.HitTest(p), &from, &to);
        buffer.Select(from, to);
        Moved();
        break;
    }
    case WM_MOUSEMOVE:
        if (dragging) {
            buffer.MoveCaret(view.HitTest(p), true);
            Moved();
        }
        break;
    case WM_LBUTTONUP:
        if (dragging) {
            dragging = false;
            ReleaseCapture();
        }
        break;
    default: // WM_CAPTURECHANGED
        dragging = false;
        break;
    }
    return 0;
}

void EditControl::KeyDown(WPARAM key) {
    const std::size_t caret = buffer.Caret();
    const bool shift = Shift();
    const bool ctrl = Control();
    const auto& layout = view.Layout();
    const std::size_t line = layout.LineOf(caret);
    const int page = view.VisibleLines();
    switch (key) {
    case VK_LEFT:
        MoveTo(ctrl                                ? buffer.PrevWord(caret)
               : (!shift && buffer.HasSelection()) ? buffer.SelStart()
                                                   : buffer.PrevChar(caret),
               shift);
        break;
    case VK_RIGHT:
        MoveTo(ctrl                                ? buffer.NextWord(caret)
               : (!shift && buffer.HasSelection()) ? buffer.SelEnd()
                                                   : buffer.NextChar(caret),
               shift);
        break;
    case VK_HOME:
        MoveTo(ctrl ? 0 : layout.Lines()[line].start, shift);
        break;
    case VK_END:
        MoveTo(ctrl ? buffer.Size() : layout.LineEnd(line), shift);
        break;
    case VK_UP:
    case VK_DOWN:
        if (Multiline()) {
            MoveLines(key == VK_UP ? -1 : 1, shift);
        } else {
            MoveTo(key == VK_UP ? buffer.PrevChar(caret) : buffer.NextChar(caret), shift);
        }
        break;
    case VK_PRIOR:
    case VK_NEXT:
        if (Multiline()) {
            view.ScrollLines(key == VK_PRIOR ? -page : page);
            MoveLines(key == VK_PRIOR ? -page : page, shift);
        }
        break;
    case VK_DELETE:
        if (shift) {
            Cut();
        } else if (Editable()) {
            Change(EraseForwardOp, {});
        }
        break;
    case VK_INSERT:
        if (ctrl) {
            Copy();
        } else if (shift) {
            Paste();
        }
        break;
    default:
        break;
    }
}

void EditControl::Char(unsigned char c) {
    if (!pending.empty()) {
        if ((c & 0xC0) == 0x80) {
            pending.push_back(static_cast<char>(c));
            if (pending.size() == SequenceLength(static_cast<unsigned char>(pending[0]))) {
                Type(std::exchange(pending, {}));
            }
            return;
        }
        pending.clear();
    }
    if (c >= 0xC0 && c < 0xF8) {
        pending.push_back(static_cast<char>(c));
        return;
    }
    switch (c) {
    case 0x01: // Ctrl+A
        buffer.Select(0, buffer.Size());
        Moved();
        return;
    case 0x03: // Ctrl+C
        Copy();
        return;
    case 0x16: // Ctrl+V
        Paste();
        return;
    case 0x18: // Ctrl+X
        Cut();
        return;
    case 0x1A: // Ctrl+Z
        if (Editable()) {
            Change(UndoOp, {});
        }
        return;
    case '\b':
        if (Editable()) {
            Change(EraseBackOp, {});
        }
        return;
    case '\r':
    case '\n':
        if (Multiline()) {
            Type("\r\n", false);
        }
        return;
    case '\t':
        if (Multiline()) {
            Type("\t");
        }
        return;
    default:
        if (c >= 0x20 && c != 0x7F && c < 0x80) {
            Type(std::string(1, static_cast<char>(c)));
        }
        return;
    }
}

void EditControl::Type(const std::string& bytes, bool typing) {
    if (!Editable()) {
        return;
    }
    const std::size_t after = buffer.Size() - (buffer.SelEnd() - buffer.SelStart()) + bytes.size();
    const bool full = buffer.Limit() != EditBuffer::Unlimited && after > buffer.Limit();
    Change(typing ? TypeOp : InsertOp, bytes);
    if (full && IsWindow(hwnd)) {
        Notify(hwnd, EN_MAXTEXT);
    }
}

void EditControl::Copy() {
    if (buffer.HasSelection()) {
        Clipboard::SetText(buffer.Selected());
    }
}

void EditControl::Cut() {
    if (Editable() && buffer.HasSelection()) {
        Copy();
        Change(InsertOp, {});
    }
}

void EditControl::Paste() {
    std::string text = Clipboard::Text();
    if (!Multiline()) {
        text = text.substr(0, text.find_first_of("\r\n"));
    }
    if (Editable() && !text.empty()) {
        Type(text, false);
    }
}

void EditControl::Focus(bool gained) {
    caretOn = gained;
    if (gained) {
        SetTimer(hwnd, CaretTimer, CaretBlink, nullptr);
    } else {
        KillTimer(hwnd, CaretTimer);
        pending.clear();
    }
    Repaint();
    Notify(hwnd, gained ? EN_SETFOCUS : EN_KILLFOCUS);
}

void EditControl::Wheel(int delta) {
    wheelRest += delta;
    const int notches = wheelRest / WHEEL_DELTA;
    wheelRest -= notches * WHEEL_DELTA;
    if (notches != 0 && view.ScrollLines(-notches * WheelLines)) {
        Repaint();
    }
}

void EditControl::MoveTo(std::size_t pos, bool extend) {
    buffer.MoveCaret(pos, extend);
    desiredX = -1;
    Moved();
}

void EditControl::MoveLines(long delta, bool extend) {
    const auto& layout = view.Layout();
    const long count = static_cast<long>(layout.Lines().size());
    const long line = static_cast<long>(layout.LineOf(buffer.Caret()));
    const int x = desiredX >= 0 ? desiredX : layout.X(buffer.Caret());
    const long target = std::clamp(line + delta, 0L, std::max(0L, count - 1));
    buffer.MoveCaret(layout.PosAt(static_cast<std::size_t>(target), x), extend);
    desiredX = x;
    Moved();
}

bool EditControl::Change(bool (*op)(EditBuffer&, const std::string&), const std::string& arg) {
    const EditBuffer before = buffer;
    if (!op(buffer, arg)) {
        return false;
    }
    view.Relayout(buffer);
    const bool scrolls = Multiline() || (StyleOf(hwnd) & ES_AUTOHSCROLL);
    if (!scrolls && !view.FitsWidth()) {
        // Without ES_AUTOHSCROLL a single line holds only what fits.
        buffer = before;
        view.Relayout(buffer);
        return false;
    }
    modified = true;
    Changed();
    return true;
}

void EditControl::Changed() {
    view.ScrollToCaret(buffer);
    Notify(hwnd, EN_UPDATE);
    if (!IsWindow(hwnd)) {
        return;
    }
    Moved();
    Notify(hwnd, EN_CHANGE);
}

void EditControl::Moved() {
    view.ScrollToCaret(buffer);
    if (HasFocus(hwnd)) {
        caretOn = true;
        SetTimer(hwnd, CaretTimer, CaretBlink, nullptr);
    }
    Repaint();
}

void EditControl::Repaint() {
    InvalidateRect(hwnd, nullptr, FALSE);
}

void EditControl::Paint(HDC dc) {
    const bool focused = HasFocus(hwnd);
    const bool keepSelection = (StyleOf(hwnd) & ES_NOHIDESEL) != 0;
    view.Paint(dc, buffer, focused || keepSelection, focused && caretOn);
}

} // namespace ctl
