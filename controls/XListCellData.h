#pragma once
// One cell of the grid. The WHERE and ORDER BY grids read and write hasDropDown and
// initialChoice directly, so the layout is part of the grid's interface.
#include "platform/base/WinDef.h"
#include "platform/gfx/SysColors.h"

#include <string>
#include <vector>

struct XListCellData {
    BOOL enabled = TRUE; // only the first record of a row counts
    BOOL bold = FALSE;
    int imageIndex = -1;
    std::string tooltipText;
    BOOL hasDropDown = FALSE;
    BOOL dropDownPressed = FALSE;
    const std::vector<std::string>* choices = nullptr; // owned by the caller
    int dropDownRows = 10;
    int initialChoice = 0;
    COLORREF textColor = static_cast<COLORREF>(::GetSysColor(COLOR_WINDOWTEXT));
    COLORREF backColor = static_cast<COLORREF>(::GetSysColor(COLOR_WINDOW));
    BOOL showProgress = FALSE;
    int progressPercent = 0;
    std::string progressText;
    BOOL showProgressText = TRUE;
    int checkState = -1; // -1 none, 0 unchecked, 1 checked
    DWORD userData = 0;
};
