#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "app/LoginSource.h"
#include "component/ConnectionString.h"
#include "component/LoginContext.h"
#include "support/ScopedEnvironment.h"

using namespace orvan;
using namespace orvan::app;

namespace {

// Points the per-user directories at a scratch folder and clears ORVAN_LOGIN.
class LoginSource : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir =
            std::filesystem::temp_directory_path() / ("orvan-login-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
        m_environment.set("XDG_CONFIG_HOME", m_dir.string());
        m_environment.set("XDG_DATA_HOME", m_dir.string());
        m_environment.unset("ORVAN_LOGIN");
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    void writeLoginFile(const std::string &text)
    {
        std::filesystem::create_directories(std::filesystem::path(loginFilePath()).parent_path());
        std::ofstream(loginFilePath()) << text << "\n";
    }
    test::ScopedEnvironment m_environment;
    std::filesystem::path m_dir;
};

std::string entry(const std::string &login, const char *name)
{
    return component::parseLoginPropsText(login).value(name).text();
}

} // namespace

TEST_F(LoginSource, SourcesInOrderOfPrecedence)
{
    const auto fallback = resolveLogin({});
    EXPECT_EQ(entry(fallback, "UserID"), "16394");
    EXPECT_EQ(entry(fallback, "ConnectString"),
              "Provider=SQLite;Data Source=" +
                  (m_dir / "orvan-sysmaintain/demo-account.db").string());

    writeLoginFile("UserID=2;ConnectString=file;");
    EXPECT_EQ(entry(resolveLogin({}), "UserID"), "2");
    m_environment.set("ORVAN_LOGIN", "UserID=3;");
    EXPECT_EQ(entry(resolveLogin({}), "UserID"), "3");
    LoginOptions options;
    options.login = "UserID=4;";
    EXPECT_EQ(entry(resolveLogin(options), "UserID"), "4");
}

TEST_F(LoginSource, DbAndLangReplaceTheirEntriesOfAnyLogin)
{
    LoginOptions options;
    options.login = "UserID=4;ConnectString={Provider=SQLOLEDB;Data Source=srv};SubID=cb;";
    options.database = "/data/acct.db";
    options.language = "EN";
    const auto login = resolveLogin(options);
    EXPECT_EQ(entry(login, "ConnectString"), "Provider=SQLite;Data Source=/data/acct.db");
    EXPECT_EQ(entry(login, "SubID"), "cb");
    EXPECT_EQ(entry(login, "LANGUAGE"), "EN");
    EXPECT_EQ(component::scanLoginPropIn(login, "LANGUAGE"), "EN");
}

TEST_F(LoginSource, AnAccountPathWithSemicolonsOrBracesNamesThatFile)
{
    for (const char *path : {"/data/a;b.db", "/data/c}d.db", "/data/{e}.db", "/data/ f.db"}) {
        LoginOptions options;
        options.database = path;
        const auto connect = entry(resolveLogin(options), "ConnectString");
        EXPECT_EQ(component::parseConnectionString(connect).dataSource, path) << connect;
    }
}

TEST_F(LoginSource, DbTakesAServerAddressAndALoginFileWithAPasswordMustBeTheOwnersAlone)
{
    LoginOptions options;
    options.database = "postgresql://ann@db.local:5433/acct";
    EXPECT_EQ(entry(resolveLogin(options), "ConnectString"),
              "Provider=PostgreSQL;Host=db.local;Port=5433;Database=acct;User ID=ann");

    writeLoginFile("UserID=2;ConnectString={Provider=PostgreSQL;Host=h;Database=a;Password=pw};");
    auto warningFor = [](std::filesystem::perms perms) {
        std::filesystem::permissions(loginFilePath(), perms);
        testing::internal::CaptureStderr();
        resolveLogin({});
        return testing::internal::GetCapturedStderr();
    };
    using std::filesystem::perms;
    EXPECT_NE(
        warningFor(perms::owner_read | perms::owner_write | perms::group_read).find("chmod 600"),
        std::string::npos);
    EXPECT_EQ(warningFor(perms::owner_read | perms::owner_write), "");
}
