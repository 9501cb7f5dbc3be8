#pragma once

#include "db/ColumnTypes.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace orvan::db {

// The cells of a query's rows, a fixed number per row, packed one after the other in
// chunks of bytes: a cell costs a tag byte and its value (text without a terminator,
// integers in as few bytes as they need), a row four bytes more. A long list then holds
// little more than its text, and no chunk is large enough to be mapped fresh from the
// system (a list of many rows reuses the heap a previous list gave back).
//
// A row is written a cell at a time: beginRow(), then one add per column; cells a row
// leaves unwritten read as null.
class CellTable
{
public:
    explicit CellTable(size_t columnCount = 0);

    size_t columnCount() const { return m_columnCount; }
    size_t rowCount() const { return m_rowOffsets.size(); }

    void beginRow();
    void addNull();
    void addInteger(long long value);
    void addReal(double value);
    void addText(std::string_view text);
    void addCell(const Cell &cell);
    void appendRow(std::span<const Cell> cells);

    Cell cell(size_t row, size_t column) const;
    // The row's cells into `cells` (resized to the column count).
    void readRow(size_t row, std::vector<Cell> &cells) const;

    void clear();
    // Gives back the room kept for rows still to come.
    void shrinkToFit();

private:
    static constexpr size_t ChunkBytes = 64 * 1024; // below the mmap threshold
    // The first chunk starts small and doubles up to ChunkBytes: most lists are a few
    // rows, and a whole chunk for them costs more than reading them.
    static constexpr size_t FirstChunkBytes = 1024;

    // A block of cell bytes written at its end: a cell is written through a pointer after
    // one check for room, not byte by byte.
    class Chunk
    {
    public:
        explicit Chunk(size_t capacity);
        Chunk(const Chunk &other);
        Chunk &operator=(const Chunk &other);
        Chunk(Chunk &&) noexcept = default;
        Chunk &operator=(Chunk &&) noexcept = default;
        ~Chunk() = default;

        const char *data() const { return m_bytes.get(); }
        size_t size() const { return m_size; }
        size_t capacity() const { return m_capacity; }
        bool fits(size_t bytes) const { return m_size + bytes <= m_capacity; }
        // Where the next cell is written, and what was written there.
        char *end() { return m_bytes.get() + m_size; }
        void wrote(const char *until) { m_size = static_cast<size_t>(until - m_bytes.get()); }
        void resize(size_t capacity); // keeps the bytes written, up to the new capacity
        void truncate(size_t size) { m_size = size; }

    private:
        std::unique_ptr<char[]> m_bytes;
        size_t m_size = 0;
        size_t m_capacity = 0;
    };

    // Room for `bytes` more in the last chunk; the row being written moves to a new chunk
    // when they do not fit.
    void reserve(size_t bytes)
    {
        if (!m_chunks.back().fits(bytes))
            makeRoom(bytes);
    }
    void makeRoom(size_t bytes);
    // The row's bytes: from its first cell to where the next row starts.
    std::pair<const char *, const char *> rowBytes(size_t row) const;

    size_t m_columnCount;
    size_t m_cellsInRow = 0; // cells written to the row begun last
    std::vector<Chunk> m_chunks;
    std::vector<size_t> m_chunkFirstRows; // the first row of each chunk
    std::vector<uint32_t> m_rowOffsets;   // where each row starts in its chunk
};

} // namespace orvan::db
