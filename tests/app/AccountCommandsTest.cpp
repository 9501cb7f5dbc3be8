#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "app/AccountCommands.h"
#include "db/Recordset.h"
#include "db/SqliteDatabase.h"

using namespace orvan;

TEST(AccountCommands, PrintedRowsAreTabSeparatedWithNullsNamed)
{
    const auto path = std::filesystem::temp_directory_path() /
                      ("orvan-print-" + std::to_string(::getpid()) + ".db");
    {
        db::SqliteDatabase account(path.string(), db::SqliteDatabase::OpenMode::Create);
        account.executeNative("CREATE TABLE t(FID INTEGER, FName TEXT COLLATE NOCASE, FRate REAL, "
                              "FOn BIT);"
                              "INSERT INTO t VALUES(1,'甲',30.0,1),(2,NULL,0.5,0);");
        auto rows = account.execute("SELECT FID, FName, FRate, FOn FROM t ORDER BY FID");
        std::ostringstream out;
        app::printRecordset(out, *rows);
        EXPECT_EQ(out.str(), "FID\tFName\tFRate\tFOn\n1\t甲\t30\tTrue\n2\tNULL\t0.5\tFalse\n");

        auto none = account.execute("SELECT FID FROM t WHERE FID=9");
        std::ostringstream empty;
        app::printRecordset(empty, *none);
        EXPECT_EQ(empty.str(), "FID\n");
    }
    for (const auto &suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(path.string() + suffix);
}
