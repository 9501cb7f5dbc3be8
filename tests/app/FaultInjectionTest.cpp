// Each representative change is run again and again on a fresh copy of the demo account
// with one file operation failing: the first write, the second, ... to the last one the
// change makes, then the same for syncs and locks. Every time the account must be
// exactly as before (or, for a failed sync after the commit was written, exactly as
// after the change) and the user must have been told.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "FaultyFiles.h"
#include "app/ProgramContext.h"
#include "app/ScriptRunner.h"
#include "app/ScriptTarget.h"
#include "support/ProgramSandbox.h"
#include "support/TempAccount.h"

using namespace orvan;
using test::FaultyFiles;

namespace {

// A value written with the time of the run ("2026-12-07 01:18:06") stands for any time.
std::string withoutTimes(std::string value)
{
    static const std::regex time(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}(\.\d+)?)");
    return std::regex_replace(value, time, "<time>");
}

// Every row of every table, as text.
std::string contentOf(const std::string &path)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::string content;
    auto append = [](void *text, int columns, char **values, char **) {
        auto &out = *static_cast<std::string *>(text);
        for (int i = 0; i < columns; ++i)
            out += (values[i] ? withoutTimes(values[i]) : "NULL") + std::string("\x1f");
        out += '\n';
        return 0;
    };
    std::vector<std::string> tables;
    sqlite3_exec(
        db, "SELECT name FROM sqlite_master WHERE type='table' ORDER BY name",
        [](void *names, int, char **values, char **) {
            static_cast<std::vector<std::string> *>(names)->push_back(values[0]);
            return 0;
        },
        &tables, nullptr);
    for (const auto &table : tables) {
        content += "[" + table + "]\n";
        const std::string sql = "SELECT * FROM \"" + table + "\"";
        if (sqlite3_exec(db, sql.c_str(), append, &content, nullptr) != SQLITE_OK)
            content += std::string("unreadable: ") + sqlite3_errmsg(db) + "\n";
    }
    sqlite3_close(db);
    return content;
}

// A change as script lines: those that open the window, the one that makes the change,
// and those that close the window again.
struct Change
{
    const char *name;
    std::string opening;
    std::string change;
    std::string closing;
    // A table the change may leave written when it stops: a state the program also
    // reaches when the change is refused ("" for none).
    std::string keptOnRefusal = "";
};

// The content without one table's rows.
std::string withoutTable(const std::string &content, const std::string &table)
{
    if (table.empty())
        return content;
    const auto start = content.find("[" + table + "]\n");
    if (start == std::string::npos)
        return content;
    const auto end = content.find("\n[", start + 1);
    return content.substr(0, start) + (end == std::string::npos ? "" : content.substr(end + 1));
}

class FaultInjection : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_config = m_pristine.path() + ".config";
        m_sandbox.setEnv("XDG_CONFIG_HOME", m_config);
        m_work = m_pristine.path() + ".work.db";
        app::registerScriptCommand(
            "fault", [this](const app::ScriptCommand &command, std::ostream &, std::string &) {
                if (command.rest == "count")
                    m_faults.count();
                else if (command.rest == "off")
                    m_faults.disarm();
                else
                    m_faults.arm(m_operation, m_failAt);
                return true;
            });
    }
    void TearDown() override
    {
        std::filesystem::remove_all(m_config);
        removeWork();
    }

    void removeWork()
    {
        for (const char *suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(m_work + suffix);
    }

    // Runs the change on a fresh copy of the account; the output of the script.
    std::string runOnCopy(const Change &change, const char *armLine)
    {
        removeWork();
        std::filesystem::copy_file(m_pristine.path(), m_work);
        test::ProgramSandbox program;
        app::ProgramContext context;
        context.login.login = "UserID=16394;SubID=;LANGUAGE=" + m_language + ";";
        context.login.database = m_work;
        std::istringstream in(change.opening + armLine + "\n" + change.change + "fault off\n" +
                              change.closing);
        std::ostringstream out;
        app::ScriptRunner runner(in, out, context);
        runner.run();
        m_faults.disarm();
        return out.str();
    }

    void checkEveryFault(const Change &change)
    {
        // The window's own start-up writes are part of "before".
        runOnCopy({change.name, change.opening, "", change.closing}, "fault off");
        const std::string before = contentOf(m_work);
        const std::string cleanOutput = runOnCopy(change, "fault count");
        const std::string after = contentOf(m_work);
        ASSERT_NE(after, before) << change.name << " changed nothing:\n" << cleanOutput;
        int struck = 0;
        for (const auto operation : FaultyFiles::Operations) {
            const int total = m_faults.counted(operation);
            for (int k = 1; k <= total; ++k) {
                m_operation = operation;
                m_failAt = k;
                const std::string output = runOnCopy(change, "fault arm");
                const std::string where = std::string(change.name) + ", " +
                                          test::nameOf(operation) + " " + std::to_string(k) +
                                          " of " + std::to_string(total);
                if (!m_faults.failed())
                    continue; // locks taken fewer times on this run
                ++struck;
                const std::string content = contentOf(m_work);
                if (content == after)
                    continue; // the failure came after the commit had reached the file
                EXPECT_TRUE(withoutTable(content, change.keptOnRefusal) ==
                            withoutTable(before, change.keptOnRefusal))
                    << where << ": the account changed at " << firstDifference(content, before)
                    << "\n"
                    << output;
                EXPECT_NE(output, cleanOutput) << where << ": the user was not told";
                EXPECT_EQ(timesTold(output), 1) << where << "\n" << output;
            }
        }
        EXPECT_GE(struck, m_faults.counted(FaultyFiles::Operation::Write)) << change.name;
    }

    // The first line where two contents differ, with the table it belongs to.
    static std::string firstDifference(const std::string &left, const std::string &right)
    {
        std::istringstream a(left);
        std::istringstream b(right);
        std::string table;
        for (std::string lineA, lineB; std::getline(a, lineA);) {
            std::getline(b, lineB);
            if (lineA.starts_with("["))
                table = lineA;
            if (lineA != lineB)
                return table + " " + lineA + " instead of " + lineB;
        }
        return "the end";
    }

    // How often the output tells of the failed file operation, in English (the engine's
    // words) or in the login's language.
    static int timesTold(const std::string &output)
    {
        int times = 0;
        for (const std::string words : {"could not be written", "无法写入"})
            for (size_t at = output.find(words); at != std::string::npos;
                 at = output.find(words, at + 1))
                ++times;
        return times;
    }

    test::TempAccount m_pristine;
    test::ProgramSandbox m_sandbox;
    std::string m_config;
    std::string m_work;
    FaultyFiles m_faults;
    FaultyFiles::Operation m_operation = FaultyFiles::Operation::Write;
    int m_failAt = 0;
    std::string m_language = "chs";
};

} // namespace

TEST_F(FaultInjection, AnOptionChangeWithItsTemplateRewrites)
{
    checkEveryFault({"option SecUnit", "show 0\nclick sys3\n", "option SecUnit 1\n", "close\n"});
}

TEST_F(FaultInjection, ABillTypeSave)
{
    checkEveryFault({"bill type save",
                     "show 0\nclick sys9\nrow 9\ntool Modify\ncell 2 4 新的备注\n", "tool Save\n",
                     "answer 2\nclose\nclose\n"});
}

TEST_F(FaultInjection, TheReasonIsToldInTheLoginsLanguage)
{
    const Change save{"bill type save", "show 0\nclick sys9\nrow 9\ntool Modify\ncell 2 4 x\n",
                      "tool Save\n", "answer 2\nclose\nclose\n"};
    m_operation = FaultyFiles::Operation::Write;
    m_failAt = 1;
    for (const auto &[language, reason] : std::vector<std::pair<std::string, std::string>>{
             {"EN", "| The account could not be written (a disk error, or the disk is full): "
                    "the change was not saved."},
             {"CHT", "| 賬套無法寫入（磁盤錯誤或磁盤已滿），本次修改未保存。"}}) {
        m_language = language;
        const std::string output = runOnCopy(save, "fault arm");
        EXPECT_NE(output.find(reason), std::string::npos) << language << "\n" << output;
    }
}

TEST_F(FaultInjection, ANumberingRuleSave)
{
    // Without the save the editor's close is answered No: it would save too.
    checkEveryFault({"numbering rule save", "show 0\nclick sys2\nrow 2\ntool Modify\nrule 1 2 WX\n",
                     "tool Save\n", "answer 2\nclose\nclose\n"});
}

TEST_F(FaultInjection, ClosingTheBillPeriod)
{
    m_pristine.run("UPDATE t_SystemProfile SET FValue='1' WHERE FCategory='IC' "
                   "AND FKey IN ('NotVerBillToClose','NotGetCreToClose')");
    // The positions are saved before the checks, as when the checks refuse the close.
    checkEveryFault(
        {"bill closing", "closebill\n", "tool Close\n", "tool Exit\n", "ICBillPosData"});
}
