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
    rules::routeNotifications(*control, m_rules, [this] { mirrorRejection(); });
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
