#include "tests/monkey/MonkeyCatalogue.h"

#include <array>

namespace monkey {

namespace {

constexpr std::array<const char*, 30> Pieces = {"ID",
                                                "Name",
                                                "Order",
                                                "select",
                                                "Desc",
                                                "Zip Code",
                                                "Price$",
                                                "O'Hara",
                                                "Batch#",
                                                "a.b",
                                                "2nd",
                                                "x1",
                                                "[br]",
                                                "{WHEN PRINTED}",
                                                "{when printed}",
                                                "",
                                                "Total",
                                                "City",
                                                "FROM",
                                                "where",
                                                "\xC3\xA9t\xC3\xA9",
                                                "\xC3\x28",
                                                "AND",
                                                "Group",
                                                "Line\rA",
                                                "q\"t",
                                                " lead",
                                                "trail ",
                                                "%_*",
                                                "ASC"};

std::string Piece(std::mt19937& random) {
    return Pieces[std::uniform_int_distribution<std::size_t>(0, Pieces.size() - 1)(random)];
}

std::string Name(std::mt19937& random) {
    std::string name = Piece(random);
    if (random() % 4 == 0) {
        name += Piece(random);
    }
    return name;
}

std::string ColumnList(std::mt19937& random) {
    std::string list;
    const int count = static_cast<int>(random() % 9);
    for (int i = 0; i < count; ++i) {
        list += Name(random) + '\t';
    }
    if (random() % 5 == 0) {
        list += "{WHEN PRINTED}\t"; // the one place where it offers the When Printed dialog
    }
    if (random() % 10 == 0) {
        list += "NoTab"; // a last name without its tab is not taken
    }
    return list;
}

std::string HandedIn(std::mt19937& random, const Catalogue& c) {
    switch (random() % 5) {
    case 0:
        return "";
    case 1:
        return "SELECT * FROM " + c.currentTable + " ";
    case 2:
        return "SELECT " + Name(random) + "," + Name(random) + " FROM [" + c.currentTable +
               "] WHERE  ( " + Name(random) + " = 'x' )  ORDER BY " + Name(random) + " DESC";
    case 3:
        return "SELECT {'Which?'|'ID'} FROM {'T?'|'X'} ORDER BY {'S'|'Y'}";
    default:
        return Name(random) + " garbage " + Name(random);
    }
}

} // namespace

Catalogue RandomCatalogue(std::mt19937& random) {
    Catalogue c;
    const int count = 1 + static_cast<int>(random() % 5);
    for (int i = 0; i < count; ++i) {
        c.tables.emplace_back(Name(random), ColumnList(random));
    }
    if (random() % 4 == 0) {
        c.tables.emplace_back("{WHEN PRINTED}", "{WHEN PRINTED}\t");
    }
    const auto& picked = c.tables[random() % c.tables.size()];
    c.currentTable = random() % 8 == 0 ? Name(random) : picked.first;
    c.handedIn = HandedIn(random, c);
    return c;
}

} // namespace monkey
