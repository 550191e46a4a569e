#include "sql/StatementSplitter.h"

#include "sql/TextOps.h"

namespace qvsql {

namespace {

using Pos = std::ptrdiff_t;

constexpr std::string_view selectKeyword = "SELECT ";
constexpr std::string_view fromKeyword = "FROM ";
constexpr std::string_view whereKeyword = "WHERE ";
constexpr std::string_view orderByKeyword = "ORDER BY ";
constexpr std::string_view andConnector = " AND ";
constexpr std::string_view orConnector = " OR ";

constexpr Pos Length(std::string_view text) {
    return static_cast<Pos>(text.size());
}

// The shortest clause: its keyword, one character and the blank before the next keyword.
constexpr Pos ShortestClause(std::string_view keyword) {
    return Length(keyword) + 2;
}

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
    explicit ConnectorScanner(std::string_view condition) : text(condition) {}

    Connector NextFrom(std::size_t from) {
        nextAnd = Refresh(nextAnd, andConnector, from);
        nextOr = Refresh(nextOr, orConnector, from);
        if (nextAnd < 0 && nextOr < 0) {
            return {};
        }
        if (nextOr < 0 || (nextAnd >= 0 && nextAnd < nextOr)) {
            return {nextAnd - static_cast<Pos>(from), Length(andConnector)};
        }
        return {nextOr - static_cast<Pos>(from), Length(orConnector)};
    }

  private:
    Pos Refresh(Pos cached, std::string_view what, std::size_t from) const {
        if (cached == notSearched || (cached >= 0 && cached < static_cast<Pos>(from))) {
            return Find(text, what, from);
        }
        return cached;
    }

    static constexpr Pos notSearched = -2;
    std::string_view text;
    Pos nextAnd = notSearched;
    Pos nextOr = notSearched;
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
        if (connector.position + connector.length > Length(rest) - 1) {
            return;
        }
        from += static_cast<std::size_t>(connector.position + connector.length);
        code = connector.length == Length(andConnector) ? '1' : '2';
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
        if (comma == text.size() - 1) {
            return items;
        }
        text.remove_prefix(comma + 1);
        comma = text.find(',');
    }
    items.push_back(WithoutGrouping(text, grouping));
    return items;
}

namespace {

// The text between a keyword found at start and the blank before the keyword found at next;
// to the end of the statement when next is -1.
std::string_view ClauseText(std::string_view statement, Pos start, std::string_view keyword,
                            Pos next = -1) {
    const Pos from = start + Length(keyword);
    return Cut(statement, from, next < 0 ? -1 : next - from - 1);
}

} // namespace

bool SplitStatement(std::string_view statement, GroupingChars grouping, StatementPieces& pieces) {
    pieces = {};
    const std::string upper = ToUpperAscii(statement);
    const Pos s = Find(upper, selectKeyword);
    const Pos f = Find(upper, fromKeyword);
    const Pos w = Find(upper, whereKeyword);
    const Pos o = Find(upper, orderByKeyword);
    if (s < 0 || f < 0 || f - s < ShortestClause(selectKeyword) ||
        (w > f && w - f < ShortestClause(fromKeyword)) ||
        (o > w && o - w < ShortestClause(whereKeyword))) {
        return false;
    }
    const std::string_view columnText = Trim(ClauseText(statement, s, selectKeyword, f));
    if (!columnText.empty() && columnText.front() == ',') {
        return false;
    }
    if (!columnText.empty() && columnText.front() == '*') {
        pieces.columns.emplace_back("*");
    } else {
        pieces.columns = SplitList(columnText, grouping);
    }
    const std::string_view table = w > f ? ClauseText(statement, f, fromKeyword, w)
                                         : TrimRight(ClauseText(statement, f, fromKeyword));
    pieces.table = WithoutGrouping(table, grouping);
    if (w > f) {
        SplitConditions(Trim(ClauseText(statement, w, whereKeyword, o > w ? o : -1)),
                        pieces.conditions);
    }
    if (o > w) {
        pieces.sort = SplitList(Trim(ClauseText(statement, o, orderByKeyword)), grouping);
    }
    return true;
}

} // namespace qvsql
