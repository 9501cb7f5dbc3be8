#include "mainwindow/OptionBinding.h"

#include "mainwindow/MaintenanceWindow.h"

namespace orvan::mainwindow {

OptionBinding::OptionBinding(MaintenanceWindow &window)
    : m_window(window)
    , m_rules(*this)
{
    m_rules.selectNode = [this](const std::string &key) { m_window.selectAndClick(key); };
}

void OptionBinding::bind(const std::shared_ptr<component::OptionProfileControl> &control)
{
    m_control = control;
    if (!control)
        return;
    component::OptionProfileEvents events;
    events.OptionChanging = [this](const std::string &key, const base::Variant &value,
                                   bool &cancel) {
        m_rules.OptionChanging(key, value, cancel);
        mirrorRejection();
    };
    events.OptionChanged = [this](const std::string &key, const base::Variant &value) {
        m_rules.OptionChanged(key, value);
        mirrorRejection();
    };
    events.OptionCommitted = [this](const std::string &key, const base::Variant &value) {
        m_rules.OptionCommitted(key, value);
    };
    events.BomOptionRequest = [this] { m_rules.BomOptionRequested(); };
    events.ShortageWarningRequest = [this](const base::ObjectPtr &request) {
        m_rules.ShortageWarningRequested(request);
    };
    events.OptionSwitched = [this](int position, bool on) { m_rules.OptionSwitched(position, on); };
    control->setEvents(std::move(events));
}

void OptionBinding::mirrorRejection()
{
    m_window.lastCheckRejected = m_rules.lastCheckRejected;
}

base::Variant OptionBinding::currentValue(const std::string &key)
{
    const auto control = m_control.lock();
    return control ? control->OptionValue(key) : base::Variant();
}

void OptionBinding::setContext(const base::ObjectPtr &context)
{
    if (const auto control = m_control.lock())
        control->setContext(context);
}

} // namespace orvan::mainwindow
