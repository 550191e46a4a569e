#pragma once
// The framework in one include.
#include "platform/afx/AfxMessageEntries.h"
#include "platform/afx/AfxString.h"
#include "platform/afx/CClientDC.h"
#include "platform/afx/CMapStringToString.h"
#include "platform/afx/CPaintDC.h"
#include "platform/afx/CStringList.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/CWindowDC.h"
#include "platform/afx/CWnd.h"
