#include "sql/StatementSplitter.h"

#include "sql/TextOps.h"

namespace qvsql {

namespace {

using Pos = std::ptrdiff_t;

Pos Find(std::string_view text, std::string_view what, std::size_t from = 0) {
    const std::size_t at = text.find(what, from);
    return at == std::string_view::npos ? -1 : static_cast<Pos>(at);
}

std::string WithoutGrouping(std::string_view text, GroupingChars grouping) {
    std::string out(text.size(), '\0');
    std::size_t length = 0;
    for (char c : text) {
        out[length] = c;
        length += (c != grouping.open && c != grouping.close) ? 1 : 0;
    }
    out.resize(length);
    return out;
}

std::string_view Cut(std::string_view text, Pos from, Pos count = -1) {
    const auto start = static_cast<std::size_t>(from);
    return count < 0 ? text.substr(start) : text.substr(start, static_cast<std::size_t>(count));
}

// Finds connectors in one pass over the condition text: each kind's next position is
// remembered until the walk has passed it, so many conditions stay linear.
class ConnectorScanner {
  public:
    explicit ConnectorScanner(std::string_view text) : text_(text) {}

    Connector NextFrom(std::size_t from) {
        and_ = Refresh(and_, " AND ", from);
        or_ = Refresh(or_, " OR ", from);
        if (and_ < 0 && or_ < 0)
            return {};
        if (or_ < 0 || (and_ >= 0 && and_ < or_))
            return {and_ - static_cast<Pos>(from), 5};
        return {or_ - static_cast<Pos>(from), 4};
    }

  private:
    Pos Refresh(Pos cached, std::string_view what, std::size_t from) const {
        if (cached == -2 || (cached >= 0 && cached < static_cast<Pos>(from)))
            return Find(text_, what, from);
        return cached;
    }

    std::string_view text_;
    Pos and_ = -2; // -2: not searched yet
    Pos or_ = -2;
};

void AddCondition(std::vector<std::string>& items, char code, std::string_view text) {
    std::string& item = items.emplace_back();
    item.reserve(text.size() + 1);
    item.push_back(code);
    item.append(text);
}

void SplitConditions(std::string_view text, std::vector<std::string>& items) {
    ConnectorScanner scanner(text);
    char code = '0';
    std::size_t from = 0;
    for (;;) {
        const std::string_view rest = text.substr(from);
        const Connector connector = scanner.NextFrom(from);
        if (connector.position < 0) {
            AddCondition(items, code, rest);
            return;
        }
        AddCondition(items, code, TrimRight(Cut(rest, 0, connector.position)));
        if (connector.position + connector.length > static_cast<Pos>(rest.size()) - 1)
            return;
        from += static_cast<std::size_t>(connector.position + connector.length);
        code = connector.length == 5 ? '1' : '2';
    }
}

} // namespace

Connector FindConnector(std::string_view condition) {
    return ConnectorScanner(condition).NextFrom(0);
}

std::vector<std::string> SplitList(std::string_view text, GroupingChars grouping) {
    std::vector<std::string> items;
    std::size_t comma = text.find(',');
    while (comma != std::string_view::npos) {
        items.push_back(WithoutGrouping(TrimRight(text.substr(0, comma)), grouping));
        if (comma == text.size() - 1)
            return items;
        text.remove_prefix(comma + 1);
        comma = text.find(',');
    }
    items.push_back(WithoutGrouping(text, grouping));
    return items;
}

bool SplitStatement(std::string_view statement, GroupingChars grouping, StatementPieces& pieces) {
    pieces = {};
    const std::string upper = ToUpperAscii(statement);
    const Pos s = Find(upper, "SELECT ");
    const Pos f = Find(upper, "FROM ");
    const Pos w = Find(upper, "WHERE ");
    const Pos o = Find(upper, "ORDER BY ");
    if (s < 0 || f < 0 || f - s < 9 || (w > f && w - f < 7) || (o > w && o - w < 8))
        return false;
    const std::string_view columnText = Trim(Cut(statement, s + 7, f - s - 8));
    if (!columnText.empty() && columnText.front() == ',')
        return false;
    if (!columnText.empty() && columnText.front() == '*')
        pieces.columns.emplace_back("*");
    else
        pieces.columns = SplitList(columnText, grouping);
    const std::string_view table =
        w > f ? Cut(statement, f + 5, w - f - 6) : TrimRight(Cut(statement, f + 5));
    pieces.table = WithoutGrouping(table, grouping);
    if (w > f)
        SplitConditions(Trim(Cut(statement, w + 6, o > w ? o - w - 7 : -1)), pieces.conditions);
    if (o > w)
        pieces.sort = SplitList(Trim(Cut(statement, o + 9)), grouping);
    return true;
}

} // namespace qvsql
