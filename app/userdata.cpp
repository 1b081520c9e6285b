// The installed data folder and the per-user copies of its collections and manual (in
// every language: Quintor.chm, Quintor_en.chm, ...).
// The copies carry the installed file's modification time, so an update of the installed
// game (whose files are newer) refreshes them at the next start.
#include "app/userdata.h"
#include "platform/texts.h"

#include "platform/fileio.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Copies `source` over `target` atomically, with the source's modification time; the old
// target stays whole when anything fails. Returns the German reason of a failure, or an
// empty text.
QString copyWhole(const QString& source, const QString& target) {
    const QDateTime modified = QFileInfo(source).lastModified();
    const WriteResult copied = copyFileAtomically(source, target);
    if (!copied.ok) return copied.error;
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
                             QStringLiteral("Quintor*.chm"), QStringLiteral("Quintor*.hlp")},
                            QDir::Files);
    QStringList messages;
    for (const QString& name : names) {
        const QFileInfo source(installed.filePath(name));
        const QFileInfo copy(user.filePath(name));
        const bool hadCopy = copy.exists();
        if (hadCopy && copy.lastModified() >= source.lastModified()) continue;
        const QString reason = copyWhole(source.filePath(), copy.filePath());
        if (reason.isEmpty()) continue;
        messages << (hadCopy ? AppTexts::tr("Die Datei \"%1\" konnte nicht nach \"%2\" kopiert "
                                            "werden.\n%3\nDie bisherige Kopie bleibt erhalten.")
                             : AppTexts::tr("Die Datei \"%1\" konnte nicht nach \"%2\" kopiert "
                                            "werden.\n%3"))
                        .arg(name, userDir, reason);
    }
    return messages;
}
