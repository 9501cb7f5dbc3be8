#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "base/Error.h"
#include "base/Object.h"

namespace orvan::component {

// Creates automation objects by ProgID, as the system's class registry does. Outside
// components register stand-ins at start-up and tests register fakes. Creating an
// unregistered ProgID fails like a component that is not installed (error 429).
class ComponentRegistry
{
public:
    using Factory = std::function<base::ObjectPtr()>;

    static ComponentRegistry &instance();

    // Registers or replaces the factory of a ProgID (ProgIDs ignore case).
    void add(std::string_view progId, Factory factory);
    void remove(std::string_view progId);
    bool contains(std::string_view progId) const;
    void clear();

    base::ObjectPtr create(std::string_view progId) const;

    // Creates the object and asks for its typed interface; an object without it fails
    // with error 430 as a component lacking the expected interface does.
    template <class T>
    std::shared_ptr<T> createAs(std::string_view progId) const
    {
        auto typed = std::dynamic_pointer_cast<T>(create(progId));
        if (!typed)
            throw base::Error(base::ErrorNumber::NotAnAutomationClass,
                              "Class does not support Automation or does not support expected "
                              "interface: " +
                                  std::string(progId));
        return typed;
    }

private:
    std::map<std::string, Factory> m_factories;
};

} // namespace orvan::component
