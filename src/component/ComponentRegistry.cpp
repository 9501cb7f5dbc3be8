#include "component/ComponentRegistry.h"

#include "base/Text.h"

namespace orvan::component {

ComponentRegistry &ComponentRegistry::instance()
{
    static ComponentRegistry registry;
    return registry;
}

void ComponentRegistry::add(std::string_view progId, Factory factory)
{
    m_factories[base::upperCase(progId)] = std::move(factory);
}

void ComponentRegistry::remove(std::string_view progId)
{
    m_factories.erase(base::upperCase(progId));
}

bool ComponentRegistry::contains(std::string_view progId) const
{
    return m_factories.count(base::upperCase(progId)) != 0;
}

void ComponentRegistry::clear()
{
    m_factories.clear();
}

base::ObjectPtr ComponentRegistry::create(std::string_view progId) const
{
    const auto found = m_factories.find(base::upperCase(progId));
    base::ObjectPtr object = found != m_factories.end() ? found->second() : nullptr;
    if (!object)
        throw base::Error(base::ErrorNumber::CannotCreateObject,
                          "ActiveX component can't create object: " + std::string(progId));
    return object;
}

} // namespace orvan::component
