#include "platform/afx/CListCtrl.h"

#include "platform/afx/CHeaderCtrl.h"

#include <vector>

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_LISTVIEWA, "", style, rect, parent, id);
}

CListCtrl::~CListCtrl() {
    // The editor belongs to the list window; never destroy it from here.
    editor.Detach();
}

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width, int subItem) {
    LVCOLUMNA info;
    info.mask = LVCF_FMT | LVCF_TEXT;
    info.fmt = format;
    info.pszText = const_cast<char*>(heading ? heading : "");
    if (width >= 0) {
        info.mask |= LVCF_WIDTH;
        info.cx = width;
    }
    if (subItem >= 0) {
        info.mask |= LVCF_SUBITEM;
        info.iSubItem = subItem;
    }
    return Send(LVM_INSERTCOLUMNA, Index(column), Param(&info));
}

BOOL CListCtrl::SetColumnOrderArray(int count, const int* order) {
    if (!order || count <= 0) {
        return FALSE;
    }
    std::vector<int> copy(order, order + count);
    return ::SendMessageA(GetHeaderWindow(), HDM_SETORDERARRAY, Index(count), Param(copy.data())) !=
           0;
}

int CListCtrl::InsertItem(int row, const char* text) {
    LVITEMA item;
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text ? text : "");
    return InsertItem(&item);
}

BOOL CListCtrl::SetItemText(int row, int column, const char* text) {
    LVITEMA item;
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text ? text : "");
    return Send(LVM_SETITEMTEXTA, Index(row), Param(&item)) != 0;
}

std::string CListCtrl::GetItemText(int row, int column) const {
    std::vector<char> buffer(256);
    for (;;) {
        LVITEMA item;
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const int copied = Send(LVM_GETITEMTEXTA, Index(row), Param(&item));
        if (copied < 0) {
            return {};
        }
        if (static_cast<std::size_t>(copied) + 1 < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(copied));
        }
        buffer.resize(buffer.size() * 2);
    }
}

BOOL CListCtrl::SetItemData(int row, DWORD_PTR data) {
    LVITEMA item;
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = static_cast<LPARAM>(data);
    return Send(LVM_SETITEMA, 0, Param(&item)) != 0;
}

DWORD_PTR CListCtrl::GetItemData(int row) const {
    LVITEMA item;
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return Send(LVM_GETITEMA, 0, Param(&item)) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItemState(int row, UINT state, UINT mask) {
    LVITEMA item;
    item.state = state;
    item.stateMask = mask;
    return Send(LVM_SETITEMSTATE, Index(row), Param(&item)) != 0;
}

BOOL CListCtrl::GetItemRect(int row, RECT* rect, int area) const {
    if (!rect) {
        return FALSE;
    }
    rect->left = area;
    return Send(LVM_GETITEMRECT, Index(row), Param(rect)) != 0;
}

BOOL CListCtrl::GetSubItemRect(int row, int column, int area, RECT& rect) const {
    rect.top = column;
    rect.left = area;
    return Send(LVM_GETSUBITEMRECT, Index(row), Param(&rect)) != 0;
}

CEdit* CListCtrl::EditLabel(int row) {
    return WrapEditor(reinterpret_cast<HWND>(SendMessage(LVM_EDITLABELA, Index(row))));
}

CEdit* CListCtrl::GetEditControl() const {
    return WrapEditor(reinterpret_cast<HWND>(SendMessage(LVM_GETEDITCONTROL)));
}

CEdit* CListCtrl::WrapEditor(HWND window) const {
    if (editor.m_hWnd && (editor.m_hWnd != window || !::IsWindow(editor.m_hWnd))) {
        editor.Detach();
    }
    if (!window || !::IsWindow(window)) {
        return nullptr;
    }
    if (editor.m_hWnd == window) {
        return &editor;
    }
    if (auto* attached = dynamic_cast<CEdit*>(FromHandlePermanent(window))) {
        return attached;
    }
    return editor.Attach(window) ? &editor : nullptr;
}
