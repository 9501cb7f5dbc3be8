// Script lines: any line is split into a command without failing.
#include <cstdint>
#include <string>

#include "app/ScriptTarget.h"
#include "base/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        orvan::app::ScriptCommand::parse(1,
                                         std::string(reinterpret_cast<const char *>(data), size));
    } catch (const orvan::base::Error &) {
    }
    return 0;
}
