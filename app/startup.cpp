// Start-up helpers of main: the working directory of an installed game and the program icon.
#include "app/startup.h"

#include "app/userdata.h"
#include "platform/fileio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>

// An installed game started outside a working directory with the collection files (from
// the desktop menu, say) plays in a per-user directory that holds copies of them; the
// player's own files are written there too. The installed data is found relative to the
// program, so the game works under whatever prefix it was installed. Run from a prepared
// directory (scripts/run, the tests), it stays where it is.
QString enterWorkingDirectory() {
    if (QFile::exists(QStringLiteral("leicht.qnt"))) return {};
    const QString installed = installedDataDir(QCoreApplication::applicationDirPath());
    const QString home = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (home.isEmpty()) return {};
    if (installed.isEmpty()) {
        // Not installed beside its data: copies made by an earlier start still serve.
        if (QFile::exists(QDir(home).filePath(QStringLiteral("leicht.qnt"))))
            QDir::setCurrent(home);
        return {};
    }
    errno = 0;
    if (!QDir().mkpath(home)) {
        return QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.\n%2")
            .arg(home, germanErrorText(errno != 0 ? errno : EIO));
    }
    const QStringList messages = refreshUserData(installed, home);
    QDir::setCurrent(home);
    return messages.join(QStringLiteral("\n\n"));
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quintor-%1.png").arg(size), QSize(size, size));
    return icon;
}
