#include "db/SqlText.h"

#include "base/Error.h"

#include <gtest/gtest.h>

#include <limits>

using namespace orvan::db;

TEST(SqlText, QuotesTextDoublingQuotes)
{
    EXPECT_EQ(sqlQuote("CompanyTax"), "'CompanyTax'");
    EXPECT_EQ(sqlQuote("O'Neil''s"), "'O''Neil''''s'");
    EXPECT_EQ(sqlQuote(""), "''");
    EXPECT_EQ(sqlQuote("a\r\nb"), "'a\r\nb'");
}

TEST(SqlText, FormatsNumbersPlainly)
{
    EXPECT_EQ(sqlNumber(31), "31");
    EXPECT_EQ(sqlNumber(-1L), "-1");
    EXPECT_EQ(sqlNumber(int16_t{1023}), "1023");
    EXPECT_EQ(sqlNumber(0.5), "0.5");
    EXPECT_EQ(sqlNumber(30.0), "30");
    EXPECT_EQ(sqlNumber(-2.25), "-2.25");
    EXPECT_EQ(sqlNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(sqlNumber(1e20), "1E+20");
    EXPECT_THROW(sqlNumber(std::numeric_limits<double>::quiet_NaN()), orvan::base::Error);
}
