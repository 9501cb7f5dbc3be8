// Expression rewrites seen through compiled statements.
#include "db/BatchCompiler.h"

#include "base/Error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace orvan::db;
using ::testing::HasSubstr;

namespace {

std::string compiled(std::string_view statement)
{
    try {
        return compileBatch(statement).steps.at(0).sql;
    } catch (const orvan::base::Error &error) {
        return error.description();
    }
}

} // namespace

TEST(ExpressionRewriter, GroupsMixedArithmeticAndBitRunsLeftToRightAtEveryLevel)
{
    EXPECT_EQ(compiled("select a+b&c-d|e from t"), "select ((((a+b)&c)-d)|e) from t");
    EXPECT_EQ(compiled("select (a|1+2), case when x&1+y=0 then f(a-1&b) end from t"),
              "select (((a|1)+2)), case when ((x&1)+y)=0 then f(((a-1)&b)) end from t");
    EXPECT_EQ(compiled("select a+b*c&d from t where x=convert(varchar(5), y+1|2)"),
              "select ((a+b*c)&d) from t where x=SUBSTR(CAST( ((y+1)|2) AS TEXT),1,5)");
    EXPECT_EQ(compiled("select a+b-c, d&e|f from t"), "select a+b-c, d&e|f from t");
}

TEST(ExpressionRewriter, RefusesTheFirstGroupNotClosedWithOrWithoutBitOperators)
{
    const std::string parenthesis = "a parenthesis is not closed";
    const std::string caseEnd = "CASE without END";
    EXPECT_THAT(compiled("select (a from t"), HasSubstr(parenthesis));
    EXPECT_THAT(compiled("select (a & 1 from t"), HasSubstr(parenthesis));
    EXPECT_THAT(compiled("select case when a=1 then 2 from t"), HasSubstr(caseEnd));
    EXPECT_THAT(compiled("select case when a&1=1 then (2 from t"), HasSubstr(caseEnd));
    EXPECT_THAT(compiled("select (case when a=1 then 2 from t"), HasSubstr(parenthesis));
    EXPECT_THAT(compiled("select case when a=1 then (2 from t"), HasSubstr(caseEnd));
    EXPECT_THAT(compiled("select (a)) + (b from t"), HasSubstr(parenthesis));
    EXPECT_THAT(compiled("select convert(int, (a) from t"), HasSubstr(parenthesis));
    EXPECT_EQ(compiled("select (case when a=1 then 2 end) from t"),
              "select (case when a=1 then 2 end) from t");
}

TEST(ExpressionRewriter, AppliesEveryTokenRewriteTogetherWithOrWithoutSchemaPrefixes)
{
    EXPECT_EQ(compiled("select convert(int, isnull(a,0)) from t where b !< 1"),
              "select to_int_strict( IFNULL(a,0)) from t where b >= 1");
    EXPECT_EQ(compiled("select convert(int, isnull(a,0)) from dbo.t where b !> 1"),
              "select to_int_strict( IFNULL(a,0)) from t where b <= 1");
    EXPECT_EQ(compiled("select isnull(a, 0) from dbo.t"), "select IFNULL(a, 0) from t");
    EXPECT_EQ(compiled("select isnull(a, 0) from t"), "select IFNULL(a, 0) from t");
    EXPECT_EQ(compiled("select convert(varchar(3), n'x') from t"),
              "select SUBSTR(CAST( 'x' AS TEXT),1,3) from t");
}
