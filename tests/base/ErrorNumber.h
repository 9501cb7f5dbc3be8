#pragma once

#include "base/Error.h"

#include <exception>

namespace orvan::base::test {

// The host error number the call raises, or 0 when it completes.
template <typename Call>
long errorNumberOf(Call &&call)
{
    try {
        call();
    } catch (const Error &error) {
        return error.number();
    }
    return 0;
}

} // namespace orvan::base::test
