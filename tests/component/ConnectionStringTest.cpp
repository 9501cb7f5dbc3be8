#include <gtest/gtest.h>

#include "component/ConnectionString.h"

using orvan::component::parseConnectionString;

TEST(ConnectionString, ReadsTheAccountFileAndOnlySQLiteOrNoProviderIsEmbedded)
{
    struct Case
    {
        const char *text;
        const char *dataSource;
        bool embedded;
    };
    // Names in any case, blanks around values, a braced path holding ";" and "=".
    for (const auto &c : std::initializer_list<Case>{
             {"Provider=SQLite;Data Source=/data/acct.db", "/data/acct.db", true},
             {"provider = sqlite ; DATA SOURCE= {/a;b=c.db} ;", "/a;b=c.db", true},
             {"Data Source=acct.db", "acct.db", true},
             {"Provider=SQLOLEDB;Data Source=srv;Pwd=x", "srv", false},
             {"Provider=SQLite3;Data Source=a.db", "a.db", false},
             {"", "", true},
             {"Provider=SQLite;DataSource=a.db", "", true},
         }) {
        const auto read = parseConnectionString(c.text);
        EXPECT_EQ(read.dataSource, c.dataSource) << c.text;
        EXPECT_EQ(read.embedded(), c.embedded) << c.text;
    }
    EXPECT_EQ(parseConnectionString("Provider=SQLite;Data Source=x").provider, "SQLite");
}
