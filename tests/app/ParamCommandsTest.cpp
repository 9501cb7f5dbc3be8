#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/Text.h"
#include "support/ProgramRun.h"
#include "support/ProgramSandbox.h"
#include "support/TempAccount.h"

using namespace orvan;

namespace {

// Runs the program on a scratch account with the schema and a few rows, capturing what it
// prints.
class ParamCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_account.runNative(
            "INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('IC','ICClosed','1');"
            "INSERT INTO icsystemprofile(FID,FCategory,FKey,FValue,FIndex) VALUES"
            "(1,'IC','UseShortNumber','1',1),(1,'IC','Off','0',1);");
        m_sandbox.unsetEnv("ORVAN_LOGIN");
    }

    // Exit code and standard output of one run, in a fresh process, with the given login.
    int run(std::vector<std::string> arguments, const std::string &login = "UserID=16394;")
    {
        arguments.insert(arguments.begin(), {"--db", m_account.path(), "--login",
                                             login + "LANGUAGE=" + language + ";"});
        const auto ran = test::runProgramLine(std::move(arguments));
        output = ran.output;
        return ran.exitCode;
    }

    std::string language = "chs";
    std::string output;

private:
    test::TempAccount m_account{test::TempAccount::Content::SchemaOnly};
    test::ProgramSandbox m_sandbox;
};

} // namespace

TEST_F(ParamCommands, TreePrintsOneIndentedLinePerNodeInTheLoginLanguage)
{
    ASSERT_EQ(run({"tree", "--class", "1"}), 0);
    EXPECT_EQ(output, "au1\t账套参数\t1\nau2\t会计期间\t2\n  au21\t当前状态\t201\n"
                      "  au22\t日期表\t202\nau3\t凭证字\t3\n");
    language = "EN";
    ASSERT_EQ(run({"tree", "--class", "0", "--system", "0002"}), 0);
    EXPECT_EQ(output, "sys1\tSystem Settings\t1\nsys4\tPrint Control\t4\n"
                      "sys7\tInventory Accounting\t5\n");
    language = "CHT";
    ASSERT_EQ(run({"tree", "--class", "3"}), 0);
    EXPECT_NE(output.find("  sys1\t系統設置\t11\n"), std::string::npos) << output;
}

TEST_F(ParamCommands, DetailSqlPrintsTheQueryAndNothingElse)
{
    ASSERT_EQ(run({"detail-sql", "0", "25"}), 0);
    EXPECT_EQ(output,
              "SELECT Fvalue,FKey \r\n  FROM t_SystemProfile \r\n WHERE FCategory = 'Imp' \r\n");
    ASSERT_EQ(run({"detail-sql", "1", "201", "--system", "0006", "--help-system", "StdCost"}), 0);
    EXPECT_NE(output.find("And FCategory='StdCost' Order by FKey"), std::string::npos);
    ASSERT_EQ(run({"detail-sql", "0", "3"}), 0);
    EXPECT_EQ(output, "");
}

TEST_F(ParamCommands, OptionGetPrintsTheUsersValueOrMinusOne)
{
    ASSERT_EQ(run({"option", "get", "UseShortNumber"}), 0);
    EXPECT_EQ(output, "1\n");
    run({"option", "get", "Off"});
    EXPECT_EQ(output, "0\n");
    run({"option", "get", "Missing"});
    EXPECT_EQ(output, "-1\n");
    run({"option", "get", "UseShortNumber"}, "SubID=ic;");
    EXPECT_EQ(output, "-1\n");
}

TEST_F(ParamCommands, ProfileSetThenGetRoundTripsValuesWithQuotes)
{
    ASSERT_EQ(run({"profile", "get", "IC", "ICClosed"}), 0);
    EXPECT_EQ(output, "1\n");
    ASSERT_EQ(run({"profile", "get", "IC", "NoSuchKey"}), 0);
    EXPECT_EQ(output, "0\n");
    ASSERT_EQ(run({"profile", "set", "General", "CompanyName", "O'Brien & Co"}), 0);
    EXPECT_EQ(output, "");
    ASSERT_EQ(run({"profile", "get", "General", "CompanyName"}), 0);
    EXPECT_EQ(output, "O'Brien & Co\n");
}

TEST_F(ParamCommands, HistoryListsTheChangesNewestFirstWithTheCommandThatMadeThem)
{
    ASSERT_EQ(run({"history"}), 0);
    EXPECT_EQ(output, "time\tuser\tname\tmachine\ttable\trecord\tfield\told\tnew\taction\n");
    ASSERT_EQ(run({"profile", "set", "IC", "ICClosed", "a\tb"}), 0);
    ASSERT_EQ(run({"profile", "set", "IC", "ICClosed", "0"}, "UserID=7;UserName=Li;"), 0);
    ASSERT_EQ(run({"history", "--key", "icclosed"}), 0);
    const auto lines = base::splitAll(output, "\n");
    ASSERT_EQ(lines.size(), 4u) << output; // heading, two changes, the end
    EXPECT_NE(lines[1].find("\t7\tLi\t"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("\tt_SystemProfile\tIC.ICClosed\tFValue\ta\\tb\t0\tprofile set"),
              std::string::npos)
        << lines[1];
    EXPECT_NE(lines[2].find("\tIC.ICClosed\tFValue\t1\ta\\tb\tprofile set"), std::string::npos)
        << lines[2];
    ASSERT_EQ(run({"history", "--user", "7", "--limit", "1", "--since", "2026/01/01"}), 0);
    EXPECT_EQ(base::splitAll(output, "\n").size(), 3u) << output;
    EXPECT_EQ(run({"history", "--since", "2026-02-30"}), 1);
    EXPECT_EQ(run({"history", "--limit", "0"}), 2) << "a usage error";
    EXPECT_EQ(run({"history", "prune", "--before", "2999-01-01"}), 1)
        << "this account names no administrator";
}

TEST_F(ParamCommands, SettingsExportWritesTheFileOrSaysWhyNot)
{
    const auto file = std::filesystem::temp_directory_path() / "orvan-settings-test.json";
    ASSERT_EQ(run({"settings", "export", file.string(), "--scope", "options,calculation"}), 0);
    std::ifstream in(file);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find(R"("scopes": ["options","calculation"],)"), std::string::npos) << text;
    EXPECT_NE(
        text.find(
            R"({"table":"t_SystemProfile","key":["IC","ICClosed"],"field":"FValue","value":"1"})"),
        std::string::npos)
        << text;
    std::filesystem::remove(file);
    EXPECT_EQ(run({"settings", "export", "-", "--scope", "colours"}), 1);
    EXPECT_EQ(run({"settings", "export", "/nonexistent/folder/s.json"}), 1);
    EXPECT_FALSE(std::filesystem::exists("/nonexistent/folder/s.json.part"));
}

TEST_F(ParamCommands, SettingsImportListsAppliesOrRefusesAsAWhole)
{
    const auto file = std::filesystem::temp_directory_path() / "orvan-import-test.json";
    const auto write = [&file](const std::string &entries) {
        std::ofstream(file) << R"({"format": "orvan-sysmaintain settings", "schemaVersion": 1,)"
                            << R"( "entries": [)" << entries << "]}";
    };
    write(
        R"({"table":"t_SystemProfile","key":["IC","UseShortNumber"],"field":"FValue","value":"0"})");
    ASSERT_EQ(run({"settings", "import", file.string(), "--dry-run"}), 0);
    EXPECT_EQ(output, "table\trecord\tfield\tcurrent\tnew\n"
                      "t_SystemProfile\tIC.UseShortNumber\tFValue\t\t0\n")
        << "the option has no stored value yet";
    ASSERT_EQ(run({"profile", "get", "IC", "UseShortNumber"}), 0);
    EXPECT_EQ(output, "0\n");
    ASSERT_EQ(run({"settings", "import", file.string()}), 0);
    ASSERT_EQ(run({"history", "--key", "UseShortNumber"}), 0);
    EXPECT_NE(output.find("\tsettings import\n"), std::string::npos) << output;

    write(R"({"table":"t_SystemProfile","key":["IC","Off"],"field":"FValue","value":"1"},)"
          R"({"table":"t_SystemProfile","key":["IC","Nowhere"],"field":"FValue","value":"1"})");
    EXPECT_EQ(run({"settings", "import", file.string()}), 1);
    ASSERT_EQ(run({"profile", "get", "IC", "Off"}), 0);
    EXPECT_EQ(output, "0\n") << "nothing of a file with a refused entry is applied";
    std::filesystem::remove(file);
    EXPECT_EQ(run({"settings", "import", file.string()}), 1) << "a missing file";
}

TEST_F(ParamCommands, FindPrintsTheMatchesOrSaysThereAreNone)
{
    ASSERT_EQ(run({"find", "useshort"}), 0);
    EXPECT_EQ(output.substr(0, output.find('\n') + 1), "node\tcaption\tkey\tvalue\n");
    EXPECT_NE(output.find("\tUseShortNumber\t1\n"), std::string::npos) << output;
    EXPECT_EQ(run({"find", "no such words"}), 1);
    EXPECT_EQ(output, "node\tcaption\tkey\tvalue\n");
}
