// Long writes killed at random moments: a child process runs the command on a copy of a
// large account and is killed with SIGKILL; the account must hold all of the change or
// none of it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include "app/Program.h"
#include "support/ProgramSandbox.h"
#include "support/ScopedEnvironment.h"
#include "support/TempAccount.h"

using namespace orvan;
using Clock = std::chrono::steady_clock;

namespace {

// Thousands of plan rows, demands and template columns: enough for the writes to take
// a while.
void enlarge(const test::TempAccount &account)
{
    account.runNative(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<20000) "
        "INSERT INTO PLMPS(FPlanInterID,FItemNumber,FItemName,FTimeZone,FStartDate,FEndDate,FQty)"
        " SELECT p.FPlanInterID, p.FItemNumber||'.'||i, p.FItemName, p.FTimeZone, p.FStartDate,"
        " p.FEndDate, i FROM PLMPS p, n WHERE p.FInterID=(SELECT MIN(FInterID) FROM PLMPS);"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<20000) "
        "INSERT INTO PLMPSReq(FPlanInterID,FItemNumber,FDate,FQty,FUnfilledQty)"
        " SELECT 1, 'R.'||i, '2026-12-01', i, i FROM n;"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<40000) "
        "INSERT INTO ICChatBillTitle(FTypeID,FInterID,FColName,FVisible,FVisForQuest,"
        "FVisForOrder) SELECT 1, 100000+i, 'FSECQTY', 0, 0, 0 FROM n;");
}

class KillDuringWrite : public ::testing::Test
{
protected:
    void SetUp() override
    {
        enlarge(m_pristine);
        m_work = m_pristine.path() + ".work.db";
        m_environment.set("XDG_CONFIG_HOME", m_pristine.path() + ".config");
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            m_environment.unset(name);
    }
    void TearDown() override
    {
        removeWork();
        std::filesystem::remove_all(m_pristine.path() + ".config");
    }

    void removeWork()
    {
        for (const char *suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(m_work + suffix);
    }

    // Runs the program with arguments on a fresh copy; kills it after the delay (none: it
    // runs to its end). Returns how long it ran.
    Clock::duration runOnCopy(std::vector<std::string> arguments,
                              std::optional<Clock::duration> killAfter)
    {
        removeWork();
        std::filesystem::copy_file(m_pristine.path(), m_work);
        arguments.insert(arguments.begin(), {"orvan-sysmaintain", "--db", m_work});
        const auto started = Clock::now();
        const pid_t child = ::fork();
        if (child == 0) {
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, 1);
            ::dup2(quiet, 2);
            std::vector<char *> argv;
            for (auto &argument : arguments)
                argv.push_back(argument.data());
            argv.push_back(nullptr);
            ::_exit(app::runProgram(static_cast<int>(argv.size()) - 1, argv.data()));
        }
        if (killAfter) {
            std::this_thread::sleep_for(*killAfter);
            ::kill(child, SIGKILL);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!killAfter) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << arguments.back();
        }
        return Clock::now() - started;
    }

    // The command runs once to its end, then is killed at random moments within that
    // time; after each kill the state must be the one before or the one after.
    template <class State>
    void checkKills(const std::vector<std::string> &arguments, State stateOf)
    {
        removeWork();
        std::filesystem::copy_file(m_pristine.path(), m_work);
        const auto before = stateOf(m_work);
        const auto duration = runOnCopy(arguments, std::nullopt);
        const auto after = stateOf(m_work);
        ASSERT_NE(before, after) << arguments.back() << " changed nothing";
        std::mt19937 random(20261207);
        std::uniform_int_distribution<long> moment(
            0, std::chrono::duration_cast<std::chrono::microseconds>(duration).count());
        for (int kill = 0; kill < 8; ++kill) {
            const std::chrono::microseconds delay(moment(random));
            runOnCopy(arguments, delay);
            const auto state = stateOf(m_work);
            EXPECT_TRUE(state == before || state == after)
                << arguments.back() << " killed after " << delay.count() << " us: " << state;
        }
    }

    static std::string value(const std::string &path, const std::string &sql)
    {
        return db::SqliteDatabase(path).execute(sql)->Fields(0).Value().text();
    }

    test::TempAccount m_pristine;
    test::ScopedEnvironment m_environment;
    std::string m_work;
};

} // namespace

TEST_F(KillDuringWrite, PlansCleanDeletesTheThreeTablesTogether)
{
    checkKills(std::vector<std::string>{"plans", "clean"}, [](const std::string &path) {
        return value(path, "SELECT COUNT(*) FROM PLMPSPlan") + "/" +
               value(path, "SELECT COUNT(*) FROM PLMPS") + "/" +
               value(path, "SELECT COUNT(*) FROM PLMPSReq");
    });
}

TEST_F(KillDuringWrite, PlansAdjustMovesEveryZoneAndClearsTheDemandsTogether)
{
    checkKills(std::vector<std::string>{"plans", "adjust"}, [](const std::string &path) {
        return value(path, "SELECT COUNT(*) FROM PLMPSReq") + "/" +
               value(path, "SELECT MIN(FStartDate)||MAX(FEndDate) FROM PLMPS");
    });
}

TEST_F(KillDuringWrite, AnOptionChangeRewritesEveryTemplateColumnWithTheOption)
{
    const std::string script = m_pristine.path() + ".script";
    std::ofstream(script) << "show 0\nclick sys3\noption SecUnit 1\nclose\n";
    checkKills(std::vector<std::string>{"script", script}, [](const std::string &path) {
        return value(path, "SELECT FValue FROM t_SystemProfile WHERE FKey='SecUnit'") + "/" +
               value(path, "SELECT COUNT(*) FROM ICChatBillTitle WHERE FColName='FSECQTY' "
                           "AND FVisible=1");
    });
    std::filesystem::remove(script);
}
