#include "db/Recordset.h"

#include "db/DbError.h"
#include "db/RecordsetFilter.h"
#include "db/Token.h"

#include <algorithm>

namespace orvan::db {

namespace {

base::Error noCurrentRecord()
{
    return base::Error(NoCurrentRecordNumber,
                       "Either BOF or EOF is True, or the current record has been deleted. "
                       "Requested operation requires a current record.",
                       ErrorSource);
}

base::Error itemNotFound()
{
    return base::Error(ItemNotFoundNumber,
                       "Item cannot be found in the collection corresponding to the requested "
                       "name or ordinal.",
                       ErrorSource);
}

} // namespace

namespace {

CellTable tableOf(std::vector<std::vector<Cell>> rows, size_t columnCount)
{
    CellTable cells(columnCount);
    for (const auto &row : rows)
        cells.appendRow(std::span<const Cell>(row).first(std::min(row.size(), columnCount)));
    return cells;
}

} // namespace

Recordset::Recordset(std::vector<Column> columns, std::vector<std::vector<Cell>> rows)
    : Recordset(columns, tableOf(std::move(rows), columns.size()))
{}

Recordset::Recordset(std::vector<Column> columns, CellTable cells)
    : m_columns(std::move(columns))
    , m_cells(std::move(cells))
{
    m_cells.shrinkToFit();
    m_position = m_cells.rowCount() == 0 ? -1 : 0;
}

size_t Recordset::visibleCount() const
{
    return m_filtered ? m_visible.size() : m_cells.rowCount();
}

Recordset::~Recordset() = default;
Recordset::Recordset(Recordset &&) noexcept = default;
Recordset &Recordset::operator=(Recordset &&) noexcept = default;

void Recordset::requireOpen() const
{
    if (!m_open)
        throw base::Error(ObjectClosedNumber, "Operation is not allowed when the object is closed.",
                          ErrorSource);
}

void Recordset::requireCurrent() const
{
    requireOpen();
    if (m_position < 0 || m_position >= static_cast<long>(visibleCount()))
        throw noCurrentRecord();
}

bool Recordset::isEOF() const
{
    requireOpen();
    return visibleCount() == 0 || m_position >= static_cast<long>(visibleCount());
}

bool Recordset::isBOF() const
{
    requireOpen();
    return visibleCount() == 0 || m_position < 0;
}

long Recordset::RecordCount() const
{
    requireOpen();
    return static_cast<long>(visibleCount());
}

void Recordset::MoveFirst()
{
    requireOpen();
    m_position = visibleCount() == 0 ? -1 : 0;
}

void Recordset::MoveLast()
{
    requireOpen();
    m_position = static_cast<long>(visibleCount()) - 1;
}

void Recordset::MoveNext()
{
    if (isEOF())
        throw noCurrentRecord();
    ++m_position;
}

void Recordset::MovePrevious()
{
    if (isBOF())
        throw noCurrentRecord();
    --m_position;
}

void Recordset::Move(long n)
{
    requireOpen();
    if (n == 0)
        return;
    if ((n > 0 && isEOF()) || (n < 0 && isBOF()))
        throw noCurrentRecord();
    const long size = static_cast<long>(visibleCount());
    m_position = std::clamp(m_position + n, -1L, size);
}

size_t Recordset::columnIndex(std::string_view name) const
{
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (equalsIgnoreCase(m_columns[i].name, name))
            return i;
    }
    throw itemNotFound();
}

Field Recordset::fieldAt(size_t column) const
{
    auto value = valueAt(column);
    const Column &info = m_columns[column];
    return Field(info.name, info.type, std::move(value));
}

base::Variant Recordset::valueAt(size_t column) const
{
    requireCurrent();
    if (column >= m_columns.size())
        throw itemNotFound();
    const Column &info = m_columns[column];
    const auto position = static_cast<size_t>(m_position);
    Cell cell = m_cells.cell(m_filtered ? m_visible[position] : position, column);
    return cellToVariant(std::move(cell), info.type);
}

void Recordset::appendColumn(size_t column, base::VariantColumn &values) const
{
    const auto count = static_cast<long>(visibleCount());
    if (isEOF())
        return;
    requireCurrent();
    if (column >= m_columns.size())
        throw itemNotFound();
    const int type = m_columns[column].type;
    for (long position = m_position; position < count; ++position) {
        const auto row = static_cast<size_t>(position);
        values.push_back(
            cellToVariant(m_cells.cell(m_filtered ? m_visible[row] : row, column), type));
    }
}

Field Recordset::Fields(std::string_view name) const
{
    requireOpen();
    return fieldAt(columnIndex(name));
}

Field Recordset::Fields(int index) const
{
    requireOpen();
    if (index < 0 || index >= fieldCount())
        throw itemNotFound();
    return fieldAt(static_cast<size_t>(index));
}

int Recordset::fieldCount() const
{
    requireOpen();
    return static_cast<int>(m_columns.size());
}

const std::string &Recordset::fieldName(int index) const
{
    if (index < 0 || index >= fieldCount())
        throw itemNotFound();
    return m_columns[static_cast<size_t>(index)].name;
}

int Recordset::fieldType(int index) const
{
    if (index < 0 || index >= fieldCount())
        throw itemNotFound();
    return m_columns[static_cast<size_t>(index)].type;
}

const std::string &Recordset::Filter() const
{
    requireOpen();
    return m_filterText;
}

void Recordset::setFilter(std::string_view filter)
{
    requireOpen();
    if (filter.find_first_not_of(' ') == std::string_view::npos) {
        showAllRows();
        return;
    }
    std::vector<std::string> names;
    for (const Column &column : m_columns)
        names.push_back(column.name);
    const RecordsetFilter parsed(filter, names);
    std::vector<size_t> visible;
    std::vector<Cell> cells;
    for (size_t i = 0; i < m_cells.rowCount(); ++i) {
        m_cells.readRow(i, cells);
        if (parsed.matches(cells))
            visible.push_back(i);
    }
    m_visible = std::move(visible);
    m_filtered = true;
    m_filterText = std::string(filter);
    m_position = m_visible.empty() ? -1 : 0;
}

void Recordset::showAllRows()
{
    m_visible.clear();
    m_filtered = false;
    m_filterText.clear();
    m_position = m_cells.rowCount() == 0 ? -1 : 0;
}

void Recordset::Close()
{
    requireOpen();
    m_open = false;
    m_cells.clear();
    m_visible.clear();
    m_filtered = false;
}

} // namespace orvan::db
