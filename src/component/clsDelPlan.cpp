#include "component/clsDelPlan.h"
#include "component/AccountReason.h"

#include <algorithm>

#include "base/Error.h"
#include "component/ProcessState.h"
#include "component/TypeLibrary.h"

namespace orvan::component {

const base::InterfaceInfo *clsDelPlanEvents::typeInfo() const
{
    return &publicClass("clsDelPlan").eventInterface;
}

base::Variant clsDelPlanEvents::dispatch(base::DispId id, base::InvokeKind kind,
                                         std::vector<base::Variant> &args)
{
    switch (id) {
    case DispIds::Event_SetBarMax:
        SetBarMax(args[0].toInteger());
        return {};
    case DispIds::Event_SetBarVal:
        SetBarVal(args[0].toInteger());
        return {};
    case DispIds::Event_SetLabel:
        SetLabel(args[0].text());
        return {};
    case DispIds::Event_SetAdjustImage:
        SetAdjustImage(args[0].toBool());
        return {};
    case DispIds::Event_EndBar:
        EndBar();
        return {};
    default:
        return Object::dispatch(id, kind, args);
    }
}

void clsDelPlan::CleanTablesOfPlan()
{
    m_failure.clear();
    const auto &clean = processState().hooks.cleanTablesOfPlan;
    if (!clean)
        return;
    try {
        clean(*this);
    } catch (const base::Error &error) {
        m_failure = userErrorText(error);
    }
}

void clsDelPlan::advise(base::ObjectPtr sink)
{
    if (sink)
        m_sinks.push_back(std::move(sink));
}

void clsDelPlan::unadvise(const base::ObjectPtr &sink)
{
    m_sinks.erase(std::remove(m_sinks.begin(), m_sinks.end(), sink), m_sinks.end());
}

void clsDelPlan::raiseSetBarMax(int16_t max)
{
    raise(DispIds::Event_SetBarMax, {base::Variant(max)});
}

void clsDelPlan::raiseSetBarVal(int16_t val)
{
    raise(DispIds::Event_SetBarVal, {base::Variant(val)});
}

void clsDelPlan::raiseSetLabel(std::string_view info)
{
    raise(DispIds::Event_SetLabel, {base::Variant(info)});
}

void clsDelPlan::raiseSetAdjustImage(bool ifAdjust)
{
    raise(DispIds::Event_SetAdjustImage, {base::Variant(ifAdjust)});
}

void clsDelPlan::raiseEndBar()
{
    raise(DispIds::Event_EndBar, {});
}

void clsDelPlan::raise(base::DispId id, std::vector<base::Variant> args)
{
    const auto sinks = m_sinks; // a handler may disconnect itself
    for (const auto &sink : sinks) {
        auto callArgs = args;
        // A failing handler must not stop the work or reach the host.
        base::tryStep([&] { sink->invoke(id, base::InvokeKind::Method, callArgs); });
    }
}

const base::InterfaceInfo *clsDelPlan::typeInfo() const
{
    return &publicClass("clsDelPlan").defaultInterface;
}

base::Variant clsDelPlan::dispatch(base::DispId id, base::InvokeKind kind,
                                   std::vector<base::Variant> &args)
{
    switch (id) {
    case DispIds::clsDelPlan_CleanTablesOfPlan:
        CleanTablesOfPlan();
        return {};
    case DispIds::clsDelPlan_ifAdjust:
        ifAdjust(args[0].toBool());
        return {};
    default:
        return Object::dispatch(id, kind, args);
    }
}

} // namespace orvan::component
