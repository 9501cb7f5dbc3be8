#include "params/ProfileFlags.h"

namespace orvan::params {

ProfileFlags &ProfileFlags::instance()
{
    static ProfileFlags flags;
    return flags;
}

void ProfileFlags::reset()
{
    instance() = ProfileFlags{};
}

} // namespace orvan::params
