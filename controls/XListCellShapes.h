#pragma once
// Record arrays that rows share while their values are the same: a large grid's rows mostly
// differ only in their texts, so each row names one array here by index instead of keeping
// its own. Tooltips are left out (the rows keep them); arrays are compared without them.
#include "controls/XListCellData.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

class XListCellShapes {
  public:
    using CellArray = std::vector<XListCellData>;

    // The index of an array with the values of cells (tooltips aside), added when new.
    std::uint32_t Intern(const CellArray& cells);
    // The same, trying guess first.
    std::uint32_t Intern(const CellArray& cells, std::uint32_t guess);
    // The index of shape with its record at column replaced by cell; the same change made
    // to the same shape again costs one comparison.
    std::uint32_t WithCell(std::uint32_t shape, std::size_t column, const XListCellData& cell);
    const CellArray& At(std::uint32_t shape) const { return shapes[shape]; }
    // Indices handed out before are not valid after.
    void Clear();

  private:
    // The last change made to a shape and what it gave.
    struct Change {
        std::size_t column = SIZE_MAX;
        std::uint32_t result = 0;
    };

    std::vector<CellArray> shapes;
    std::vector<Change> lastChange; // beside shapes
    CellArray scratch;
    std::unordered_multimap<std::size_t, std::uint32_t> byHash;
};
