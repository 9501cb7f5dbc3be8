#include <gtest/gtest.h>

#include <map>

#include "RulesFixture.h"
#include "base/Error.h"
#include "rules/TemplateUpdates.h"
#include "support/StatementCorpus.h"

using namespace orvan;
using namespace orvan::rules;

namespace {

std::string withoutFinalLineBreak(std::string batch)
{
    if (batch.size() >= 2 && batch.compare(batch.size() - 2, 2, "\r\n") == 0)
        batch.resize(batch.size() - 2);
    return batch;
}

class TemplateUpdates : public test::RulesFixture
{
protected:
    std::string value(const std::string &sql) { return account.value(sql); }
    void dropTable(const std::string &table) { account.runNative("DROP TABLE " + table); }
};

} // namespace

// The batches are written out twice, here and in the statement file of the account
// tests; the two transcriptions must agree byte for byte.
TEST(TemplateUpdateBatches, MatchTheRecordedStatements)
{
    const auto recorded = test::statementCorpusByDescription();
    const std::map<std::string, std::string> expected = {
        {"quantity totals count entry quantities", entryNeedCountSql(true)},
        {"operation move numbers may be entered", operMoveNoSql(true)},
        {"production task number required on production issues and product receipts",
         subcontractMustInputSql("1")},
        {"lookups show short codes", lookupShortNumberSql(true)},
        {"lookups show full codes", lookupShortNumberSql(false)},
        {"bill numbers locked", lookupControlsSql(false)},
        {"material lists show the task number", chatBillTitle61Sql(true)},
        {"subcontract bill types hidden", billTypeVisibilitySql(false)},
        {"mnemonic and sort codes shown", withoutFinalLineBreak(letterSortFieldsSql(true))},
        {"mnemonic and sort codes hidden", withoutFinalLineBreak(letterSortFieldsSql(false))},
        {"operation quantities in secondary units switched on (template, class, layout and "
         "report rewrite)",
         withoutFinalLineBreak(operAuxQtyLayoutSql(true))},
        {"operation quantities in secondary units switched off (template, class, layout and "
         "report rewrite)",
         withoutFinalLineBreak(operAuxQtyLayoutSql(false))},
    };
    for (const auto &[description, sql] : expected) {
        ASSERT_TRUE(recorded.count(description)) << description;
        EXPECT_EQ(recorded.at(description), sql) << description;
    }
    EXPECT_NE(operAuxQtyLayoutSql(true).find("=31where FID = 'Y52'"), std::string::npos);
    const auto offBatch = operAuxQtyLayoutSql(false);
    EXPECT_EQ(std::count(offBatch.begin(), offBatch.end(), '\n'), 98);
}

TEST_F(TemplateUpdates, ShortCodesRenameOnlyTheEightLookupsAndHideLetterFields)
{
    SetLetterSortFields(true);
    SetLookupShortNumber(true);
    EXPECT_EQ(value("SELECT COUNT(*) FROM ICSelBills WHERE FName='FShortNumber'"), "8");
    EXPECT_EQ(value("SELECT FName FROM ICSelBills WHERE FTableName='t_Currency'"), "FNumber");
    EXPECT_EQ(value("SELECT FValue FROM t_SystemProfile WHERE FCategory='SH' AND "
                    "FKey='AutoCreateCharItem'"),
              "0");
    EXPECT_EQ(value("SELECT FUnControl FROM ICClassTableInfo WHERE FKey='FLetter'"), "55");

    SetLetterSortFields(true);
    SetLookupShortNumber(false);
    EXPECT_EQ(value("SELECT COUNT(*) FROM ICSelBills WHERE FName='FShortNumber'"), "0");
    EXPECT_EQ(value("SELECT FUnControl FROM ICClassTableInfo WHERE FKey='FLetter'"),
              std::to_string(55 | 1536));
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(TemplateUpdates, LetterFieldsGainTheirControlBitsOnce)
{
    SetLetterSortFields(true);
    SetLetterSortFields(true);
    EXPECT_EQ(value("SELECT FUnControl FROM ICClassTableInfo WHERE FKey='FSort'"),
              std::to_string(1 | 1536));
    EXPECT_EQ(value("SELECT FVisible FROM ICClassTableInfo WHERE FKey='FSort'"), "-1");
}

TEST_F(TemplateUpdates, OperationQuantityLayoutSwitchesBothWays)
{
    const char *plain = "SELECT MIN(FVisible) FROM ICClassEntryEditorLayout WHERE "
                        "FClassTypeID=1002520 AND FEditorKey='FReportEnter' AND FKey='FAuxQtyPass'";
    const char *operation = "SELECT MAX(FVisible) FROM ICClassEntryEditorLayout WHERE "
                            "FClassTypeID=1002520 AND FEditorKey='FReportEnter' AND "
                            "FKey='FOperAuxQtyPass'";
    const auto version = value("SELECT FVersion FROM ICClassType WHERE FID=1002520");
    ApplyOperAuxQtyLayout(true);
    EXPECT_EQ(value(plain), "0");
    EXPECT_EQ(value(operation), "253");
    EXPECT_NE(value("SELECT FVersion FROM ICClassType WHERE FID=1002520"), version);
    ApplyOperAuxQtyLayout(false);
    EXPECT_EQ(value(plain), "253");
    EXPECT_EQ(value(operation), "0");
    EXPECT_TRUE(messages->shown().empty());
}

TEST_F(TemplateUpdates, ErrorsAreShownSwallowedOrRaisedAsEachOperationPromises)
{
    dropTable("ICTemplateEntry");
    SetEntryNeedCount(true);
    ASSERT_EQ(messages->shown().size(), 1u);
    EXPECT_EQ(messages->shown()[0].text.rfind("更新数据出错.no such table", 0), 0u)
        << messages->shown()[0].text;
    EXPECT_EQ(messages->shown()[0].buttons, forms::Buttons::Ok);

    // The failing batch leaves nothing half applied.
    const char *lock = "SELECT FLock FROM ICClassTableInfo WHERE FClassTypeID=1002510 AND "
                       "FKey='FOperMoveNo'";
    const auto before = value(lock);
    SetOperMoveNoEnabled(before == "-1");
    EXPECT_EQ(value(lock), before);

    dropTable("ICTemplate");
    EXPECT_TRUE(SetSubcontractMustInput("1"));
    EXPECT_THROW(SetLookupControlsEnabled(true), base::Error);
    EXPECT_THROW(SetBillTypeVisibility(true), base::Error);
    dropTable("ICClassTableInfo");
    EXPECT_NO_THROW(SetLetterSortFields(true));
    EXPECT_EQ(messages->shown().size(), 2u);
}
