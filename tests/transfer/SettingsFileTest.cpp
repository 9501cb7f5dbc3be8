#include "support/AccountFixture.h"
#include "support/ServerAccount.h"

#include <nlohmann/json.hpp>

#include "base/Error.h"
#include "suite/AppConnection.h"
#include "transfer/SettingsFile.h"

using namespace orvan;

namespace {

class SettingsFileTest : public test::AccountFixture<>
{
protected:
    void SetUp() override
    {
        AccountFixture::SetUp();
        connectProcess();
    }
};

std::string withoutTime(std::string text)
{
    const auto at = text.find("\"exported\": ");
    return at == std::string::npos ? text : text.erase(at, text.find('\n', at) - at);
}

TEST_F(SettingsFileTest, ExportWritesEveryValueOnALineOfItsOwnInAStableOrder)
{
    connection().Execute("UPDATE t_SystemProfile SET FValue='Orvan Demo \"A\"' WHERE "
                         "FCategory='General' AND FKey='CompanyName'");
    const auto text = transfer::exportSettings({});
    const auto file = nlohmann::json::parse(text);
    EXPECT_EQ(file["format"], "orvan-sysmaintain settings");
    EXPECT_EQ(file["schemaVersion"], transfer::SettingsSchemaVersion);
    EXPECT_EQ(file["company"], "Orvan Demo \"A\"");
    EXPECT_EQ(file["scopes"].get<std::vector<std::string>>(), transfer::settingsScopes());
    const auto &entries = file["entries"];
    ASSERT_GT(entries.size(), 100u);
    size_t lines = 0;
    for (size_t at = text.find("\n    {"); at != std::string::npos;
         at = text.find("\n    {", at + 1))
        ++lines;
    EXPECT_EQ(lines, entries.size()) << "one entry a line";
    EXPECT_NE(
        text.find(
            R"({"table":"t_SystemProfile","key":["IC","CurrentYear"],"field":"FValue","value":"2026"})"),
        std::string::npos);
    EXPECT_NE(text.find(R"({"table":"ICBillType","key":["1"],"field":"FSystemic","value":"1"})"),
              std::string::npos)
        << "yes/no as 1/0";
    EXPECT_NE(
        text.find(
            R"("table":"t_PeriodDate","key":["2026","1"],"field":"FStartDate","value":"2026-01-01"})"),
        std::string::npos)
        << "dates as yyyy-mm-dd";
    EXPECT_EQ(withoutTime(transfer::exportSettings({"all"})), withoutTime(text));
}

TEST_F(SettingsFileTest, ScopesChooseTheTablesAndAnUnknownScopeNamesTheKnownOnes)
{
    const auto file =
        nlohmann::json::parse(transfer::exportSettings({"vouchergroups", "billtypes"}));
    EXPECT_EQ(file["scopes"], nlohmann::json::array({"billtypes", "vouchergroups"}))
        << "in the file's order";
    for (const auto &entry : file["entries"])
        EXPECT_TRUE(entry["table"] == "ICBillType" || entry["table"] == "t_VoucherGroup") << entry;
    try {
        transfer::exportSettings({"options", "colours"});
        FAIL() << "an unknown scope is refused";
    } catch (const base::Error &error) {
        EXPECT_NE(error.description().find("unknown scope colours; the scopes are all, options"),
                  std::string::npos)
            << error.description();
    }
}

TEST_F(SettingsFileTest, AFileAndAServerAccountExportTheSameFile)
{
    ORVAN_REQUIRE_TEST_SERVER();
    test::ServerAccount server;
    const auto fromFile = transfer::exportSettings({});
    component::processState().connection =
        std::make_shared<suite::AppConnection>(server.connectString());
    EXPECT_EQ(withoutTime(transfer::exportSettings({})), withoutTime(fromFile));
}

} // namespace
