// A damaged or unreadable results file ("Champions.Rhm", "Statistik.txt") is never lost:
// its original is kept as a numbered backup before anything can overwrite it. Used by the
// hall of fame and the statistics when they load and before they save.
#pragma once

#include <QByteArray>
#include <QString>

struct Game;

// The backup of fileName that already holds exactly these bytes, if any.
QString backupHolding(Game& g, const QString& fileName, const QByteArray& bytes, qint64 readLimit);

// After loading what is readable of a damaged fileName: keeps its original bytes as a
// backup (unless one holds them already) and shows damagedText with %1 the file's name and
// %2 where the original went (or why it could not be kept).
void keepDamagedOriginal(Game& g, const QString& fileName, const QByteArray& bytes,
                         qint64 readLimit, const QString& damagedText);

// Before a save: moves an unreadable or damaged fileName aside as a backup so the save
// cannot destroy it, and says so with movedText (%1 the file, %2 the backup). False after
// failedText (%1 the file, %2 the reason) when it could not be moved: the save must not go on.
bool setDamagedFileAside(Game& g, const QString& fileName, const QString& failedText,
                         const QString& movedText);
