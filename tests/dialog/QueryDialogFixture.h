#pragma once
// The query builder on a fresh headless display, run modally and driven by a script of
// steps: each step is one turn of whichever modal loop is running (the builder's, a When
// Printed dialog's or a message box's); once the steps are spent the loops end with Cancel.
#include "dialog/CSELECTSQLDlg.h"
#include "module/ModuleSettings.h"
#include "platform/backend/HeadlessBackend.h"
#include "tests/platform/ModalScript.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dialogtest {

using wintest::Centre;
using wintest::ItemPoint;
using wintest::Step;
using wintest::TopWindowOfClass;

class QueryDialogFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Customers (ID, Name, City, Zip Code) and Orders (OrderID, Total), opening on Customers.
    void RegisterSampleTables();
    // Feeds the next modal loops; Run also opens the builder and clears the script after.
    void Script(std::vector<Step> steps);
    INT_PTR Run(std::vector<Step> steps);
    // Opens the builder, returns what read gives on its first turn, and cancels.
    template <class Read> auto ReadOnce(Read read) {
        decltype(read()) value{};
        Run({[&](auto&) { value = read(); }});
        return value;
    }

    // Screen points of what a real user would click.
    POINT Control(int id) const;
    static POINT Cell(const CXListCtrl& grid, int row, int column);
    void Press(int id) const;

    std::string Preview() const;
    std::vector<std::string> Row(const CXListCtrl& grid, int row) const;
    std::vector<std::vector<std::string>> Rows(const CXListCtrl& grid) const;
    std::vector<int> Checks() const;

    backend::HeadlessBackend* display = nullptr;
    qvsql::ModuleSettings settings;
    // Made once the display exists and gone before it goes.
    std::unique_ptr<CSELECTSQLDlg> dialog;
    CSELECTSQLDlg& Dlg() const { return *dialog; }
};

} // namespace dialogtest
