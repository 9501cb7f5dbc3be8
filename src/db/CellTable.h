#pragma once

#include "db/ColumnTypes.h"

#include <cstddef>
#include <span>
#include <vector>

namespace orvan::db {

// The cells of a query's rows, a fixed number per row, kept in chunks of whole rows: no
// allocation per row, and no chunk large enough to be mapped fresh from the system (a
// list of many rows then reuses the heap a previous list gave back).
class CellTable
{
public:
    explicit CellTable(size_t columnCount = 0);

    size_t columnCount() const { return m_columnCount; }
    size_t rowCount() const { return m_rowCount; }

    // A new row of empty cells, to be filled through the span.
    std::span<Cell> appendRow();
    std::span<const Cell> row(size_t index) const;
    void clear();

private:
    static constexpr size_t ChunkCells = 2048; // 80 KiB of cells: below the mmap threshold

    size_t m_columnCount;
    size_t m_rowsPerChunk;
    size_t m_rowCount = 0;
    std::vector<std::vector<Cell>> m_chunks;
};

} // namespace orvan::db
