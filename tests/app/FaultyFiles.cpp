#include "FaultyFiles.h"

#include <sqlite3.h>

#include <cstring>
#include <stdexcept>

namespace orvan::test {
namespace {

struct FaultState
{
    bool counting = false;
    FaultyFiles::Operation target = FaultyFiles::Operation::Write;
    int failAt = 0;
    std::array<int, 3> counts{};
    bool failed = false;
};

FaultState &state()
{
    static FaultState faults;
    return faults;
}

// True when this operation is the one to fail.
bool strikes(FaultyFiles::Operation operation)
{
    auto &faults = state();
    if (!faults.counting)
        return false;
    const int count = ++faults.counts[static_cast<size_t>(operation)];
    if (operation != faults.target || count != faults.failAt)
        return false;
    faults.failed = true;
    return true;
}

struct FaultyFile
{
    sqlite3_file base;
    sqlite3_file *real;
};

sqlite3_file *realOf(sqlite3_file *file)
{
    return reinterpret_cast<FaultyFile *>(file)->real;
}

const sqlite3_io_methods &methodsOf(sqlite3_file *file)
{
    return *realOf(file)->pMethods;
}

int fileClose(sqlite3_file *file)
{
    return methodsOf(file).xClose(realOf(file));
}
int fileRead(sqlite3_file *file, void *buffer, int amount, sqlite3_int64 offset)
{
    return methodsOf(file).xRead(realOf(file), buffer, amount, offset);
}
int fileWrite(sqlite3_file *file, const void *buffer, int amount, sqlite3_int64 offset)
{
    if (strikes(FaultyFiles::Operation::Write))
        return SQLITE_IOERR_WRITE;
    return methodsOf(file).xWrite(realOf(file), buffer, amount, offset);
}
int fileTruncate(sqlite3_file *file, sqlite3_int64 size)
{
    return methodsOf(file).xTruncate(realOf(file), size);
}
int fileSync(sqlite3_file *file, int flags)
{
    if (strikes(FaultyFiles::Operation::Sync))
        return SQLITE_IOERR_FSYNC;
    return methodsOf(file).xSync(realOf(file), flags);
}
int fileSize(sqlite3_file *file, sqlite3_int64 *size)
{
    return methodsOf(file).xFileSize(realOf(file), size);
}
int fileLock(sqlite3_file *file, int level)
{
    if (strikes(FaultyFiles::Operation::Lock))
        return SQLITE_IOERR_LOCK;
    return methodsOf(file).xLock(realOf(file), level);
}
int fileUnlock(sqlite3_file *file, int level)
{
    return methodsOf(file).xUnlock(realOf(file), level);
}
int fileCheckReservedLock(sqlite3_file *file, int *reserved)
{
    return methodsOf(file).xCheckReservedLock(realOf(file), reserved);
}
int fileControl(sqlite3_file *file, int op, void *argument)
{
    return methodsOf(file).xFileControl(realOf(file), op, argument);
}
int fileSectorSize(sqlite3_file *file)
{
    return methodsOf(file).xSectorSize(realOf(file));
}
int fileDeviceCharacteristics(sqlite3_file *file)
{
    return methodsOf(file).xDeviceCharacteristics(realOf(file));
}
int fileShmMap(sqlite3_file *file, int region, int size, int extend, void volatile **mapped)
{
    return methodsOf(file).xShmMap(realOf(file), region, size, extend, mapped);
}
int fileShmLock(sqlite3_file *file, int offset, int n, int flags)
{
    if ((flags & SQLITE_SHM_LOCK) && strikes(FaultyFiles::Operation::Lock))
        return SQLITE_IOERR_SHMLOCK;
    return methodsOf(file).xShmLock(realOf(file), offset, n, flags);
}
void fileShmBarrier(sqlite3_file *file)
{
    methodsOf(file).xShmBarrier(realOf(file));
}
int fileShmUnmap(sqlite3_file *file, int deleteFlag)
{
    return methodsOf(file).xShmUnmap(realOf(file), deleteFlag);
}
int fileFetch(sqlite3_file *file, sqlite3_int64 offset, int amount, void **page)
{
    return methodsOf(file).xFetch(realOf(file), offset, amount, page);
}
int fileUnfetch(sqlite3_file *file, sqlite3_int64 offset, void *page)
{
    return methodsOf(file).xUnfetch(realOf(file), offset, page);
}

const sqlite3_io_methods FaultyMethods = {
    3,
    fileClose,
    fileRead,
    fileWrite,
    fileTruncate,
    fileSync,
    fileSize,
    fileLock,
    fileUnlock,
    fileCheckReservedLock,
    fileControl,
    fileSectorSize,
    fileDeviceCharacteristics,
    fileShmMap,
    fileShmLock,
    fileShmBarrier,
    fileShmUnmap,
    fileFetch,
    fileUnfetch,
};

sqlite3_vfs *realVfs = nullptr;
sqlite3_vfs faultyVfs;

int vfsOpen(sqlite3_vfs *, const char *name, sqlite3_file *file, int flags, int *outFlags)
{
    auto *faulty = reinterpret_cast<FaultyFile *>(file);
    faulty->real = reinterpret_cast<sqlite3_file *>(faulty + 1);
    const int result = realVfs->xOpen(realVfs, name, faulty->real, flags, outFlags);
    // A file the real layer did not open has no methods: SQLite does not close it.
    faulty->base.pMethods = faulty->real->pMethods ? &FaultyMethods : nullptr;
    return result;
}

} // namespace

FaultyFiles::FaultyFiles()
{
    realVfs = sqlite3_vfs_find(nullptr);
    if (realVfs->iVersion < 3)
        throw std::logic_error("the default file layer is too old to wrap");
    faultyVfs = *realVfs;
    faultyVfs.zName = "orvan-faulty";
    faultyVfs.szOsFile = static_cast<int>(sizeof(FaultyFile)) + realVfs->szOsFile;
    faultyVfs.xOpen = vfsOpen;
    faultyVfs.pAppData = nullptr;
    sqlite3_vfs_register(&faultyVfs, 1);
    disarm();
}

FaultyFiles::~FaultyFiles()
{
    disarm();
    sqlite3_vfs_unregister(&faultyVfs);
    sqlite3_vfs_register(realVfs, 1);
}

void FaultyFiles::arm(Operation operation, int k)
{
    state() = FaultState{true, operation, k, {}, false};
}

void FaultyFiles::count()
{
    arm(Operation::Write, 0);
}

void FaultyFiles::disarm()
{
    state().counting = false;
}

int FaultyFiles::counted(Operation operation) const
{
    return state().counts[static_cast<size_t>(operation)];
}

bool FaultyFiles::failed() const
{
    return state().failed;
}

const char *nameOf(FaultyFiles::Operation operation)
{
    switch (operation) {
    case FaultyFiles::Operation::Write:
        return "write";
    case FaultyFiles::Operation::Sync:
        return "sync";
    case FaultyFiles::Operation::Lock:
        return "lock";
    }
    return "?";
}

} // namespace orvan::test
