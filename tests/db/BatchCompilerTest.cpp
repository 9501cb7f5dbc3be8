#include "db/BatchCompiler.h"

#include "base/Error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace orvan::db;
using ::testing::HasSubstr;

namespace {

std::string refusal(std::string_view batch)
{
    try {
        compileBatch(batch);
    } catch (const orvan::base::Error &error) {
        return error.description();
    }
    return "accepted";
}

} // namespace

TEST(BatchCompiler, SplitsAtStatementWordsNotAtLines)
{
    const BatchPlan plan =
        compileBatch("Update ICTemplateEntry set FEnable = 48 where FID = 'z10'\r\n"
                     " And FFieldName in ('FAuxQtyPlan') \r\n"
                     "--comment line\r\n"
                     "UPDATE ICClassType SET FID=FID WHERE  Fid=1002510 \r\n"
                     " Delete From  ICClassUserProfile Where FSection='B'");
    ASSERT_EQ(plan.steps.size(), 3u);
    EXPECT_THAT(plan.steps[0].sql, HasSubstr("FFieldName in ('FAuxQtyPlan')"));
}

TEST(BatchCompiler, KeepsSelectInsideUnionInsertAndSubqueries)
{
    EXPECT_EQ(compileBatch("select a from t Union select b from u union all select c from v")
                  .steps.size(),
              1u);
    EXPECT_EQ(
        compileBatch("insert into t(a) select b from u where b in (select c from v)").steps.size(),
        1u);
    EXPECT_EQ(compileBatch("select 1 select 2; select 3").steps.size(), 3u);
}

TEST(BatchCompiler, BuildsNestedIfElse)
{
    const BatchPlan plan = compileBatch("IF Exists(select * from t where k='a')\r\n"
                                        "  IF NOT EXISTS(select * from u) delete u\r\n"
                                        "  ELSE update u set n=1\r\n"
                                        "ELSE insert into t(k) values('a')\r\n"
                                        "select * from t");
    ASSERT_EQ(plan.steps.size(), 2u);
    const PlanStep &outer = plan.steps[0];
    EXPECT_EQ(outer.kind, PlanStep::Kind::Condition);
    ASSERT_EQ(outer.thenSteps.size(), 1u);
    EXPECT_EQ(outer.thenSteps[0].kind, PlanStep::Kind::Condition);
    EXPECT_EQ(outer.thenSteps[0].elseSteps.size(), 1u);
    ASSERT_EQ(outer.elseSteps.size(), 1u);
    EXPECT_THAT(outer.elseSteps[0].sql, HasSubstr("insert into t"));
}

TEST(BatchCompiler, ReadsExecArguments)
{
    const BatchPlan plan = compileBatch("exec p_ICPlan_EnableMtoPlanMode 0\r\n"
                                        "EXECUTE dbo.Other @ByType = -2, N'x', NULL");
    ASSERT_EQ(plan.steps.size(), 2u);
    EXPECT_EQ(plan.steps[0].procedure, "p_ICPlan_EnableMtoPlanMode");
    ASSERT_EQ(plan.steps[0].arguments.size(), 1u);
    EXPECT_EQ(plan.steps[0].arguments[0].value, orvan::base::Variant(int32_t{0}));
    const auto &arguments = plan.steps[1].arguments;
    ASSERT_EQ(arguments.size(), 3u);
    EXPECT_EQ(plan.steps[1].procedure, "Other");
    EXPECT_EQ(arguments[0].name, "@ByType");
    EXPECT_EQ(arguments[0].value, orvan::base::Variant(int32_t{-2}));
    EXPECT_EQ(arguments[1].value, orvan::base::Variant("x"));
    EXPECT_TRUE(arguments[2].value.isNull());
}

TEST(BatchCompiler, ExecNumbersAreWholeWithinTheIntegerRangeElseDecimal)
{
    const BatchPlan plan = compileBatch("exec p 2147483647, -2147483648, 2147483648, 1.5");
    ASSERT_EQ(plan.steps.size(), 1u);
    const auto &arguments = plan.steps[0].arguments;
    ASSERT_EQ(arguments.size(), 4u);
    EXPECT_EQ(arguments[0].value, orvan::base::Variant(int32_t{2147483647}));
    EXPECT_EQ(arguments[1].value, orvan::base::Variant(int32_t{-2147483647 - 1}));
    EXPECT_EQ(arguments[2].value, orvan::base::Variant(2147483648.0));
    EXPECT_EQ(arguments[3].value, orvan::base::Variant(1.5));
}

TEST(BatchCompiler, RefusesWhatItDoesNotSupportByName)
{
    EXPECT_THAT(refusal("DECLARE @x int"), HasSubstr("'DECLARE' is not supported"));
    EXPECT_THAT(refusal("WHILE 1=1 select 1"), HasSubstr("'WHILE' is not supported"));
    EXPECT_THAT(refusal("IF 1=1 BEGIN select 1 END"), HasSubstr("'BEGIN' is not supported"));
    EXPECT_THAT(refusal("select TOP 1 * from t"), HasSubstr("TOP is not supported"));
    EXPECT_THAT(refusal("select * from t where a=@a"), HasSubstr("variable @a"));
    EXPECT_THAT(refusal("select * into #t from t"), HasSubstr("not supported"));
    EXPECT_THAT(refusal("select convert(datetime, x) from t"),
                HasSubstr("convert to DATETIME is not supported"));
    EXPECT_THAT(refusal("select convert(varchar(10), x, 120) from t"), HasSubstr("style"));
    EXPECT_THAT(refusal("select a ^ b from t"), HasSubstr("^ operator"));
    EXPECT_THAT(refusal("ELSE select 1"), HasSubstr("ELSE without IF"));
    EXPECT_THAT(refusal("IF EXISTS(select 1)"), HasSubstr("a statement is expected"));
    EXPECT_THAT(refusal("SET NOCOUNT ON"), HasSubstr("Incorrect syntax near 'SET'"));
    EXPECT_THAT(refusal("exec p @out OUTPUT"), HasSubstr("output arguments"));
}

TEST(BatchCompiler, ATrailingOrDoubledCommaInSetIsASyntaxErrorNotACrash)
{
    EXPECT_THAT(refusal("update t_Currency set FName='x',"), HasSubstr("Incorrect syntax in SET"));
    EXPECT_THAT(refusal("Update ICPrintMaxCount Set FPrintMaxCount=4,FPrintControlOrNo=1,;"
                        "FPrintAfterCheck=1 where FID=2"),
                HasSubstr("Incorrect syntax"));
    EXPECT_THAT(refusal("update t set a=1,,b=2"), HasSubstr("near ','"));
    EXPECT_THAT(refusal("update t set ,a=1"), HasSubstr("near ','"));
    EXPECT_EQ(refusal("update t set a=1, b=2 where c=3"), "accepted");
}

TEST(BatchCompiler, NumbersBeyondTheRangeOfADoubleAreRefused)
{
    for (const char *batch :
         {"exec x 1e999", "exec x 1e-400", "exec x @AdjustType=1e400", "exec x -1e999"})
        EXPECT_THAT(refusal(batch), HasSubstr("out of range")) << batch;
    const BatchPlan plan = compileBatch("exec x 1.5e300, -2.5");
    EXPECT_EQ(plan.steps[0].arguments[0].value, orvan::base::Variant(1.5e300));
    EXPECT_EQ(plan.steps[0].arguments[1].value, orvan::base::Variant(-2.5));
}

TEST(BatchCompiler, NestingHasALimitWithAClearErrorAndTheLimitItselfCompiles)
{
    const auto nestedIfs = [](int depth) {
        std::string batch;
        for (int i = 0; i < depth; ++i)
            batch += "if 1=1\r\n";
        return batch + "select 1";
    };
    EXPECT_EQ(refusal(nestedIfs(64)), "accepted");
    EXPECT_THAT(refusal(nestedIfs(65)), HasSubstr("nests IF statements more than 64"));
    EXPECT_THAT(refusal(nestedIfs(30000)), HasSubstr("nests IF statements"));

    const auto nestedParens = [](int depth) {
        return "select " + std::string(static_cast<size_t>(depth), '(') + "1" +
               std::string(static_cast<size_t>(depth), ')');
    };
    EXPECT_EQ(refusal(nestedParens(256)), "accepted");
    EXPECT_THAT(refusal(nestedParens(257)), HasSubstr("more than 256 levels deep"));
    EXPECT_THAT(refusal(nestedParens(100000)), HasSubstr("levels deep"));

    const auto nestedCase = [](int depth) {
        std::string sql = "select ";
        for (int i = 0; i < depth; ++i)
            sql += "case when 1=1 then ";
        sql += "1";
        for (int i = 0; i < depth; ++i)
            sql += " else 0 end";
        return sql;
    };
    EXPECT_EQ(refusal(nestedCase(200)), "accepted");
    EXPECT_THAT(refusal(nestedCase(60000)), HasSubstr("levels deep"));

    // Parentheses and CASEs count together; a closed statement before adds nothing.
    const auto mixed = [&](int parens, int cases) {
        const std::string inner = nestedCase(cases).substr(7); // without "select "
        return "select " + std::string(static_cast<size_t>(parens), '(') + inner +
               std::string(static_cast<size_t>(parens), ')');
    };
    EXPECT_EQ(refusal(mixed(128, 128)), "accepted");
    EXPECT_THAT(refusal(mixed(128, 129)), HasSubstr("more than 256 levels deep"));
    EXPECT_EQ(refusal("select 1;" + mixed(200, 56)), "accepted");
}
