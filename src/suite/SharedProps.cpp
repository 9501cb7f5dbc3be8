#include "suite/SharedProps.h"

#include <unistd.h>

#include <map>

#include "base/Text.h"
#include "component/LoginContext.h"

namespace orvan::suite {
namespace {

std::map<int32_t, std::string> &published()
{
    static std::map<int32_t, std::string> strings;
    return strings;
}

} // namespace

void SharedProps::publish(int32_t processId, std::string propsString)
{
    published()[processId] = std::move(propsString);
    component::forgetLoginEdition();
}

void SharedProps::publishForThisProcess(std::string propsString)
{
    publish(static_cast<int32_t>(::getpid()), std::move(propsString));
}

void SharedProps::clearAll()
{
    published().clear();
    component::forgetLoginEdition();
}

base::Variant SharedProps::GetProperty(int32_t processId, const std::string &name)
{
    if (!base::equalsNoCase(name, "PropsString"))
        return {};
    const auto found = published().find(processId);
    return base::Variant(found == published().end() ? std::string() : found->second);
}

} // namespace orvan::suite
