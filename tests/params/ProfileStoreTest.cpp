#include "params/ParamsFixture.h"

#include "params/ProfileCaption.h"
#include "params/ProfileFlags.h"
#include "params/ProfileStore.h"

using namespace orvan;
using namespace orvan::params;

namespace {

class ProfileStore : public test::ParamsFixture
{};

const std::string CompanyTaxSql = "SELECT FCategory, FKey, FReadonly, FLevel FROM t_SystemProfile "
                                  "WHERE FKey='CompanyTax' And FCategory='General'";

} // namespace

TEST_F(ProfileStore, ReadProfileValueGivesZeroForNoRowAndCreatesOnlyWhenAsked)
{
    runNative("INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('IC','ICClosed','1')");
    EXPECT_EQ(
        ReadProfileValue("SELECT FValue FROM t_SystemProfile WHERE FKey='ICClosed'", "FValue"),
        "1");
    EXPECT_EQ(ReadProfileValue(CompanyTaxSql, "FKey"), "0");
    EXPECT_EQ(rowsOf("select count(*) from t_SystemProfile"), "1;");
    EXPECT_EQ(ReadProfileValue(CompanyTaxSql, "FKey", "  "), "0");
    EXPECT_EQ(rowsOf("select count(*) from t_SystemProfile"), "1;");
    EXPECT_EQ(ReadProfileValue("select * from NoSuchTable", "FValue", "CompanyTax"), "0");
    EXPECT_EQ(rowsOf("select count(*) from t_SystemProfile"), "1;");
}

TEST_F(ProfileStore, PreloadCreatesTheTwoCompanyRowsOnceAndDefaultsEveryFlag)
{
    PreloadProfileFlags();
    PreloadProfileFlags();
    EXPECT_EQ(rowsOf("select FCategory,FKey,FValue,FReadonly,FLevel from t_SystemProfile "
                     "order by FKey"),
              "General|CompanyTax||0|1;General|CompanyYHAccount||0|1;");
    const auto &flags = profileFlags();
    EXPECT_EQ(flags.inventoryClosed, 0);
    EXPECT_EQ(flags.periodDefineMethod, 0);
    EXPECT_EQ(flags.auditChoice, 0);
    EXPECT_EQ(flags.forecastStrategy, 0);
    EXPECT_EQ(flags.baseCurrency, "0");
}

TEST_F(ProfileStore, PreloadReadsFlagsAndTheBaseCurrencyName)
{
    runNative("INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES"
              "('IC','ICClosed','1'),('GL','PeriodDefineMethod','1'),('IC','AuditChoice','abc'),"
              "('PL','ProOfBeforeDemandLimit','1.0'),('GL','FBWB','2');"
              "INSERT INTO t_Currency(FCurrencyID,FNumber,FName) VALUES(1,'USD','美元'),"
              "(2,'RMB','人民币')");
    PreloadProfileFlags();
    const auto &flags = profileFlags();
    EXPECT_EQ(flags.inventoryClosed, 1);
    EXPECT_EQ(flags.periodDefineMethod, 1);
    EXPECT_EQ(flags.auditChoice, 0);
    EXPECT_EQ(flags.forecastStrategy, 1);
    EXPECT_EQ(flags.baseCurrency, "人民币");
}

TEST_F(ProfileStore, CategoryHasRowsAndReadProfileNumberGiveNeutralResults)
{
    runNative("INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('GSP','Enabled','1'),"
              "('PL','DaysPerTimeZone','7'),('PL','PlanStartDate','x7')");
    EXPECT_TRUE(CategoryHasRows("GSP"));
    EXPECT_FALSE(CategoryHasRows("GMP"));
    EXPECT_FALSE(CategoryHasRows("G'SP"));
    EXPECT_EQ(ReadProfileNumber("DaysPerTimeZone"), 7.0);
    EXPECT_EQ(ReadProfileNumber("PlanStartDate"), 0.0);
    EXPECT_EQ(ReadProfileNumber("Missing"), 0.0);
}

TEST_F(ProfileStore, UpsertInsertsThenUpdatesAndKeepsQuotesInsideTheValue)
{
    EXPECT_EQ(upsertProfileSql("Imp", "Port", "Tianjin"),
              "IF Exists(select * from t_SystemProfile WHERE  FCategory='Imp' AND Fkey='Port')\r\n"
              "UPDATE  t_SystemProfile SET FValue='Tianjin' WHERE  FCategory='Imp' AND "
              "Fkey='Port'\r\nELSE \r\n INSERT INTO t_SystemProfile(FCategory,FKey,FValue) "
              "Values('Imp','Port','Tianjin')");
    runNative("INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('Exp','Port','x')");
    UpsertProfileValue("Imp", "Port", "Tianjin");
    UpsertProfileValue("Imp", "Port", "O'Hare'); DELETE FROM t_SystemProfile; --");
    EXPECT_EQ(rowsOf("select FCategory,FKey,FValue from t_SystemProfile order by FCategory"),
              "Exp|Port|x;Imp|Port|O'Hare'); DELETE FROM t_SystemProfile; --;");
}

TEST_F(ProfileStore, OptionValueTakesTheLowestIndexAndFallsBackFromANullOverride)
{
    runNative("INSERT INTO icsystemprofile(FID,FCategory,FKey,FValue,FIndex) VALUES"
              "(1,'IC','UseShortNumber','0.00',5),(2,'IC','UseShortNumber','1',9),"
              "(1,'IC','AutoSave','1',1),(1,'IC','Broken','yes',1),(1,'IC','Blank',NULL,1);"
              "INSERT INTO QMUserOption(FUserID,FKey,FValue) VALUES(16394,'AutoSave',NULL),"
              "(16394,'Blank','1'),(7,'UseShortNumber','1')");
    EXPECT_EQ(GetOptionValue("UseShortNumber"), 0);
    EXPECT_EQ(GetOptionValue("AutoSave"), 1);
    EXPECT_EQ(GetOptionValue("Blank"), 1);
    EXPECT_EQ(GetOptionValue("Broken"), -1);
    EXPECT_EQ(GetOptionValue("NoSuchKey"), -1);
    EXPECT_EQ(GetOptionValue("x' OR '1'='1"), -1);
    setLogin("LANGUAGE=chs;");
    EXPECT_EQ(GetOptionValue("AutoSave"), -1);
    setLogin("UserID=7;");
    EXPECT_EQ(GetOptionValue("UseShortNumber"), 1);
}

TEST_F(ProfileStore, CaptionsCompareValuesAsNumbersAndKeepEmailUntranslated)
{
    std::string shown;
    EXPECT_EQ(ProfileCaption("BillStatus", base::Variant("0.00"), shown), "关账状态");
    EXPECT_EQ(shown, "未关账");
    ProfileCaption("AuditChoice", base::Variant("2"), shown);
    EXPECT_EQ(shown, "数量、金额核算");
    ProfileCaption("DisCivilExportSale", base::Variant("abc"), shown);
    EXPECT_EQ(shown, "abc");
    EXPECT_EQ(ProfileCaption("Unknown", base::Variant("v"), shown), "Unknown");
    EXPECT_EQ(shown, "v");
    for (const char *language : {"chs", "CHT", "EN"}) {
        setLogin(std::string("LANGUAGE=") + language + ";");
        EXPECT_EQ(ProfileCaption("CompanyEmail", base::Variant("a@b.c"), shown), "EMAIL");
    }
    EXPECT_EQ(ProfileCaption("UPSTOCKWHENSAVE", base::Variant(0), shown), "Stock update mode");
    EXPECT_EQ(shown, "Update when the bill is approved");
}

TEST_F(ProfileStore, CaptioningSetsTheBaseCurrencyAndForecastRowFlags)
{
    std::string shown;
    ProfileCaption("ProOfBeforeDemandLimit", base::Variant("1"), shown);
    EXPECT_TRUE(profileFlags().forecastStrategyRow);
    ProfileCaption("PobValue0", base::Variant(), shown);
    EXPECT_FALSE(profileFlags().forecastStrategyRow);
    EXPECT_FALSE(profileFlags().showBaseCurrency);
    ProfileCaption("FBWB", base::Variant("1"), shown);
    EXPECT_TRUE(profileFlags().showBaseCurrency);
}
