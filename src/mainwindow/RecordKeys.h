#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Variant.h"
#include "base/VariantColumn.h"
#include "db/Recordset.h"

namespace orvan::mainwindow {

// The record keys of the list a node shows, one per grid row: the key of grid row r is
// at index r (the first data row is row 2), which the editor steps through.
struct RecordKeyList
{
    int32_t lower = 2;
    base::VariantColumn keys;
    // The row of the bill type the window was opened for (0 when none).
    int32_t currentRowIndex = 0;
    // Read with the planning keys, for the planning editor.
    int32_t demandTimeLimit = 0;
    int32_t planTimeLimit = 0;
    int32_t timeZoneCount = 0;

    int32_t upperBound() const { return lower + static_cast<int32_t>(keys.size()) - 1; }
    // The key of a grid row; Empty outside the list.
    base::Variant keyOfRow(int32_t row) const;
};

// The query behind the record keys of a node, "" for nodes without a key list.
std::string recordKeySql(const std::string &key);

// Reads the record keys of a node; nothing for a node without a key list. Raises what the
// database raises.
std::optional<RecordKeyList> readRecordKeys(const std::string &key);

// True for the nodes whose list holds their record keys, a row per key in the key query's
// order: their keys are taken from the list's rows rather than read a second time.
bool keysComeWithList(const std::string &key);

// The record keys of a node taken from rows of its key query (none when rows is null).
// Leaves the rows on their first record.
RecordKeyList recordKeysOf(const std::string &key, db::Recordset *rows);

// The query View > Refresh reloads a node with ("" when the grid keeps its rows). After
// Modify the bill settings show "不控制" for manual entry values other than 1 and 0.
std::string refreshSql(const std::string &key, bool afterModify = false);

} // namespace orvan::mainwindow
