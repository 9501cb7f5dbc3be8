// The T-SQL compiler and engine: any text compiles and runs on an account of the full
// schema, or fails with the engine's own error; nothing else may escape.
#include <cstdint>
#include <memory>
#include <string>

#include "base/DataFiles.h"
#include "base/Error.h"
#include "db/BatchCompiler.h"
#include "db/SqliteDatabase.h"

namespace {

orvan::db::Database &account()
{
    static const auto database = [] {
        auto opened = std::make_unique<orvan::db::SqliteDatabase>(
            ":memory:", orvan::db::SqliteDatabase::OpenMode::Create);
        opened->executeNative(orvan::base::readDataFile("schema.sql"));
        return opened;
    }();
    return *database;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    try {
        orvan::db::compileBatch(text);
    } catch (const orvan::base::Error &) {
        return 0; // refused with the engine's error
    }
    try {
        account().execute(text);
    } catch (const orvan::base::Error &) {
    }
    return 0;
}
