#include "db/LibPq.h"

#include "db/DbError.h"

#include <dlfcn.h>

#include <string>

namespace orvan::db {

namespace {

constexpr const char *LibraryName = "libpq.so.5";

[[noreturn]] void cannotLoad(const std::string &why)
{
    throw sqlError("Cannot use a PostgreSQL account: " + why + " (install the libpq5 package)");
}

LibPq load()
{
    void *handle = ::dlopen(LibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        cannotLoad(::dlerror());
    LibPq library;
#define ORVAN_LIBPQ_BIND(name)                                                                     \
    library.name = reinterpret_cast<decltype(library.name)>(::dlsym(handle, #name));               \
    if (!library.name)                                                                             \
        cannotLoad(std::string("no ") + #name + " in " + LibraryName);
    ORVAN_LIBPQ_FUNCTIONS(ORVAN_LIBPQ_BIND)
#undef ORVAN_LIBPQ_BIND
    return library; // the library stays loaded for the process
}

} // namespace

const LibPq &libpq()
{
    static const LibPq library = load();
    return library;
}

} // namespace orvan::db
