// Recordset filters: any filter text is applied or refused with the engine's error.
#include <cstdint>
#include <memory>
#include <string>

#include "base/Error.h"
#include "db/Recordset.h"
#include "db/SqliteDatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const auto database = [] {
        auto opened = std::make_unique<orvan::db::SqliteDatabase>(
            ":memory:", orvan::db::SqliteDatabase::OpenMode::Create);
        opened->executeNative("CREATE TABLE Opt (FKey TEXT COLLATE NOCASE, FValue TEXT, FOn BIT, "
                              "FRate REAL, FCount INT);"
                              "INSERT INTO Opt VALUES ('abc','1',1,30.0,7),('def','2',0,0.5,8),"
                              "('ghi',NULL,NULL,NULL,NULL);");
        return opened;
    }();
    auto rows = database->execute("select * from Opt");
    try {
        rows->setFilter(std::string(reinterpret_cast<const char *>(data), size));
        for (; !rows->isEOF(); rows->MoveNext())
            rows->Fields(0).Value();
    } catch (const orvan::base::Error &) {
    }
    return 0;
}
