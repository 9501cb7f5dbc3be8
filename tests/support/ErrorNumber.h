#pragma once

#include "base/Error.h"

namespace orvan::test {

// The host error number the call raises, or 0 when it completes. Other exceptions pass.
template <typename Call>
long errorNumberOf(Call &&call)
{
    try {
        call();
    } catch (const base::Error &error) {
        return error.number();
    }
    return 0;
}

} // namespace orvan::test
