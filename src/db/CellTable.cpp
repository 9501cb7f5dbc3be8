#include "db/CellTable.h"

#include <algorithm>
#include <cstring>

#include "base/Varint.h"

namespace orvan::db {

namespace {

using base::MaxVarintBytes;
using base::readVarint;
using base::unzigzag;
using base::writeVarint;
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

CellTable::Chunk::Chunk(size_t capacity)
    : m_bytes(std::make_unique_for_overwrite<char[]>(capacity))
    , m_capacity(capacity)
{}

CellTable::Chunk::Chunk(const Chunk &other)
    : Chunk(other.m_size)
{
    if (other.m_size > 0)
        std::memcpy(m_bytes.get(), other.data(), other.m_size);
    m_size = other.m_size;
}

CellTable::Chunk &CellTable::Chunk::operator=(const Chunk &other)
{
    if (this != &other)
        *this = Chunk(other);
    return *this;
}

void CellTable::Chunk::resize(size_t capacity)
{
    auto bytes = std::make_unique_for_overwrite<char[]>(capacity);
    m_size = std::min(m_size, capacity);
    if (m_size > 0)
        std::memcpy(bytes.get(), m_bytes.get(), m_size);
    m_bytes = std::move(bytes);
    m_capacity = capacity;
}

CellTable::CellTable(size_t columnCount)
    : m_columnCount(columnCount)
{}

void CellTable::beginRow()
{
    if (m_chunks.empty()) {
        m_chunks.emplace_back(FirstChunkBytes);
        m_chunkFirstRows.push_back(0);
    }
    m_rowOffsets.push_back(static_cast<uint32_t>(m_chunks.back().size()));
    m_cellsInRow = 0;
}

void CellTable::makeRoom(size_t bytes)
{
    auto *chunk = &m_chunks.back();
    const size_t rowStart = m_rowOffsets.back();
    const size_t written = chunk->size() - rowStart;
    const size_t needed = chunk->size() + bytes;
    if (rowStart == 0) {
        // The row fills its chunk alone: the chunk grows with it.
        chunk->resize(std::max(2 * chunk->capacity(), needed));
        return;
    }
    if (m_chunks.size() == 1 && needed <= ChunkBytes) {
        // The first chunk grows until it is a whole chunk.
        chunk->resize(std::max(std::min(2 * chunk->capacity(), ChunkBytes), needed));
        return;
    }
    // The row moves to a chunk of its own, with what it has written so far.
    Chunk next(std::max(ChunkBytes, written + bytes));
    std::memcpy(next.end(), chunk->data() + rowStart, written);
    next.wrote(next.end() + written);
    chunk->truncate(rowStart);
    m_chunks.push_back(std::move(next));
    m_chunkFirstRows.push_back(m_rowOffsets.size() - 1);
    m_rowOffsets.back() = 0;
}

void CellTable::addNull()
{
    if (m_cellsInRow++ >= m_columnCount)
        return;
    reserve(1);
    auto &chunk = m_chunks.back();
    char *p = chunk.end();
    *p++ = NullTag;
    chunk.wrote(p);
}

void CellTable::addInteger(long long value)
{
    if (m_cellsInRow++ >= m_columnCount)
        return;
    reserve(1 + MaxVarintBytes);
    auto &chunk = m_chunks.back();
    char *p = chunk.end();
    *p++ = IntegerTag;
    chunk.wrote(writeVarint(p, zigzag(static_cast<int64_t>(value))));
}

void CellTable::addReal(double value)
{
    if (m_cellsInRow++ >= m_columnCount)
        return;
    reserve(1 + sizeof value);
    auto &chunk = m_chunks.back();
    char *p = chunk.end();
    *p++ = RealTag;
    std::memcpy(p, &value, sizeof value);
    chunk.wrote(p + sizeof value);
}

void CellTable::addText(std::string_view text)
{
    if (m_cellsInRow++ >= m_columnCount)
        return;
    reserve(1 + MaxVarintBytes + text.size());
    auto &chunk = m_chunks.back();
    char *p = chunk.end();
    *p++ = TextTag;
    p = writeVarint(p, text.size());
    if (!text.empty())
        std::memcpy(p, text.data(), text.size());
    chunk.wrote(p + text.size());
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
    if (!m_chunks.empty() && m_chunks.back().size() < m_chunks.back().capacity())
        m_chunks.back().resize(m_chunks.back().size());
    m_rowOffsets.shrink_to_fit();
}

} // namespace orvan::db
