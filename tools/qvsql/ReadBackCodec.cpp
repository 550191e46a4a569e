#include "tools/qvsql/ReadBackCodec.h"

#include "tools/qvsql/JsonReader.h"

namespace qvsql::cli {

ReadBackRequest ReadBackCodec::Decode(const Json& object) {
    JsonReader in(object, "");
    ReadBackRequest request;
    request.sqlText = in.String("sqlText");
    request.grouping = GroupingChars::FromString(in.String("groupingChars", "[]"));
    request.tableColumns = in.Strings("tableColumns");
    request.whereEnabled = in.Bool("whereEnabled", true);
    request.orderByEnabled = in.Bool("orderByEnabled", true);
    return request;
}

Json ReadBackCodec::Encode(const ReadBackView& view) {
    Json columns = Json::array();
    for (const ColumnItem& item : view.columnList) {
        columns.push_back({{"text", item.text}, {"checked", item.checked}});
    }
    Json where = Json::array();
    for (const WhereRow& row : view.where) {
        where.push_back({{"andOr", row.andOr},
                         {"field", row.field},
                         {"operator", row.op},
                         {"value", row.value}});
    }
    Json orderBy = Json::array();
    for (const OrderByRow& row : view.orderBy) {
        orderBy.push_back(
            {{"checked", row.checked}, {"field", row.field}, {"direction", row.direction}});
    }
    return Json{
        {"split", view.split}, {"columnList", columns}, {"where", where}, {"orderBy", orderBy}};
}

} // namespace qvsql::cli
