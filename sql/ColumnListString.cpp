#include "sql/ColumnListString.h"

namespace qvsql {

std::vector<std::string> SplitColumnList(std::string_view columnList) {
    std::vector<std::string> names;
    std::size_t pos = 0;
    while (pos < columnList.size()) {
        const std::size_t tab = columnList.find('\t', pos);
        if (tab == std::string_view::npos || tab == 0) {
            break;
        }
        names.emplace_back(columnList.substr(pos, tab - pos));
        pos = tab + 1;
    }
    return names;
}

} // namespace qvsql
