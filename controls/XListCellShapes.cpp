#include "controls/XListCellShapes.h"

#include <functional>
#include <string>
#include <tuple>
#include <type_traits>

namespace {

auto Values(const XListCellData& d) {
    return std::tie(d.enabled, d.bold, d.imageIndex, d.hasDropDown, d.dropDownPressed, d.choices,
                    d.dropDownRows, d.initialChoice, d.textColor, d.backColor, d.showProgress,
                    d.progressPercent, d.progressText, d.showProgressText, d.checkState,
                    d.userData);
}

bool SameValues(const XListCellData& a, const XListCellData& b) {
    return Values(a) == Values(b);
}

bool SameValues(const XListCellShapes::CellArray& a, const XListCellShapes::CellArray& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!SameValues(a[i], b[i])) {
            return false;
        }
    }
    return true;
}

std::size_t Mix(std::size_t seed, std::size_t value) {
    return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

// Hashes the same values SameValues compares.
std::size_t Hash(const XListCellShapes::CellArray& cells) {
    std::size_t seed = cells.size();
    for (const XListCellData& d : cells) {
        std::apply(
            [&seed](const auto&... value) {
                ((seed = Mix(seed, std::hash<std::decay_t<decltype(value)>>{}(value))), ...);
            },
            Values(d));
    }
    return seed;
}

} // namespace

std::uint32_t XListCellShapes::Intern(const CellArray& cells) {
    const std::size_t hash = Hash(cells);
    const auto [first, last] = byHash.equal_range(hash);
    for (auto it = first; it != last; ++it) {
        if (SameValues(shapes[it->second], cells)) {
            return it->second;
        }
    }
    const auto shape = static_cast<std::uint32_t>(shapes.size());
    shapes.push_back(cells);
    lastChange.emplace_back();
    for (XListCellData& cell : shapes.back()) {
        cell.tooltipText.clear();
    }
    byHash.emplace(hash, shape);
    return shape;
}

std::uint32_t XListCellShapes::Intern(const CellArray& cells, std::uint32_t guess) {
    return guess < shapes.size() && SameValues(shapes[guess], cells) ? guess : Intern(cells);
}

std::uint32_t XListCellShapes::WithCell(std::uint32_t shape, std::size_t column,
                                        const XListCellData& cell) {
    const Change last = lastChange[shape];
    if (last.column == column && SameValues(shapes[last.result][column], cell)) {
        return last.result;
    }
    scratch = shapes[shape];
    scratch[column] = cell;
    const std::uint32_t result = Intern(scratch);
    lastChange[shape] = {column, result};
    return result;
}

void XListCellShapes::Clear() {
    shapes.clear();
    shapes.shrink_to_fit();
    lastChange.clear();
    lastChange.shrink_to_fit();
    byHash.clear();
}
