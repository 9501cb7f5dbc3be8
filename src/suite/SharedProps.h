#pragma once

#include <cstdint>
#include <string>

#include "component/OutsideComponents.h"

namespace orvan::suite {

// "PropStore.ShareProps": answers the login property string published for a process.
class SharedProps : public component::SharedPropsComponent
{
public:
    // Publishes the login's property string for a process (the login does this once).
    static void publish(int32_t processId, std::string propsString);
    static void publishForThisProcess(std::string propsString);
    static void clearAll();

    // "PropsString" gives the published string ("" when none); other names give Empty.
    base::Variant GetProperty(int32_t processId, const std::string &name) override;
};

} // namespace orvan::suite
