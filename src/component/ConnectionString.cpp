#include "component/ConnectionString.h"

#include "base/Text.h"
#include "component/LoginContext.h"

namespace orvan::component {

bool ConnectionString::embedded() const
{
    return provider.empty() || base::equalsNoCase(provider, "SQLite");
}

ConnectionString parseConnectionString(std::string_view text)
{
    const auto entries = parseLoginPropsText(text);
    return {entries.value("Provider").text(), entries.value("Data Source").text()};
}

} // namespace orvan::component
