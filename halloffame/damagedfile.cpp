// Keeping damaged results files: the backup that already holds a file's bytes, a new backup
// of a damaged original after loading it, and moving an unreadable file aside before a save.
#include "halloffame/damagedfile.h"

#include "session/game.h"

QString backupHolding(Game& g, const QString& fileName, const QByteArray& bytes, qint64 readLimit) {
    for (int number = 1; number <= kBackupNames; ++number) {
        const QString name = backupFileName(fileName, number);
        if (!g.platform.fileExists(name)) continue;
        const ReadResult copy = g.platform.readFile(name, readLimit);
        if (copy && *copy == bytes) return name;
    }
    return {};
}

void keepDamagedOriginal(Game& g, const QString& fileName, const QByteArray& bytes,
                         qint64 readLimit, const QString& damagedText) {
    QString kept = backupHolding(g, fileName, bytes, readLimit), why;
    if (kept.isEmpty()) {
        const WriteResult copy = g.platform.writeBackup(fileName, bytes, kept);
        if (!copy.ok) {
            kept.clear();
            why = copy.error;
        }
    }
    g.platform.warning(
        damagedText.arg(fileName, kept.isEmpty() ? FameTexts::tr("Die Originaldatei konnte nicht "
                                                                 "gesichert werden: %1")
                                                       .arg(why)
                                                 : FameTexts::tr("Die Originaldatei wurde als „%1“ "
                                                                 "gesichert.")
                                                       .arg(kept)));
}

bool setDamagedFileAside(Game& g, const QString& fileName, const QString& failedText,
                         const QString& movedText) {
    QString aside;
    const WriteResult moved = g.platform.moveAside(fileName, aside);
    if (!moved.ok) {
        g.platform.warning(failedText.arg(fileName, moved.error));
        return false;
    }
    g.platform.warning(movedText.arg(fileName, aside));
    return true;
}
