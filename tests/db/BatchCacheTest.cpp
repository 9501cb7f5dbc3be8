#include "db/BatchCache.h"

#include "db/BatchCompiler.h"
#include "db/PreparedBatch.h"

#include "TempDatabase.h"

#include <gtest/gtest.h>

using namespace orvan::db;
using namespace orvan::db::test;

namespace {

class BatchCacheTest : public ::testing::Test
{
protected:
    std::shared_ptr<PreparedBatch> prepared(const std::string &text)
    {
        return std::make_shared<PreparedBatch>(db, compileBatch(text));
    }

    // Caches a prepared batch for text and returns it.
    std::shared_ptr<PreparedBatch> add(BatchCache &cache, const std::string &text)
    {
        auto batch = prepared(text);
        cache.insert(text, batch);
        return batch;
    }

    TempDatabaseFile file;
    SqliteDatabase db{file.path(), SqliteDatabase::OpenMode::Create};
};

} // namespace

TEST_F(BatchCacheTest, AFullCacheDropsTheLeastRecentlyUsedBatchOnly)
{
    BatchCache cache(3);
    const auto first = add(cache, "select 1");
    const auto second = add(cache, "select 2");
    const auto third = add(cache, "select 3");
    EXPECT_EQ(cache.find("select 1"), first); // now the most recently used

    const auto fourth = add(cache, "select 4");
    EXPECT_EQ(cache.size(), 3u);
    EXPECT_EQ(cache.find("select 2"), nullptr);
    EXPECT_EQ(cache.find("select 1"), first);
    EXPECT_EQ(cache.find("select 3"), third);
    EXPECT_EQ(cache.find("select 4"), fourth);

    add(cache, "select 5"); // "select 1" is now the least recently used
    EXPECT_EQ(cache.find("select 1"), nullptr);
    EXPECT_EQ(cache.find("select 3"), third);

    cache.clear();
    EXPECT_EQ(cache.size(), 0u);
    EXPECT_EQ(cache.find("select 4"), nullptr);
}

TEST_F(BatchCacheTest, ARunningBatchIsNeverDropped)
{
    BatchCache cache(2);
    db.registerProcedure("p_Fill", {}, [&](ProcedureCall &) {
        add(cache, "select 2"); // the running batch is the least recently used
        add(cache, "select 3");
    });
    const auto running = add(cache, "exec p_Fill");
    add(cache, "select 1");
    running->run(db);
    EXPECT_EQ(cache.find("exec p_Fill"), running);
    EXPECT_EQ(cache.find("select 1"), nullptr);
    EXPECT_EQ(cache.find("select 2"), nullptr);
    EXPECT_NE(cache.find("select 3"), nullptr);
    EXPECT_EQ(cache.size(), 2u);
}

TEST_F(BatchCacheTest, ADatabaseKeepsAFullCacheWhenOneMoreTextRuns)
{
    for (size_t i = 0; i <= Database::BatchCacheLimit; ++i)
        db.execute("select " + std::to_string(i));
    EXPECT_EQ(db.cachedBatchCount(), Database::BatchCacheLimit);
}
