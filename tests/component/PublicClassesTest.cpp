#include "component/ComponentFixture.h"

#include "base/Error.h"
#include "component/Interface.h"
#include "component/SysEnum.h"
#include "component/SysFace.h"
#include "component/TypeLibrary.h"
#include "component/clsDelPlan.h"
#include "support/ErrorNumber.h"

using namespace orvan;
using namespace orvan::component;
using base::InvokeKind;
using base::Variant;

using test::errorNumberOf;

class PublicClasses : public test::ComponentFixture
{
protected:
    void SetUp() override
    {
        ComponentFixture::SetUp();
        processState().hooks.runMaintenanceWindow = [this] {
            windowRuns.push_back(processState().sysClass);
        };
    }
    std::vector<int32_t> windowRuns;
};

TEST_F(PublicClasses, ShowSystemClassChecksRightsUnlessCalledFromCb)
{
    auto face = std::make_shared<SysFace>();
    face->m_bPrintControl = true;

    rights->grant = false;
    EXPECT_TRUE(face->Show(sys_sysparameter, 7, "Sys").isEmpty());
    EXPECT_TRUE(windowRuns.empty());
    ASSERT_EQ(rights->calls.size(), 1u);
    EXPECT_EQ(rights->calls[0], (std::array<int32_t, 3>{1099, 1, 0x400000}));
    EXPECT_EQ(messages->shown().size(), 1u);
    EXPECT_FALSE(processState().printControl);

    for (const char *subId : {"cb", "CB", "Cb"}) {
        login = std::string("ConnectString=x;UserID=1;SubID=") + subId + ";";
        face->Show(sys_sysparameter, 7, "Sys");
    }
    EXPECT_EQ(rights->calls.size(), 1u);
    EXPECT_EQ(windowRuns, (std::vector<int32_t>{0, 0, 0}));
    EXPECT_EQ(processState().classTypeId, 7);
    EXPECT_TRUE(processState().printControl);
    EXPECT_EQ(processState().connectString, "x");
    EXPECT_EQ(processState().helpSystem, "Sys");
}

TEST_F(PublicClasses, ShowOtherClassesKeepEarlierHandOverValues)
{
    SysFace face;
    face.m_bPrintControl = true;
    face.Show(sys_sysparameter, 42);
    face.m_bPrintControl = false;
    face.Show(sys_planparameter, 99);
    EXPECT_EQ(windowRuns, (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(processState().classTypeId, 42);
    EXPECT_TRUE(processState().printControl);
}

TEST_F(PublicClasses, ShowOutOfRangeOpensNothingButRecordsLoginValues)
{
    SysFace face;
    for (int32_t itemClass : {6, -1}) {
        processState().connectString.clear();
        face.Show(itemClass, 0, "Help");
        EXPECT_EQ(processState().connectString, "Provider=SQLite;Data Source=/tmp/a.db");
        EXPECT_EQ(processState().helpSystem, "Help");
    }
    EXPECT_TRUE(windowRuns.empty());
    EXPECT_TRUE(rights->calls.empty());
}

TEST_F(PublicClasses, CloseBillRunsTheWindowOnlyWithTheRight)
{
    processState().hooks.runCloseBillWindow = [] { return 118; };
    Interface closer;
    EXPECT_EQ(closer.CloseBill(), 118);
    EXPECT_EQ(rights->calls.back(), (std::array<int32_t, 3>{1002, 31, 0x400000}));
    EXPECT_TRUE(messages->shown().empty());

    rights->grant = false;
    EXPECT_EQ(closer.CloseBill(), 0);
    ASSERT_EQ(messages->shown().size(), 1u);
    const auto &shown = messages->shown()[0];
    EXPECT_EQ(shown.kind, forms::ShownMessage::Kind::MsgBox);
    EXPECT_EQ(shown.text, "对不起，您没有相应的权限！");
    EXPECT_EQ(shown.title, "Tessel提示");
    EXPECT_EQ(shown.icon, forms::Icon::Information);
}

TEST_F(PublicClasses, MissingComponentsAreReportedNotRaised)
{
    ComponentRegistry::instance().remove(ProgId::Rights);
    Interface closer;
    EXPECT_EQ(closer.CloseBill(), 0);
    SysFace face;
    EXPECT_NO_THROW(face.Show(sys_sysparameter));
    EXPECT_TRUE(windowRuns.empty());
    EXPECT_EQ(messages->shown().size(), 2u);
    EXPECT_EQ(face.GetOptionValue("Anything"), -1);
}

TEST_F(PublicClasses, LateBoundCallsReachTheSameMembers)
{
    auto object = ComponentRegistry::instance().create("orvansysmaintain.sysface");
    object->invoke("SystemID", InvokeKind::PropertyPut, {Variant("0003")});
    EXPECT_EQ(processState().systemId, "0003");
    object->invoke(DispIds::SysFace_m_bPrintControl, InvokeKind::PropertyPut, {Variant("True")});
    EXPECT_TRUE(object->invoke("M_BPRINTCONTROL", InvokeKind::PropertyGet).toBool());
    EXPECT_TRUE(object->invoke("Show", InvokeKind::Method, {Variant("3")}).isEmpty());
    object->invoke(DispIds::SysFace_Show, InvokeKind::Method, {Variant(int32_t(4))});
    EXPECT_EQ(windowRuns, (std::vector<int32_t>{3, 4}));

    processState().hooks.readOptionValue = [](const std::string &key) {
        return key == "Known" ? 1 : -1;
    };
    EXPECT_EQ(
        object->invoke(DispIds::SysFace_GetOptionValue, InvokeKind::Method, {Variant("Known")})
            .toLong(),
        1);

    EXPECT_EQ(errorNumberOf([&] { object->invoke("SystemID", InvokeKind::PropertyGet); }),
              base::ErrorNumber::ObjectDoesNotSupport);
    EXPECT_EQ(errorNumberOf([&] { object->invoke("Show"); }), 449);
    EXPECT_EQ(
        errorNumberOf([&] {
            object->invoke("GetOptionValue", InvokeKind::Method, {Variant("a"), Variant("b")});
        }),
        base::ErrorNumber::WrongArgumentCount);
    EXPECT_EQ(errorNumberOf([&] { object->invoke(0x12345); }),
              base::ErrorNumber::ObjectDoesNotSupport);

    auto closer = ComponentRegistry::instance().create("OrvanSysMaintain.Interface");
    EXPECT_EQ(closer->invoke(DispIds::Interface_CloseBill).toLong(), 0);
}

TEST_F(PublicClasses, RegistryCreatesByProgIdOrFailsLikeAMissingInstallation)
{
    for (const char *progId :
         {"OrvanSysMaintain.SysFace", "OrvanSysMaintain.Interface", "OrvanSysMaintain.clsDelPlan",
          "OrvanSysMaintain.SysEnum", "OrvanSysMaintain.BillCodeRule"})
        EXPECT_NE(ComponentRegistry::instance().create(progId), nullptr) << progId;
    EXPECT_EQ(errorNumberOf([] { ComponentRegistry::instance().create("Kanban.NotThere"); }),
              base::ErrorNumber::CannotCreateObject);
    EXPECT_EQ(errorNumberOf([] {
                  ComponentRegistry::instance().createAs<RightsComponent>(
                      "OrvanSysMaintain.SysEnum");
              }),
              430);
}

TEST_F(PublicClasses, TypeLibraryDescribesTheRegisteredInterface)
{
    const auto &library = typeLibrary();
    EXPECT_EQ(library.libid, "0EE10296-461C-42AA-8598-799DFBF709D2");
    EXPECT_EQ(library.helpString, "Orvan System Manager");
    const auto &face = publicClass("SysFace");
    EXPECT_EQ(face.clsid, "64878F97-CA2B-438E-954B-CB53803EFA1F");
    const auto *show = face.defaultInterface.find("Show");
    ASSERT_NE(show, nullptr);
    EXPECT_EQ(show->id, 0x60030002);
    ASSERT_EQ(show->params.size(), 3u);
    EXPECT_EQ(show->params[0].typeName, "Enu_SysClass");
    EXPECT_TRUE(show->params[1].optional);
    EXPECT_EQ(show->params[1].defaultValue.toLong(), 0);
    const auto &plan = publicClass("clsDelPlan");
    EXPECT_EQ(plan.eventInterface.iid, "C6C4B254-F1E8-4D93-95F2-DDEACA98ACDE");
    EXPECT_EQ(plan.eventInterface.members.at(3).name, "SetAdjustImage");
    const auto *sysClass = library.findEnum("Enu_SysClass");
    ASSERT_NE(sysClass, nullptr);
    EXPECT_EQ(sysClass->values.at(5), (std::pair<std::string, int32_t>{"sys_arapParameter", 5}));
    EXPECT_EQ(library.findEnum("Enu_AdjustPlan")->values.at(1).second, ByTZCount);
}

TEST_F(PublicClasses, SharedConnectionLivesUntilTheLastSysFaceIsReleased)
{
    auto first = std::make_unique<SysFace>();
    ASSERT_NE(processState().connection, nullptr);
    auto second = std::make_unique<SysFace>();
    first.reset();
    EXPECT_NE(processState().connection, nullptr);
    second.reset();
    EXPECT_EQ(processState().connection, nullptr);
    SysFace third;
    EXPECT_NE(processState().connection, nullptr);
}

namespace {

class RecordingSink : public clsDelPlanEvents
{
public:
    void SetBarMax(int16_t max) override { log += "max" + std::to_string(max) + ";"; }
    void SetBarVal(int16_t val) override { log += "val" + std::to_string(val) + ";"; }
    void SetLabel(const std::string &info) override { log += "label:" + info + ";"; }
    void SetAdjustImage(bool adjust) override { log += adjust ? "image1;" : "image0;"; }
    void EndBar() override { log += "end;"; }
    std::string log;
};

// A late-bound host: answers every dispatch id and records it.
class LateBoundSink : public base::Object
{
public:
    std::vector<base::DispId> ids;

protected:
    Variant dispatch(base::DispId id, InvokeKind, std::vector<Variant> &) override
    {
        ids.push_back(id);
        return {};
    }
};

} // namespace

TEST_F(PublicClasses, PlanCleanupEventsReachTypedAndLateBoundSinks)
{
    auto plan = std::make_shared<clsDelPlan>();
    auto typed = std::make_shared<RecordingSink>();
    auto lateBound = std::make_shared<LateBoundSink>();
    plan->advise(typed);
    plan->advise(lateBound);
    processState().hooks.cleanTablesOfPlan = [](clsDelPlan &cleaner) {
        cleaner.raiseSetAdjustImage(cleaner.adjusting());
        cleaner.raiseSetBarMax(3);
        cleaner.raiseSetLabel("清除");
        cleaner.raiseSetBarVal(1);
        cleaner.raiseEndBar();
    };
    plan->invoke("ifAdjust", InvokeKind::PropertyPut, {Variant(true)});
    plan->invoke(DispIds::clsDelPlan_CleanTablesOfPlan);
    EXPECT_EQ(typed->log, "image1;max3;label:清除;val1;end;");
    EXPECT_EQ(lateBound->ids, (std::vector<base::DispId>{4, 1, 3, 2, 5}));

    plan->unadvise(typed);
    plan->raiseEndBar();
    EXPECT_EQ(typed->log, "image1;max3;label:清除;val1;end;");
}
