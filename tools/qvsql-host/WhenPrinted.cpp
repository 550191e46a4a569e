#include "WhenPrinted.h"

std::string ReplaceWhenPrinted(std::string_view sql) {
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t open = sql.find("{'", pos);
        const std::size_t bar = open == sql.npos ? sql.npos : sql.find("'|'", open + 2);
        const std::size_t close = bar == sql.npos ? sql.npos : sql.find("'}", bar + 3);
        if (close == sql.npos)
            break;
        out.append(sql.substr(pos, open - pos));
        out.append(sql.substr(bar + 3, close - bar - 3));
        pos = close + 2;
    }
    out.append(sql.substr(pos));
    return out;
}
