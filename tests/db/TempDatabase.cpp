#include "TempDatabase.h"

#include "db/SqliteStatement.h"

#include <sqlite3.h>

namespace orvan::db::test {

std::string scalarText(SqliteDatabase &db, std::string_view sql)
{
    sqlite3_stmt *statement = nullptr;
    const std::string text(sql);
    if (sqlite3_prepare_v2(db.handle(), text.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        return std::string("error: ") + sqlite3_errmsg(db.handle());
    std::string result = "no row";
    if (sqlite3_step(statement) == SQLITE_ROW) {
        const auto *value = sqlite3_column_text(statement, 0);
        result = value ? reinterpret_cast<const char *>(value) : "NULL";
    }
    sqlite3_finalize(statement);
    return result;
}

} // namespace orvan::db::test
