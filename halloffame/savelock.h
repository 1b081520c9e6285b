// The lock file two running games save "Champions.Rhm" or "Statistik.txt" under, so that
// each reads, merges and writes the file in turn and no entry of the other is lost.
#pragma once

#include <QLockFile>
#include <QString>

class SaveLock {
  public:
    enum class Outcome {
        Held,       // locked, or no lock file can be made at all (the write reports why)
        NotAFile,   // something else of the lock's name is there: save without a lock
        HeldByOther // another game is saving: do not save now
    };

    // Takes the lock at path, waiting up to waitMs (five seconds) for another game to
    // finish; a lock older than ten seconds is stale (its game died while saving).
    explicit SaveLock(const QString& path, int waitMs = 5000);

    Outcome outcome() const { return outcome_; }
    // With NotAFile: the thing of the lock's name is a folder.
    bool isFolder() const { return folder_; }

  private:
    QLockFile lock;
    Outcome outcome_ = Outcome::Held;
    bool folder_ = false;
};
