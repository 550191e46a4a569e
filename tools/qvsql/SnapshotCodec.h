#pragma once
#include "sql/QuerySnapshot.h"
#include "sql/StatementComposer.h"
#include "tools/qvsql/JsonIo.h"

namespace qvsql::cli {

// The composer's snapshot and result in their JSON form.
class SnapshotCodec {
  public:
    static QuerySnapshot Decode(const Json& object);
    static Json Encode(const ComposeResult& result);
};

} // namespace qvsql::cli
