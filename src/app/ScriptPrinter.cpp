#include "app/ScriptPrinter.h"

#include <ostream>

#include "app/ScriptMessages.h"

namespace orvan::app {
namespace {

void printCells(std::ostream &out, const std::vector<std::string> &cells)
{
    out << "  ";
    for (const auto &cell : cells)
        out << ScriptMessages::oneLine(cell) << "|";
    out << "\n";
}

} // namespace

void ScriptPrinter::print(const forms::PrintDocument &document, forms::PrintMode mode)
{
    m_out << (mode == forms::PrintMode::Preview ? "PREVIEW " : "PRINT ")
          << ScriptMessages::oneLine(document.title) << " | " << document.rows.size() << " rows\n";
    printCells(m_out, document.headings);
    for (const auto &row : document.rows)
        printCells(m_out, row);
}

} // namespace orvan::app
