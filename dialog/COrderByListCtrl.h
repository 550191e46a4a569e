#pragma once
// The ORDER BY grid: one row per column of the table, checked to take part in the sort
// order; checked rows move up and down to set their priority.
#include "controls/CXListCtrl.h"

#include <string>
#include <vector>

class COrderByListCtrl : public CXListCtrl {
  public:
    enum Column { checkColumn = 0, fieldColumn = 1, directionColumn = 2 };
    enum class Move { none, refused, done };

    ~COrderByListCtrl() override;
    std::string GetEmptyMessage() const override;

    void SetUpColumns();
    // Replaces every row by one unchecked row per name.
    void FillRows(const std::vector<std::string>& names,
                  const std::vector<std::string>& sortChoices);
    // Follows a click on a row's check box: a checked row offers a direction, an unchecked one
    // loses it. Answers the new state.
    int ApplyCheck(int row);
    // Exchanges the selected checked row with its neighbour step rows away (-1 up, +1 down).
    // none: nothing selected; refused: the row is unchecked; done: moved, or at the end.
    Move MoveSelectedRow(int step);
    // Names of the rows in row order, for the When Printed default.
    std::vector<std::string> FieldNames() const;

  private:
    void MakeRow(int row, const std::string& name, const std::vector<std::string>& sortChoices);
};
