#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/Error.h"
#include "db/SqliteDatabase.h"
#include "db/Transaction.h"
#include "suite/DemoAccount.h"

using namespace orvan;
namespace fs = std::filesystem;

namespace {

class DemoAccountTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("orvan-demo-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string failureOf(const std::string &path, bool overwrite)
    {
        try {
            suite::writeAccount(path, overwrite);
        } catch (const base::Error &error) {
            return error.description();
        }
        return "written";
    }

    std::string companyName(const std::string &path)
    {
        return db::SqliteDatabase(path)
            .execute("SELECT FValue FROM t_SystemProfile WHERE FKey='CompanyName'")
            ->Fields(0)
            .Value()
            .text();
    }

    fs::path folder;
};

} // namespace

TEST_F(DemoAccountTest, AFolderIsNeverTakenForAnAccountFile)
{
    const auto empty = folder / "empty";
    fs::create_directories(empty);
    EXPECT_NE(failureOf(empty.string(), true).find("is a folder"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(empty)) << "an empty folder is not deleted";

    const auto full = folder / "full";
    fs::create_directories(full);
    std::ofstream(full / "keep.txt") << "data";
    EXPECT_NE(failureOf(full.string(), true).find("is a folder"), std::string::npos);
    EXPECT_TRUE(fs::exists(full / "keep.txt"));
}

TEST_F(DemoAccountTest, AFileInPlaceOfTheFolderIsReportedAndAMissingFolderIsMade)
{
    std::ofstream(folder / "plain") << "x";
    EXPECT_NE(failureOf((folder / "plain" / "a.db").string(), true).find("is a file, not a folder"),
              std::string::npos);
    const auto nested = folder / "new" / "deeper" / "a.db";
    EXPECT_EQ(failureOf(nested.string(), false), "written");
    EXPECT_FALSE(companyName(nested.string()).empty());
}

TEST_F(DemoAccountTest, ReplacingWritesTheNewAccountWholeAndLeavesNothingBeside)
{
    const auto path = (folder / "a.db").string();
    suite::writeAccount(path, false);
    const auto demoName = companyName(path);
    db::SqliteDatabase(path).execute("UPDATE t_SystemProfile SET FValue='changed' WHERE "
                                     "FKey='CompanyName'");
    EXPECT_NE(failureOf(path, false).find("already exists"), std::string::npos);
    EXPECT_EQ(companyName(path), "changed");
    EXPECT_EQ(failureOf(path, true), "written");
    EXPECT_EQ(companyName(path), demoName);
    EXPECT_FALSE(fs::exists(path + ".new"));

    std::ofstream(path, std::ios::trunc) << "not an account";
    EXPECT_EQ(failureOf(path, true), "written") << "a broken file is replaced";
    EXPECT_EQ(companyName(path), demoName);
}

TEST_F(DemoAccountTest, AnAccountAnotherProgramIsWritingToIsNotReplaced)
{
    const auto path = (folder / "a.db").string();
    suite::writeAccount(path, false);
    {
        db::SqliteDatabase writer(path);
        db::Transaction transaction(writer);
        writer.execute("UPDATE t_SystemProfile SET FValue='mine' WHERE FKey='CompanyName'");
        EXPECT_NE(failureOf(path, true).find("is in use"), std::string::npos);
        transaction.commit();
    }
    EXPECT_EQ(companyName(path), "mine") << "the other program's write went into the account";
    EXPECT_FALSE(fs::exists(path + ".new"));
    EXPECT_EQ(failureOf(path, true), "written");
    EXPECT_NE(companyName(path), "mine");
}
