// Start-up helpers of main: the working directory of an installed game and the program icon.
#include "app/startup.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

// An installed game started outside a working directory with the collection files (from
// the desktop menu, say) plays in a per-user directory that holds copies of them; the
// player's own files are written there too. Run from a prepared directory (scripts/run,
// the tests), it stays where it is.
void enterWorkingDirectory() {
#ifdef QUINTOR_INSTALLED_DATA_DIR
    if (QFile::exists(QStringLiteral("leicht.qnt"))) return;
    const QDir installed(QStringLiteral(QUINTOR_INSTALLED_DATA_DIR));
    if (!installed.exists(QStringLiteral("leicht.qnt"))) return;
    const QString home = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (home.isEmpty() || !QDir().mkpath(home)) return;
    const QStringList names = installed.entryList(
        {QStringLiteral("*.qnt"), QStringLiteral("Quintor.chm"), QStringLiteral("Quintor.hlp")},
        QDir::Files);
    for (const QString& name : names) {
        const QString target = QDir(home).filePath(name);
        if (name != QLatin1String("brett.qnt") && !QFile::exists(target))
            QFile::copy(installed.filePath(name), target);
    }
    QDir::setCurrent(home);
#endif
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quintor-%1.png").arg(size), QSize(size, size));
    return icon;
}
