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
        return Create(msg, wParam, lParam);
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
        return Frame(msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
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

LRESULT EditControl::Create(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (lParam) {
        buffer.SetText(TextParam(
            reinterpret_cast<LPARAM>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpszName)));
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
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
        RepaintAll();
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_PAINT:
        return PaintMessage();
    case WM_ERASEBKGND:
        return 1;
    case WM_ENABLE:
        RepaintAll();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Focus(msg == WM_SETFOCUS);
        return 0;
    case WM_TIMER:
        return wParam == CaretTimer ? Blink() : DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_MOUSEWHEEL:
        if (Multiline()) {
            Wheel(static_cast<short>(HIWORD(wParam)));
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_SETFONT:
        return SetFont(reinterpret_cast<HFONT>(wParam), lParam != 0);
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(view.Font());
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS |
               (Multiline() && Editable() ? DLGC_WANTALLKEYS : 0);
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

LRESULT EditControl::PaintMessage() {
    PAINTSTRUCT ps;
    if (HDC dc = BeginPaint(hwnd, &ps)) {
        Paint(dc);
    }
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT EditControl::Blink() {
    caretOn = HasFocus(hwnd) && !caretOn;
    Repaint();
    return 0;
}

LRESULT EditControl::SetFont(HFONT font, bool redraw) {
    view.SetFont(font);
    view.Relayout(buffer);
    view.ScrollToCaret(buffer);
    if (redraw) {
        RepaintAll();
    }
    return 0;
}

LRESULT EditControl::EditMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case EM_GETSEL:
        return GetSelection(reinterpret_cast<DWORD*>(wParam), reinterpret_cast<DWORD*>(lParam));
    case EM_SETSEL:
        return SetSelection(static_cast<int>(static_cast<LPARAM>(wParam)),
                            static_cast<int>(lParam));
    case EM_REPLACESEL:
        return ReplaceSelection(TextParam(lParam), wParam != 0);
    case EM_LIMITTEXT:
        buffer.SetLimit(static_cast<std::size_t>(wParam));
        return 0;
    case EM_GETLIMITTEXT:
        return buffer.Limit() == EditBuffer::Unlimited ? 0x7FFFFFFE
                                                       : static_cast<LRESULT>(buffer.Limit());
    case EM_SETREADONLY:
        return SetReadOnly(wParam != 0);
    case EM_CANUNDO:
        return buffer.CanUndo() ? TRUE : FALSE;
    case EM_UNDO:
        return Change(UndoOp, {}) ? TRUE : FALSE;
    default:
        return ViewMessage(msg, wParam, lParam);
    }
}

LRESULT EditControl::ViewMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
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

LRESULT EditControl::GetSelection(DWORD* start, DWORD* end) const {
    const auto from = static_cast<DWORD>(std::min<std::size_t>(buffer.SelStart(), 0xFFFFFFFFu));
    const auto to = static_cast<DWORD>(std::min<std::size_t>(buffer.SelEnd(), 0xFFFFFFFFu));
    if (start) {
        *start = from;
    }
    if (end) {
        *end = to;
    }
    return MAKELPARAM(static_cast<int>(std::min<DWORD>(from, 0xFFFF)),
                      static_cast<int>(std::min<DWORD>(to, 0xFFFF)));
}

LRESULT EditControl::SetSelection(int from, int to) {
    const auto at = [this](int v) { return v < 0 ? buffer.Size() : static_cast<std::size_t>(v); };
    if (from == -1) {
        buffer.MoveCaret(buffer.Caret(), false);
    } else {
        buffer.Select(at(from), at(to));
    }
    Moved();
    return 0;
}

LRESULT EditControl::ReplaceSelection(const std::string& text, bool undoable) {
    buffer.ReplaceSelection(text, false);
    if (!undoable) {
        buffer.ForgetUndo();
    }
    view.Relayout(buffer);
    modified = true;
    Changed();
    return 0;
}

LRESULT EditControl::SetReadOnly(bool readOnly) {
    const DWORD style = StyleOf(hwnd);
    SetWindowLongPtrA(hwnd, GWL_STYLE,
                      static_cast<LONG_PTR>(readOnly ? style | ES_READONLY : style & ~ES_READONLY));
    RepaintAll();
    return TRUE;
}

LRESULT EditControl::TextMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GETTEXT:
        return GetText(reinterpret_cast<char*>(lParam), static_cast<std::size_t>(wParam));
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
        Paste(win::Selection::Clipboard);
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

LRESULT EditControl::GetText(char* out, std::size_t size) const {
    if (!out || size == 0) {
        return 0;
    }
    const std::size_t n = std::min<std::size_t>(buffer.Size(), size - 1);
    std::memcpy(out, buffer.Text().data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT EditControl::Mouse(UINT msg, WPARAM wParam, LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
    case WM_LBUTTONDOWN:
        Press(p, (wParam & MK_SHIFT) != 0);
        break;
    case WM_LBUTTONDBLCLK: {
        std::size_t from = 0;
        std::size_t to = 0;
        buffer.WordAt(view.HitTest(p), &from, &to);
        buffer.Select(from, to);
        Moved();
        break;
    }
    case WM_MBUTTONDOWN:
        PastePrimary(p);
        break;
    case WM_MOUSEMOVE:
        if (dragging) {
            buffer.MoveCaret(view.HitTest(p), true);
            Moved();
        }
        break;
    case WM_LBUTTONUP:
        if (std::exchange(dragging, false)) {
            ReleaseCapture();
        }
        break;
    default: // WM_CAPTURECHANGED
        dragging = false;
        break;
    }
    return 0;
}

bool EditControl::TakeFocus() {
    if (!HasFocus(hwnd)) {
        SetFocus(hwnd);
    }
    return IsWindow(hwnd) != FALSE;
}

void EditControl::Press(POINT p, bool extend) {
    if (!TakeFocus()) {
        return;
    }
    buffer.MoveCaret(view.HitTest(p), extend);
    desiredX = -1;
    dragging = true;
    SetCapture(hwnd);
    Moved();
}

// X users paste the primary selection where they middle-click.
void EditControl::PastePrimary(POINT p) {
    if (!Editable() || !TakeFocus()) {
        return;
    }
    std::string text = Clipboard::Text(win::Selection::Primary);
    MoveTo(view.HitTest(p), false);
    Insert(std::move(text));
}

void EditControl::KeyDown(WPARAM key) {
    if (!Navigate(key)) {
        EditKey(key);
    }
}

bool EditControl::Navigate(WPARAM key) {
    const std::size_t caret = buffer.Caret();
    const bool shift = Shift();
    const bool ctrl = Control();
    const auto& layout = view.Layout();
    const std::size_t line = layout.LineOf(caret);
    switch (key) {
    case VK_LEFT:
        MoveTo(ctrl                                ? buffer.PrevWord(caret)
               : (!shift && buffer.HasSelection()) ? buffer.SelStart()
                                                   : buffer.PrevChar(caret),
               shift);
        return true;
    case VK_RIGHT:
        MoveTo(ctrl                                ? buffer.NextWord(caret)
               : (!shift && buffer.HasSelection()) ? buffer.SelEnd()
                                                   : buffer.NextChar(caret),
               shift);
        return true;
    case VK_HOME:
        MoveTo(ctrl ? 0 : layout.Lines()[line].start, shift);
        return true;
    case VK_END:
        MoveTo(ctrl ? buffer.Size() : layout.LineEnd(line), shift);
        return true;
    case VK_UP:
    case VK_DOWN:
        VerticalKey(key == VK_UP ? -1 : 1, shift);
        return true;
    case VK_PRIOR:
    case VK_NEXT:
        PageKey(key == VK_PRIOR ? -1 : 1, shift);
        return true;
    default:
        return false;
    }
}

void EditControl::VerticalKey(int direction, bool shift) {
    if (Multiline()) {
        MoveLines(direction, shift);
    } else {
        const std::size_t caret = buffer.Caret();
        MoveTo(direction < 0 ? buffer.PrevChar(caret) : buffer.NextChar(caret), shift);
    }
}

void EditControl::PageKey(int direction, bool shift) {
    if (Multiline()) {
        const int page = view.VisibleLines() * direction;
        view.ScrollLines(page);
        MoveLines(page, shift);
    }
}

// Shift+Delete cuts, Ctrl+Insert copies and Shift+Insert pastes, as in every system edit.
void EditControl::EditKey(WPARAM key) {
    if (key == VK_DELETE) {
        if (Shift()) {
            Cut();
        } else if (Editable()) {
            Change(EraseForwardOp, {});
        }
    } else if (key == VK_INSERT) {
        if (Control()) {
            Copy();
        } else if (Shift()) {
            Paste(win::Selection::Clipboard);
        }
    }
}

void EditControl::Char(unsigned char c) {
    if (Utf8Byte(c)) {
        return;
    }
    if (c < 0x20 || c == 0x7F) {
        ControlChar(c);
    } else if (c < 0x80) {
        Type(std::string(1, static_cast<char>(c)));
    }
}

// Bytes of a character that arrives byte by byte; true when the byte was taken.
bool EditControl::Utf8Byte(unsigned char c) {
    if (!pending.empty()) {
        if ((c & 0xC0) == 0x80) {
            pending.push_back(static_cast<char>(c));
            if (pending.size() == SequenceLength(static_cast<unsigned char>(pending[0]))) {
                Type(std::exchange(pending, {}));
            }
            return true;
        }
        pending.clear();
    }
    if (c >= 0xC0 && c < 0xF8) {
        pending.push_back(static_cast<char>(c));
        return true;
    }
    return false;
}

// Control characters are commands, never text.
void EditControl::ControlChar(unsigned char c) {
    switch (c) {
    case 0x01: // Ctrl+A
        buffer.Select(0, buffer.Size());
        Moved();
        break;
    case 0x03: // Ctrl+C
        Copy();
        break;
    case 0x16: // Ctrl+V
        Paste(win::Selection::Clipboard);
        break;
    case 0x18: // Ctrl+X
        Cut();
        break;
    case 0x1A: // Ctrl+Z
        Undo();
        break;
    case '\b':
        if (Editable()) {
            Change(EraseBackOp, {});
        }
        break;
    case '\r':
        if (Multiline()) {
            Type("\r\n", false);
        }
        break;
    case '\t':
        if (Multiline()) {
            Type("\t");
        }
        break;
    default:
        break;
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

void EditControl::Paste(win::Selection which) {
    if (Editable()) {
        Insert(Clipboard::Text(which));
    }
}

// Pasted text: a single line takes it up to the first line break, and control characters
// other than line breaks and tabs are dropped.
void EditControl::Insert(std::string text) {
    if (!Multiline()) {
        text.resize(std::min(text.size(), text.find_first_of("\r\n")));
    }
    std::erase_if(text, [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && c != '\t' && c != '\r' && c != '\n') || u == 0x7F;
    });
    if (!text.empty()) {
        Type(text, false);
    }
}

bool EditControl::Undo() {
    return Editable() && Change(UndoOp, {});
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
    if (buffer.HasSelection()) {
        Clipboard::SetText(buffer.Selected(), win::Selection::Primary);
    }
    if (HasFocus(hwnd)) {
        caretOn = true;
        SetTimer(hwnd, CaretTimer, CaretBlink, nullptr);
    }
    Repaint();
}

bool EditControl::ShowSelection() const {
    return HasFocus(hwnd) || (StyleOf(hwnd) & ES_NOHIDESEL) != 0;
}

bool EditControl::ShowCaret() const {
    return HasFocus(hwnd) && caretOn;
}

void EditControl::Repaint() {
    view.Invalidate(buffer, ShowSelection(), ShowCaret(), false);
}

void EditControl::RepaintAll() {
    view.Invalidate(buffer, ShowSelection(), ShowCaret(), true);
}

void EditControl::Paint(HDC dc) {
    view.Paint(dc, buffer, ShowSelection(), ShowCaret());
}

} // namespace ctl
