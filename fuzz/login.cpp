// The login property string: every value written with withLoginProp reads back unchanged,
// also nested as the value of another entry, and no text makes the parser fail.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "component/LoginContext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    orvan::component::parseLoginPropsText(text); // any text parses
    const auto split = text.find('\n');
    const std::string value = split == std::string::npos ? text : text.substr(0, split);
    const std::string other = split == std::string::npos ? "" : text.substr(split + 1);
    const auto written = orvan::component::withLoginProp("UserID=1;", "V", value);
    const auto read = orvan::component::parseLoginPropsText(written);
    if (read.item("V").text() != value || read.item("UserID").text() != "1")
        std::abort();
    const auto outer =
        orvan::component::withLoginProp(other.empty() ? "" : "X=" + other, "Outer", written);
    const auto nested = orvan::component::parseLoginPropsText(outer).item("Outer").text();
    if (orvan::component::parseLoginPropsText(nested).item("V").text() != value)
        std::abort();
    return 0;
}
