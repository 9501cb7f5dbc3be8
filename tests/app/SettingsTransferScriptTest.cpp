#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScriptRun.h"

using namespace orvan;

namespace {

// File > Export settings and File > Import settings, played by scripts on both engines.
class SettingsTransferScript : public ::testing::TestWithParam<test::Engine>
{
protected:
    void SetUp() override
    {
        if (GetParam() == test::Engine::Server)
            ORVAN_REQUIRE_TEST_SERVER();
        m_account = std::make_unique<test::EngineAccount>(GetParam());
        m_file = m_account->scratchName() + ".settings.json";
    }
    void TearDown() override { std::filesystem::remove(m_file); }

    std::string run(const std::string &script)
    {
        const auto ran =
            test::runScript(*m_account, "UserID=16394;SubID=;LANGUAGE=" + language + ";", script);
        m_exitCode = ran.exitCode;
        return ran.output;
    }

    std::string exportLines() const
    {
        return "show 0\nmenu File.ExportSettings\nfile " + m_file.string() +
               "\nscope periods off\ntool Export\ndump transfer\nclose\nclose\n";
    }

    std::string language = "chs";
    std::unique_ptr<test::EngineAccount> m_account;
    std::filesystem::path m_file;
    int m_exitCode = -1;
};

} // namespace

TEST_P(SettingsTransferScript, ExportThenCheckAndImportAChangedValue)
{
    auto out = run(exportLines());
    ASSERT_EQ(m_exitCode, 0) << out;
    EXPECT_NE(out.find("SCOPE periods off\nSTATUS 已导出"), std::string::npos) << out;

    m_account->run("UPDATE t_SystemProfile SET FValue = '9' WHERE FKey = 'QMCheckDecimal'");
    const std::string import = "show 0\nclick sys9\nmenu File.ImportSettings\nfile " +
                               m_file.string() + "\ndump transfer\ntool Check\ndump transfer\n";
    out = run(import + "tool Import\ndump transfer\nclose\nclose\n");
    ASSERT_EQ(m_exitCode, 0) << out;
    EXPECT_NE(out.find("表|记录|字段|当前值|新值|说明|\nAPPLY disabled\n"), std::string::npos)
        << "nothing to apply before the check:\n"
        << out;
    EXPECT_NE(out.find("t_SystemProfile|IC.QMCheckDecimal|FValue|9|2||\nAPPLY enabled\n"
                       "STATUS 将修改1个值，可以导入。\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("APPLY disabled\nSTATUS 已导入1个值。\n"), std::string::npos) << out;
    EXPECT_EQ(m_account->value("SELECT FValue FROM t_SystemProfile WHERE FKey = 'QMCheckDecimal'"),
              "2");
}

TEST_P(SettingsTransferScript, ARefusedValueKeepsImportDisabledInEnglishToo)
{
    run(exportLines());
    m_account->run("DELETE FROM ICBillNo WHERE FBillID = 1");
    language = "en";
    const auto out = run("show 0\nmenu File.ImportSettings\nfile " + m_file.string() +
                         "\ntool Check\ndump transfer\ntool Import\nclose\nclose\n");
    EXPECT_NE(out.find("Table|Record|Field|Current value|New value|Note|"), std::string::npos)
        << out;
    EXPECT_NE(out.find("Refused: The account has no such record."), std::string::npos) << out;
    EXPECT_NE(out.find("APPLY disabled\nSTATUS "), std::string::npos) << out;
    EXPECT_NE(out.find("values are refused; nothing can be imported."), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(Engines, SettingsTransferScript,
                         ::testing::Values(test::Engine::File, test::Engine::Server),
                         [](const auto &info) { return test::engineName(info.param); });
