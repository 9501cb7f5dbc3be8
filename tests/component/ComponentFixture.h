#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "component/ComponentRegistry.h"
#include "component/OutsideComponents.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"
#include "component/PublicClasses.h"
#include "forms/Messages.h"
#include "support/ProcessSandbox.h"

namespace orvan::test {

class FakeRights : public component::RightsComponent
{
public:
    bool AccessCheck(int32_t objectId, int32_t rightId, int32_t mask) override
    {
        calls.push_back({objectId, rightId, mask});
        return grant;
    }
    bool grant = true;
    std::vector<std::array<int32_t, 3>> calls;
};

class FakeProps : public component::SharedPropsComponent
{
public:
    explicit FakeProps(const std::string *text)
        : m_text(text)
    {}
    base::Variant GetProperty(int32_t, const std::string &) override
    {
        return base::Variant(*m_text);
    }

private:
    const std::string *m_text;
};

class FakeConnection : public component::ConnectionComponent
{
public:
    void Open(const std::string &) override {}
    std::shared_ptr<db::Recordset> Execute(const std::string &) override { return nullptr; }
    int32_t GetICMaxNum(const std::string &) override { return 1; }
    void callProcedure(const std::string &, std::vector<db::ProcedureParameter> &) override {}
    void BeginTrans() override {}
    void CommitTrans() override {}
    void RollbackTrans() override {}
};

class FakeHelp : public component::HelpComponent
{
public:
    void ShowHELP(int32_t helpId, int32_t reserved, const std::string &helpName, int32_t third,
                  const std::string &helpSystem, int32_t fifth) override
    {
        calls.push_back(std::to_string(helpId) + "|" + std::to_string(reserved) + "|" + helpName +
                        "|" + std::to_string(third) + "|" + helpSystem + "|" +
                        std::to_string(fifth));
    }
    std::vector<std::string> calls;
};

// A fresh process: public classes and fakes registered, scripted messages installed.
class ComponentFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto &registry = component::ComponentRegistry::instance();
        component::registerPublicClasses(registry);
        registry.add(component::ProgId::SharedProps,
                     [this] { return std::make_shared<FakeProps>(&login); });
        registry.add(component::ProgId::Rights, [this] { return rights; });
        registry.add(component::ProgId::Help, [this] { return help; });
        registry.add(component::ProgId::Connection,
                     [] { return std::make_shared<FakeConnection>(); });
        forms::setMessages(messages);
    }

    ProcessSandbox sandbox;
    std::string login = "ConnectString={Provider=SQLite;Data Source=/tmp/a.db};UserID=16394;"
                        "SubID=ic;LANGUAGE=chs;";
    std::shared_ptr<FakeRights> rights = std::make_shared<FakeRights>();
    std::shared_ptr<FakeHelp> help = std::make_shared<FakeHelp>();
    std::shared_ptr<forms::ScriptedMessages> messages = std::make_shared<forms::ScriptedMessages>();
};

} // namespace orvan::test
