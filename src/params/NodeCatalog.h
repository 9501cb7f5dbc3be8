#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The parameter nodes every window, editor and query selects its behaviour by.
namespace orvan::params {

// Detail kinds of GetDetailSql, chosen by the node key.
enum DetailKind : int32_t {
    SystemNodes = 0,     // keys containing "sys", and "Imp" / "Exp"
    AccountingNodes = 1, // keys containing "au"
    PlanningNodes = 2,   // keys containing "pL"
    GroupNodes = 3,      // the group roots and the alarm nodes
};

DetailKind detailKindOf(std::string_view key);

// The caption of a node key before translation ("" for keys without one, such as the
// alarm rows, whose captions come from the option definitions).
const char *nodeCaption(std::string_view key);

} // namespace orvan::params
