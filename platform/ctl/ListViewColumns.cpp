#include "platform/ctl/ListViewColumns.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace ctl {

namespace {

LRESULT ToHeader(HWND header, UINT msg, int column, HDITEMA* item) {
    return SendMessageA(header, msg, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(item));
}

} // namespace

LRESULT ListViewColumns::Insert(int column, const LVCOLUMNA* info) const {
    if (!info || column < 0) {
        return -1;
    }
    HDITEMA item;
    item.mask = HDI_FORMAT | HDI_WIDTH;
    item.fmt = HDF_STRING | ((info->mask & LVCF_FMT) ? (info->fmt & LVCFMT_JUSTIFYMASK) : 0);
    item.cxy = (info->mask & LVCF_WIDTH) ? info->cx : 0;
    if ((info->mask & LVCF_TEXT) && info->pszText) {
        item.mask |= HDI_TEXT;
        item.pszText = info->pszText;
    }
    return ToHeader(header, HDM_INSERTITEMA, column, &item);
}

LRESULT ListViewColumns::Delete(int column) const {
    return SendMessageA(header, HDM_DELETEITEM, static_cast<WPARAM>(column), 0);
}

LRESULT ListViewColumns::Get(int column, LVCOLUMNA* info) const {
    if (!info) {
        return FALSE;
    }
    HDITEMA item;
    item.mask = HDI_FORMAT | HDI_WIDTH | HDI_TEXT;
    item.pszText = info->pszText;
    item.cchTextMax = (info->mask & LVCF_TEXT) ? info->cchTextMax : 0;
    if (!ToHeader(header, HDM_GETITEMA, column, &item)) {
        return FALSE;
    }
    info->fmt = (info->mask & LVCF_FMT) ? (item.fmt & LVCFMT_JUSTIFYMASK) : info->fmt;
    info->cx = (info->mask & LVCF_WIDTH) ? item.cxy : info->cx;
    info->iSubItem = (info->mask & LVCF_SUBITEM) ? column : info->iSubItem;
    return TRUE;
}

int ListViewColumns::Width(int column) const {
    HDITEMA item;
    item.mask = HDI_WIDTH;
    return ToHeader(header, HDM_GETITEMA, column, &item) ? item.cxy : 0;
}

LRESULT ListViewColumns::SetWidth(int column, int width) const {
    HDITEMA item;
    item.mask = HDI_WIDTH;
    item.cxy = std::max(width, 0);
    return ToHeader(header, HDM_SETITEMA, column, &item);
}

} // namespace ctl
