#include "db/CellTable.h"

#include <algorithm>

namespace orvan::db {

CellTable::CellTable(size_t columnCount)
    : m_columnCount(columnCount)
    , m_rowsPerChunk(std::max<size_t>(1, ChunkCells / std::max<size_t>(1, columnCount)))
{}

std::span<Cell> CellTable::appendRow()
{
    if (m_rowCount % m_rowsPerChunk == 0) {
        m_chunks.emplace_back();
        m_chunks.back().reserve(m_rowsPerChunk * m_columnCount);
    }
    auto &chunk = m_chunks.back();
    const size_t start = chunk.size();
    chunk.resize(start + m_columnCount); // within the reserve: earlier rows stay in place
    ++m_rowCount;
    return std::span<Cell>(chunk).subspan(start, m_columnCount);
}

std::span<const Cell> CellTable::row(size_t index) const
{
    const auto &chunk = m_chunks[index / m_rowsPerChunk];
    return std::span<const Cell>(chunk).subspan((index % m_rowsPerChunk) * m_columnCount,
                                                m_columnCount);
}

void CellTable::clear()
{
    m_chunks.clear();
    m_rowCount = 0;
}

} // namespace orvan::db
