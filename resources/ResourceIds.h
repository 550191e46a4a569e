#pragma once
// Identifiers of the library's resources and of the controls of its dialog templates.

namespace res {

// Dialog templates.
inline constexpr int IDD_SELECTSQL = 1000;
inline constexpr int IDD_WHENPRINTED = 288;

// Icons.
inline constexpr int IDI_UP = 1001;
inline constexpr int IDI_DOWN = 1005;
inline constexpr int IDI_PLUS = 1006;
inline constexpr int IDI_MINUS = 1007;

// Controls of the query builder.
inline constexpr int IDC_SYNTAX_LABEL = 1000;
inline constexpr int IDC_SYNTAX_TEXT = 1001;
inline constexpr int IDC_PREVIEW_LABEL = 1002;
inline constexpr int IDC_PREVIEW = 1003;
inline constexpr int IDC_SELECT_LABEL = 1004;
inline constexpr int IDC_COLUMNS = 1005;
inline constexpr int IDC_FROM_LABEL = 1006;
inline constexpr int IDC_TABLE = 1007;
inline constexpr int IDC_WHERE_GRID = 1008;
inline constexpr int IDC_WHERE_LABEL = 1009;
inline constexpr int IDC_WHERE_ENABLE = 1010;
inline constexpr int IDC_ORDERBY_GRID = 1011;
inline constexpr int IDC_ORDERBY_LABEL = 1012;
inline constexpr int IDC_ORDERBY_ENABLE = 1013;
inline constexpr int IDC_UP = 1014;
inline constexpr int IDC_DOWN = 1015;
inline constexpr int IDC_ADD = 1016;
inline constexpr int IDC_REMOVE = 1018;

// Controls of the When Printed dialog.
inline constexpr int IDC_WP_PROMPT = 2260;
inline constexpr int IDC_WP_DEFAULT = 2279;

} // namespace res
