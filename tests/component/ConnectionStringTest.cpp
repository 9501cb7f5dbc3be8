#include <gtest/gtest.h>

#include "component/ConnectionString.h"

using orvan::component::parseConnectionString;

TEST(ConnectionString, ReadsTheProviderAndTheAccountFile)
{
    const auto written = parseConnectionString("Provider=SQLite;Data Source=/data/acct.db");
    EXPECT_EQ(written.provider, "SQLite");
    EXPECT_EQ(written.dataSource, "/data/acct.db");
    EXPECT_TRUE(written.embedded());

    // Names in any case, blanks around values, a braced path holding ";" and "=".
    const auto typed = parseConnectionString("provider = sqlite ; DATA SOURCE= {/a;b=c.db} ;");
    EXPECT_EQ(typed.dataSource, "/a;b=c.db");
    EXPECT_TRUE(typed.embedded());
}

TEST(ConnectionString, OnlySQLiteOrNoProviderIsEmbedded)
{
    const auto bare = parseConnectionString("Data Source=acct.db");
    EXPECT_EQ(bare.provider, "");
    EXPECT_EQ(bare.dataSource, "acct.db");
    EXPECT_TRUE(bare.embedded());

    const auto server = parseConnectionString("Provider=SQLOLEDB;Data Source=srv;Pwd=x");
    EXPECT_EQ(server.dataSource, "srv");
    EXPECT_FALSE(server.embedded());
    EXPECT_FALSE(parseConnectionString("Provider=SQLite3;Data Source=a.db").embedded());

    const auto empty = parseConnectionString("");
    EXPECT_EQ(empty.dataSource, "");
    EXPECT_TRUE(empty.embedded());
    EXPECT_EQ(parseConnectionString("Provider=SQLite;DataSource=a.db").dataSource, "");
}
