// The program's statements kept in tests/data/statements.tsql, for the benchmarks.
#pragma once

#include <sstream>
#include <string>

#include "base/DataFiles.h"

namespace orvan::bench {

// The batch of the statements file that follows the given description line.
inline std::string statementsBatch(const std::string &description)
{
    std::istringstream lines(base::readDataFile("../tests/data/statements.tsql"));
    std::string batch;
    bool inside = false;
    for (std::string line; std::getline(lines, line);) {
        if (!inside) {
            inside = line.rfind("-- " + description, 0) == 0;
            continue;
        }
        if (line == "GO" || line == "GO\r")
            break;
        batch += line + "\n";
    }
    while (!batch.empty() && (batch.back() == '\n' || batch.back() == '\r'))
        batch.pop_back();
    return batch;
}

} // namespace orvan::bench
