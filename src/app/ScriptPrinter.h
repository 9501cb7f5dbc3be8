#pragma once

#include <iosfwd>

#include "forms/Printer.h"

namespace orvan::app {

// Print jobs of a script run: each is printed as "PREVIEW <title> | <n> rows" or
// "PRINT <title> | <n> rows", followed by the headings and rows, each line starting
// with two blanks and each cell followed by "|".
class ScriptPrinter : public forms::Printer
{
public:
    explicit ScriptPrinter(std::ostream &out)
        : m_out(out)
    {}

    void print(const forms::PrintDocument &document, forms::PrintMode mode) override;

private:
    std::ostream &m_out;
};

} // namespace orvan::app
