#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Object.h"

namespace orvan::component {

// Receives the events of a clsDelPlan in C++; late-bound hosts may instead advise any
// object that answers the event interface's dispatch ids.
class clsDelPlanEvents : public base::Object
{
public:
    virtual void SetBarMax(int16_t max) { (void)max; }
    virtual void SetBarVal(int16_t val) { (void)val; }
    virtual void SetLabel(const std::string &info) { (void)info; }
    virtual void SetAdjustImage(bool ifAdjust) { (void)ifAdjust; }
    virtual void EndBar() {}

    const base::InterfaceInfo *typeInfo() const override;

protected:
    base::Variant dispatch(base::DispId id, base::InvokeKind kind,
                           std::vector<base::Variant> &args) override;
};

// Cleans the forecast plans, or re-times them when ifAdjust is set, and reports its
// progress through its events.
class clsDelPlan : public base::Object
{
public:
    // Runs the pass; an error stops it (nothing is deleted) and is kept in failure().
    void CleanTablesOfPlan();
    // Why the last pass stopped before its end ("" when it ran through).
    const std::string &failure() const { return m_failure; }
    void ifAdjust(bool value) { m_ifAdjust = value; }
    bool adjusting() const { return m_ifAdjust; }

    // Event connections.
    void advise(base::ObjectPtr sink);
    void unadvise(const base::ObjectPtr &sink);

    // Raise the events to every connected sink, in connection order.
    void raiseSetBarMax(int16_t max);
    void raiseSetBarVal(int16_t val);
    void raiseSetLabel(std::string_view info);
    void raiseSetAdjustImage(bool ifAdjust);
    void raiseEndBar();

    const base::InterfaceInfo *typeInfo() const override;

protected:
    base::Variant dispatch(base::DispId id, base::InvokeKind kind,
                           std::vector<base::Variant> &args) override;

private:
    void raise(base::DispId id, std::vector<base::Variant> args);

    bool m_ifAdjust = false;
    std::string m_failure;
    std::vector<base::ObjectPtr> m_sinks;
};

} // namespace orvan::component
