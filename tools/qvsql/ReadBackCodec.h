#pragma once
#include "sql/StatementReader.h"
#include "tools/qvsql/JsonIo.h"
#include "tools/qvsql/ReadBackView.h"

#include <string>
#include <vector>

namespace qvsql::cli {

// Owns the texts that a ReadBackInput only views.
struct ReadBackRequest {
    std::string sqlText;
    GroupingChars grouping;
    std::vector<std::string> tableColumns;
    bool whereEnabled = true;
    bool orderByEnabled = true;

    ReadBackInput Input() const {
        return {sqlText, grouping, tableColumns, whereEnabled, orderByEnabled};
    }
};

// The read-back's request and the resulting controls in their JSON form.
class ReadBackCodec {
  public:
    static ReadBackRequest Decode(const Json& object);
    static Json Encode(const ReadBackView& view);
};

} // namespace qvsql::cli
