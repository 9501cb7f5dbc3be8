#include "db/CellTable.h"

#include <algorithm>
#include <cstring>

#include "base/Varint.h"

namespace orvan::db {

namespace {

using base::appendVarint;
using base::MaxVarintBytes;
using base::readVarint;
using base::unzigzag;
using base::zigzag;

enum Tag : char { NullTag, IntegerTag, RealTag, TextTag };

void skipCell(const char *&p)
{
    switch (*p++) {
    case IntegerTag:
        readVarint(p);
        break;
    case RealTag:
        p += sizeof(double);
        break;
    case TextTag: {
        const auto length = static_cast<size_t>(readVarint(p));
        p += length;
        break;
    }
    default:
        break;
    }
}

// The cell at p; p moves past it.
Cell takeCell(const char *&p)
{
    switch (*p++) {
    case IntegerTag:
        return static_cast<long long>(unzigzag(readVarint(p)));
    case RealTag: {
        double value = 0;
        std::memcpy(&value, p, sizeof value);
        p += sizeof value;
        return value;
    }
    case TextTag: {
        const auto length = static_cast<size_t>(readVarint(p));
        std::string text(p, length);
        p += length;
        return text;
    }
    default:
        return std::monostate{};
    }
}

} // namespace

CellTable::CellTable(size_t columnCount)
    : m_columnCount(columnCount)
{}

void CellTable::beginRow()
{
    if (m_chunks.empty()) {
        m_chunks.emplace_back().reserve(ChunkBytes);
        m_chunkFirstRows.push_back(0);
    }
    m_rowOffsets.push_back(static_cast<uint32_t>(m_chunks.back().size()));
    m_cellsInRow = 0;
}

void CellTable::reserve(size_t bytes)
{
    auto *chunk = &m_chunks.back();
    if (chunk->size() + bytes > chunk->capacity()) {
        const size_t rowStart = m_rowOffsets.back();
        const size_t written = chunk->size() - rowStart;
        if (rowStart == 0) {
            // The row fills its chunk alone: the chunk grows with it.
            chunk->reserve(std::max(2 * chunk->capacity(), chunk->size() + bytes));
        } else {
            // The row moves to a chunk of its own, with what it has written so far.
            std::vector<char> next;
            next.reserve(std::max(ChunkBytes, written + bytes));
            next.insert(next.end(), chunk->begin() + static_cast<std::ptrdiff_t>(rowStart),
                        chunk->end());
            chunk->resize(rowStart);
            m_chunks.push_back(std::move(next));
            m_chunkFirstRows.push_back(m_rowOffsets.size() - 1);
            m_rowOffsets.back() = 0;
        }
    }
}

void CellTable::addNull()
{
    if (m_cellsInRow++ >= m_columnCount)
        return;
    reserve(1);
    m_chunks.back().push_back(NullTag);
}

void CellTable::addInteger(long long value)
{
    if (m_cellsInRow++ >= m_columnCount)
        return;
    reserve(1 + MaxVarintBytes);
    auto &chunk = m_chunks.back();
    chunk.push_back(IntegerTag);
    appendVarint(chunk, zigzag(static_cast<int64_t>(value)));
}

void CellTable::addReal(double value)
{
    if (m_cellsInRow++ >= m_columnCount)
        return;
    reserve(1 + sizeof value);
    auto &chunk = m_chunks.back();
    chunk.push_back(RealTag);
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    chunk.insert(chunk.end(), bytes, bytes + sizeof value);
}

void CellTable::addText(std::string_view text)
{
    if (m_cellsInRow++ >= m_columnCount)
        return;
    reserve(1 + MaxVarintBytes + text.size());
    auto &chunk = m_chunks.back();
    chunk.push_back(TextTag);
    appendVarint(chunk, text.size());
    chunk.insert(chunk.end(), text.begin(), text.end());
}

void CellTable::addCell(const Cell &cell)
{
    if (const auto *integer = std::get_if<long long>(&cell))
        addInteger(*integer);
    else if (const auto *real = std::get_if<double>(&cell))
        addReal(*real);
    else if (const auto *text = std::get_if<std::string>(&cell))
        addText(*text);
    else
        addNull();
}

void CellTable::appendRow(std::span<const Cell> cells)
{
    beginRow();
    for (const Cell &cell : cells)
        addCell(cell);
}

std::pair<const char *, const char *> CellTable::rowBytes(size_t row) const
{
    const auto after = std::upper_bound(m_chunkFirstRows.begin(), m_chunkFirstRows.end(), row);
    const auto &bytes = m_chunks[static_cast<size_t>(after - m_chunkFirstRows.begin()) - 1];
    const bool lastInChunk =
        row + 1 == rowCount() || (after != m_chunkFirstRows.end() && row + 1 == *after);
    return {bytes.data() + m_rowOffsets[row],
            lastInChunk ? bytes.data() + bytes.size() : bytes.data() + m_rowOffsets[row + 1]};
}

Cell CellTable::cell(size_t row, size_t column) const
{
    auto [p, end] = rowBytes(row);
    for (size_t i = 0; i < column && p < end; ++i)
        skipCell(p);
    return p < end ? takeCell(p) : Cell{};
}

void CellTable::readRow(size_t row, std::vector<Cell> &cells) const
{
    auto [p, end] = rowBytes(row);
    cells.resize(m_columnCount);
    for (Cell &cell : cells)
        cell = p < end ? takeCell(p) : Cell{};
}

void CellTable::clear()
{
    m_chunks.clear();
    m_chunkFirstRows.clear();
    m_rowOffsets.clear();
    m_cellsInRow = 0;
}

void CellTable::shrinkToFit()
{
    if (!m_chunks.empty())
        m_chunks.back().shrink_to_fit();
    m_rowOffsets.shrink_to_fit();
}

} // namespace orvan::db
