// The save lock of the results files (see savelock.h).
#include "halloffame/savelock.h"

#include <QFileInfo>

SaveLock::SaveLock(const QString& path, int waitMs) : lock(path) {
    lock.setStaleLockTime(10000);
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && !info.isFile()) {
        // A folder (or the like) of the lock's name is no lock of another game, and no lock
        // can be taken beside it.
        outcome_ = Outcome::NotAFile;
        folder_ = info.isDir();
    } else if (!lock.tryLock(waitMs) && lock.error() == QLockFile::LockFailedError) {
        outcome_ = Outcome::HeldByOther;
    }
}
