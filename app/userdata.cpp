// The installed data folder and the per-user copies of its collections and manual.
// The copies carry the installed file's modification time, so an update of the installed
// game (whose files are newer) refreshes them at the next start.
#include "app/userdata.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

// Copies `source` over `target` through a temporary file; the old target stays whole when
// anything fails. Returns the German reason of a failure, or an empty text.
QString copyWhole(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("Die installierte Datei kann nicht gelesen werden.");
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return QStringLiteral("Die installierte Datei kann nicht gelesen werden.");
    const QDateTime modified = QFileInfo(in).lastModified();

    QSaveFile out(target);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly)) return germanWriteReason(errno);
    // The save file's buffer is flushed and checked before committing, as commit() does
    // not report a failed final write of it.
    errno = 0;
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        const int error = errno;
        out.cancelWriting();
        return germanWriteReason(error);
    }
    errno = 0;
    if (!out.commit()) return germanWriteReason(errno);

    QFile written(target);
    if (written.open(QIODevice::ReadOnly))
        written.setFileTime(modified, QFileDevice::FileModificationTime);
    return {};
}

} // namespace

QString installedDataDir(const QString& programDir) {
    for (const char* relative : {"../share/quintor", "../share/games/quintor"}) {
        const QDir dir(QDir(programDir).filePath(QLatin1String(relative)));
        if (dir.exists()) return dir.canonicalPath();
    }
    return {};
}

QStringList refreshUserData(const QString& installedDir, const QString& userDir) {
    const QDir installed(installedDir);
    const QDir user(userDir);
    const QStringList names =
        installed.entryList({QStringLiteral("leicht.qnt"), QStringLiteral("mittel.qnt"),
                             QStringLiteral("schwer.qnt"), QStringLiteral("extrem.qnt"),
                             QStringLiteral("Quintor.chm"), QStringLiteral("Quintor.hlp")},
                            QDir::Files);
    QStringList messages;
    for (const QString& name : names) {
        const QFileInfo source(installed.filePath(name));
        const QFileInfo copy(user.filePath(name));
        const bool hadCopy = copy.exists();
        if (hadCopy && copy.lastModified() >= source.lastModified()) continue;
        const QString reason = copyWhole(source.filePath(), copy.filePath());
        if (reason.isEmpty()) continue;
        messages << (hadCopy ? QStringLiteral("Die Datei \"%1\" konnte nicht nach \"%2\" kopiert "
                                              "werden.\n%3\nDie bisherige Kopie bleibt erhalten.")
                             : QStringLiteral("Die Datei \"%1\" konnte nicht nach \"%2\" kopiert "
                                              "werden.\n%3"))
                        .arg(name, userDir, reason);
    }
    return messages;
}

QString germanWriteReason(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Der Datenträger ist voll.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Es fehlt die Berechtigung zum Schreiben.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case EIO:
        return QStringLiteral("Beim Schreiben trat ein Gerätefehler auf.");
    default:
        return QStringLiteral("Die Datei konnte nicht vollständig geschrieben werden.");
    }
}
