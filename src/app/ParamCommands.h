#pragma once

#include <iosfwd>

namespace CLI {
class App;
}

namespace orvan::forms {
class TreeControl;
}

namespace orvan::app {

struct ProgramContext;

// The parameter commands:
//   tree --class N [--system CODE]       the parameter tree of a class for the login
//   detail-sql KIND TAG [--system CODE] [--help-system NAME]
//                                        the ledger query of a node, byte for byte
//   option get KEY                       the option value of the login's user: -1, 0 or 1
//   profile get CATEGORY KEY             one t_SystemProfile value ("0" when absent)
//   profile set CATEGORY KEY VALUE       writes one t_SystemProfile value
//   find TEXT                            the parameters that hold the text: a heading, then
//                                        node, caption, key and value a line; exit 1 when
//                                        nothing matches
void addParamCommands(CLI::App &cli, ProgramContext &context);

// One line per node in display order: two spaces per depth, key, tab, caption, tab, tag.
void printTree(std::ostream &out, const forms::TreeControl &tree);

} // namespace orvan::app
