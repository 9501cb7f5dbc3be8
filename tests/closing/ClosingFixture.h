#pragma once

#include <memory>
#include <string>
#include <vector>

#include "closing/BillClosingDialog.h"
#include "component/ComponentRegistry.h"
#include "component/CostComponents.h"
#include "component/PublicClasses.h"
#include "db/SqliteDatabase.h"
#include "forms/Help.h"
#include "suite/CostCommon.h"
#include "support/AccountFixture.h"

namespace orvan::test {

// The cost component over the account, recording which checks were asked for.
class RecordingCostCommon : public suite::CostCommon
{
public:
    bool CheckCurVer(const std::string &props, int32_t period, int32_t year,
                     const std::string &beginDate, const std::string &endDate,
                     std::string &message) override
    {
        calls.push_back("CheckCurVer " + std::to_string(year) + "/" + std::to_string(period) + " " +
                        beginDate + " " + endDate);
        return CostCommon::CheckCurVer(props, period, year, beginDate, endDate, message);
    }
    bool CheckCurCre(const std::string &props, int32_t period, int32_t year,
                     const std::string &beginDate, const std::string &endDate,
                     std::string &message) override
    {
        calls.push_back("CheckCurCre " + std::to_string(year) + "/" + std::to_string(period) + " " +
                        beginDate + " " + endDate);
        return CostCommon::CheckCurCre(props, period, year, beginDate, endDate, message);
    }
    std::vector<std::string> calls;
};

// The demo account (current period 2026/12) with the stand-ins and the public classes,
// scripted messages and a scripted shell; the help topics shown are recorded.
class ClosingFixture : public AccountFixture<>
{
protected:
    void SetUp() override
    {
        AccountFixture::SetUp();
        auto &registry = component::ComponentRegistry::instance();
        component::registerPublicClasses(registry);
        registry.add(component::ProgId::CostCommon, [this] { return costCommon; });
        forms::setHelpViewer(help);
    }

    // Runs a batch on the account (another program's connection).
    db::RecordsetPtr sql(const std::string &batch)
    {
        db::SqliteDatabase account(accountPath);
        return account.execute(batch);
    }

    std::string profileValue(const std::string &key)
    {
        auto rows =
            sql("SELECT FValue FROM t_SystemProfile WHERE FCategory='IC' AND FKey='" + key + "'");
        return rows->isEOF() ? "<missing>" : rows->Fields(0).Value().text();
    }

    void setProfileValue(const std::string &key, const std::string &value)
    {
        sql("UPDATE t_SystemProfile SET FValue='" + value + "' WHERE FCategory='IC' AND FKey='" +
            key + "'");
    }

    // Sets NotGetCreToClose and NotVerBillToClose.
    void allowClosing(const std::string &withoutVoucher, const std::string &unverified)
    {
        setProfileValue("NotGetCreToClose", withoutVoucher);
        setProfileValue("NotVerBillToClose", unverified);
    }

    bool enabled(const closing::BillClosingDialog &window, const char *key)
    {
        return window.button(key)->enabled;
    }

    // The ids of the help topics shown, in order.
    std::vector<int32_t> helpIds() const
    {
        std::vector<int32_t> ids;
        for (const auto &topic : help->topics())
            ids.push_back(topic.helpId);
        return ids;
    }

    std::shared_ptr<RecordingCostCommon> costCommon = std::make_shared<RecordingCostCommon>();
    std::shared_ptr<forms::RecordedHelp> help = std::make_shared<forms::RecordedHelp>();
};

} // namespace orvan::test
