#pragma once

#include <cstdint>
#include <string>

namespace orvan::params {

// What the detail query of a node depends on besides its kind and tag.
struct DetailContext
{
    std::string systemId;       // the calling subsystem ("0000" ... "0006", else the whole chain)
    std::string helpSystem;     // the help-system name handed to Show
    int periodDefineMethod = 0; // "GL"/"PeriodDefineMethod"
    std::string edition;        // the login's "OrvanVersion"
};

// The SQL that fills the ledger for a node of the kind (NodeCatalog.h) and tag, or "" when
// the node has no ledger content. Value captions and caption columns follow the login's
// language. The text is built without touching the database.
std::string buildDetailSql(int32_t kind, int32_t tag, const DetailContext &context);

} // namespace orvan::params
