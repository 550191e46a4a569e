#pragma once
// The query builder's grid: a report-view list that paints every cell itself. A cell can be
// plain text, a check box or a drop-down cell edited through a popup list (XListDropDown),
// and carries its own colours and tooltip. Each row made by InsertItem has one record per
// column (XListCellData), kept beside the list (XListRows).
#include "controls/CXHeaderCtrl.h"
#include "controls/XListCellData.h"
#include "controls/XListCellPainter.h"
#include "controls/XListDropDown.h"
#include "controls/XListRows.h"
#include "platform/afx/AfxMessageEntries.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CListCtrl.h"
#include "platform/afx/CRect.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CXComboList;

class CXListCtrl : public CListCtrl {
  public:
    CXListCtrl();
    ~CXListCtrl() override;

    // Rows: -1 for a negative row; otherwise the base insertion's answer.
    int InsertItem(int row, const char* text);
    int InsertItem(int row, const char* text, COLORREF textColor, COLORREF backColor);
    void DeleteItem(int row);
    void DeleteAllItems();

    // Cells: false, -1 or "" for indices that are not valid.
    BOOL SetItemText(int row, int column, const char* text);
    BOOL SetItemText(int row, int column, const std::string& text) {
        return SetItemText(row, column, text.c_str());
    }
    std::string GetItemText(int row, int column) const;
    BOOL SetCheckState(int row, int column, int state);
    int GetCheckState(int row, int column) const;
    // choices stays owned by the caller and must outlive the drop-down cell.
    BOOL SetDropDown(int row, int column, BOOL enable, const std::vector<std::string>* choices,
                     int rows, int initialChoice);
    BOOL SetCellTooltip(int row, int column, const char* text);
    void SetCurSel(int row);
    int GetCurSel() const;
    void UpdateCell(int row, int column);
    int GetColumnCount() const;
    BOOL GetCellRect(int row, int column, int area, CRect& rect) const;
    // The cell's record; null when the indices are not valid or the row has none.
    XListCellData* GetCellData(int row, int column) const;
    // The same for reading only, valid until the next call on the grid; unlike GetCellData it
    // leaves the row's records shared with rows of the same values.
    const XListCellData* PeekCellData(int row, int column) const;
    bool IsValidCell(int row, int column) const;
    // Changes with every row inserted or deleted, every text set in column 1 and up and every
    // check state the grid sets (not with records written through GetCellData).
    std::uint64_t RowsRevision() const { return rowsKept.Revision(); }

    // Interface texts by their English wording, from a section; "" keeps the English text.
    using Translator = std::function<std::string(std::string_view section, std::string_view)>;
    // The empty-grid message goes through translate; none keeps it in English.
    void SetTranslator(Translator translate);

    virtual std::string GetEmptyMessage() const;
    virtual BOOL OnNeedTooltipText(UINT id, NMHDR* header, LRESULT* result);
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* tool) const override;

  protected:
    void PreSubclassWindow() override;
    // Keeps rowsKept and the column count as the list's row and column messages pass.
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    int OnCreate(CREATESTRUCTA* create);
    void OnDestroy();
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnSysColorChange();
    void OnTimer(UINT_PTR id);
    void OnCustomDraw(NMHDR* header, LRESULT* result);
    BOOL OnClick(NMHDR* header, LRESULT* result);
    LRESULT OnComboMessage(WPARAM wParam, LPARAM lParam);

    CXHeaderCtrl headerCtrl;
    bool headerTakenOver = false;
    COLORREF shadowColor = 0;
    COLORREF btnFaceColor = 0;
    COLORREF btnShadowColor = 0;
    COLORREF highlightColor = 0;
    COLORREF highlightTextColor = 0;
    COLORREF windowColor = 0;
    COLORREF windowTextColor = 0;
    bool dropDownPending = false;
    int dropDownItem = 0;
    int dropDownColumn = 0;
    CRect dropDownButtonRect;
    CRect dropDownListRect;
    std::unique_ptr<CXComboList> dropDown;
    CFont dropDownFont;
    bool fontCreated = false;
    std::string dropDownInitialText;

  public:
    // Index of the column displayed just left of column 0; -1 when column 0 comes first.
    int columnBeforeFirst = -1;

  private:
    // The grid as its drop-down editing sees it.
    class EditHost final : public XListEditHost {
      public:
        explicit EditHost(CXListCtrl& owner) : grid(owner) {}
        CWnd& Window() override { return grid; }
        XListCellData* Cell(int row, int column) override { return grid.GetCellData(row, column); }
        bool IsValidCell(int row, int column) const override {
            return grid.IsValidCell(row, column);
        }
        std::string CellText(int row, int column) const override {
            return grid.GetItemText(row, column);
        }
        void SetCellText(int row, int column, const std::string& text) override {
            grid.SetItemText(row, column, text);
        }
        void RepaintCell(int row, int column) override { grid.UpdateCell(row, column); }
        void NotifyParent(UINT message, int row, int column) override {
            grid.NotifyParent(message, row, column);
        }

      private:
        CXListCtrl& grid;
    };

    // What a cell's paint revealed, applied once the paint is over.
    struct PaintReveal {
        int row;
        int column;
        CRect cell;
        XListCellReveal found;
        std::optional<LOGFONTA> font; // the font it was drawn with, while the copy is missing
    };

    EditHost editHost{*this};

  protected:
    XListDropDown dropDownEdit{editHost,
                               {dropDownPending, dropDownItem, dropDownColumn, dropDownButtonRect,
                                dropDownListRect, dropDown, dropDownFont, fontCreated,
                                dropDownInitialText}};

    DECLARE_MESSAGE_MAP()

  private:
    void ReadColors();
    XListLook Look() const;
    void TakeOverHeader();
    LRESULT SetItemMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT GetItemMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void TrackRows(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT result);
    void CountColumns();
    void DrawCell(CDC& dc, int row, int column);
    void ReadPaintLook();
    UINT ColumnAlignment(int column) const;
    void ApplyPaintReveals();
    void DrawEmptyMessage();
    int RowAt(CPoint point) const;
    int ColumnAt(int row, CPoint point) const;
    void NotifyParent(UINT message, int row, int column);

    // The insertion under way through InsertItem and the records its row takes.
    struct Insertion {
        const LVITEMA* item = nullptr;
        const std::vector<XListCellData>* records = nullptr;
    };

    Translator translator;
    // Handing out a record for writing (GetCellData) gives its row its own records.
    mutable XListRows rowsKept;
    Insertion inserting;
    int columnCount = 0;
    bool redrawOn = true;
    // Read when a paint starts.
    XListLook paintLook;
    std::vector<UINT> paintAlignments;
    std::vector<PaintReveal> paintReveals;
};
