#pragma once
// Random catalogues for the monkey: tables and columns whose names touch every quoting rule
// (blanks, "$", apostrophes, "#", dots, digits, reserved words, grouping characters), the
// When Printed pseudo name anywhere, empty and broken names; and handed-in statements.
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace monkey {

struct Catalogue {
    std::vector<std::pair<std::string, std::string>> tables; // name, column list string
    std::string currentTable;
    std::string handedIn;
};

Catalogue RandomCatalogue(std::mt19937& random);

} // namespace monkey
