#pragma once

#include "base/VariantColumn.h"
#include "db/CellTable.h"
#include "db/ColumnTypes.h"
#include "db/Field.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::db {

class RecordsetFilter;

// The rows of a query, read completely when the query ran (a static client-side cursor),
// with the navigation members of the host language's recordsets. A new recordset stands
// on its first record, or at BOF and EOF together when it has none.
//
// isEOF()/isBOF() are the recordset's EOF and BOF (the C library reserves the name EOF).
// Misuse raises orvan::base::Error as the data objects do: moving past EOF or reading a
// field with no current record (3021), an unknown field (3265), any use after Close (3704).
class Recordset
{
public:
    struct Column
    {
        std::string name;
        int type = UnknownFieldType;
    };

    Recordset(std::vector<Column> columns, std::vector<std::vector<Cell>> rows);
    // cells has one cell per column in each row.
    Recordset(std::vector<Column> columns, CellTable cells);
    ~Recordset();
    Recordset(Recordset &&) noexcept;
    Recordset &operator=(Recordset &&) noexcept;

    bool isEOF() const;
    bool isBOF() const;
    // Number of records (of those the filter lets through).
    long RecordCount() const;

    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    // Moves n records from the current one (negative: backwards); stops at BOF or EOF.
    void Move(long n);

    // The field of the current record, by name without regard to case, or by index.
    Field Fields(std::string_view name) const;
    Field Fields(int index) const;
    int fieldCount() const;
    const std::string &fieldName(int index) const;
    int fieldType(int index) const;
    // The index of a field by name, ignoring case, for a loop that reads it on every row;
    // raises error 3265 when there is none.
    size_t columnIndex(std::string_view name) const;
    // The current record's value in a column columnIndex found, as Fields(...).Value()
    // gives it, without making the field.
    base::Variant valueAt(size_t column) const;
    // The column's value in every record from the current one to the last, as valueAt
    // gives them, appended to values; the current record stays.
    void appendColumn(size_t column, base::VariantColumn &values) const;

    // The filter text ("" for none). Setting it shows only the matching records and moves
    // to the first of them; "" shows all again.
    const std::string &Filter() const;
    void setFilter(std::string_view filter);

    void Close();
    bool isOpen() const { return m_open; }

private:
    void requireOpen() const;
    void requireCurrent() const;
    Field fieldAt(size_t column) const;
    size_t visibleCount() const;
    void showAllRows();

    std::vector<Column> m_columns;
    CellTable m_cells;
    bool m_filtered = false;
    std::vector<size_t> m_visible; // while filtered: the rows the filter lets through
    long m_position = 0;           // index into m_visible; -1 at BOF, size() at EOF
    std::string m_filterText;
    bool m_open = true;
};

using RecordsetPtr = std::shared_ptr<Recordset>;

} // namespace orvan::db
