#include "db/SqliteDatabase.h"

#include "TempDatabase.h"

#include <gtest/gtest.h>

#include <thread>

using namespace orvan::db;
using namespace orvan::db::test;

// Two connections upsert and increment the same keys at once: every increment counts and
// no key is inserted twice.
TEST(Concurrency, UpsertsFromTwoConnectionsLoseNothing)
{
    TempDatabaseFile file;
    {
        SqliteDatabase setup(file.path(), SqliteDatabase::OpenMode::Create);
        setup.executeNative("CREATE TABLE Counter (FKey TEXT COLLATE NOCASE, FCount INT)");
    }
    constexpr int Rounds = 60;
    auto worker = [&] {
        SqliteDatabase db(file.path());
        for (int i = 0; i < Rounds; ++i) {
            const std::string key = "'k" + std::to_string(i % 3) + "'";
            db.execute("IF NOT EXISTS(select * from Counter where FKey=" + key +
                       ")\r\n"
                       "  insert into Counter(FKey,FCount) values(" +
                       key +
                       ",1)\r\n"
                       "else\r\n"
                       "  update Counter set FCount=FCount+1 where FKey=" +
                       key);
        }
    };
    std::thread first(worker);
    std::thread second(worker);
    first.join();
    second.join();
    SqliteDatabase db(file.path());
    EXPECT_EQ(scalarText(db, "select count(*) || ':' || sum(FCount) from Counter"),
              "3:" + std::to_string(2 * Rounds));
}
