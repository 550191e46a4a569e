#pragma once
// The WHERE grid: one search condition per row. Column 0 holds the typed value and is shown
// last, after the connector, field and operator drop-downs.
#include "controls/CXListCtrl.h"

#include <string>
#include <vector>

struct NMLVDISPINFOA;

class CWhereListCtrl : public CXListCtrl {
  public:
    enum Column { valueColumn = 0, andOrColumn = 1, fieldColumn = 2, operatorColumn = 3 };

    // The lists the drop-down cells refer to; they must outlive the rows.
    struct Choices {
        const std::vector<std::string>& andOr;
        const std::vector<std::string>& fields;
        const std::vector<std::string>& operators;
    };

    ~CWhereListCtrl() override;
    std::string GetEmptyMessage() const override;

    void SetUpColumns();
    // Appends one row; a negative index picks the default. Nothing without fields.
    void AddRow(const Choices& choices, int andOr, int field, int op, const char* value);
    // Deletes the selected row; false when the grid had no rows at all.
    bool RemoveSelectedRow();
    // Opens the label editor on the row's value; false when there is no such row.
    bool EditValue(int row);
    // Stores what the label editor ended with; a cancelled edit keeps the value.
    void StoreEditedValue(const NMLVDISPINFOA& info);
};
