// Start-up helpers of main: the working directory of an installed game and the program icon.
#include "app/startup.h"
#include "platform/texts.h"

#include "app/userdata.h"
#include "platform/fileio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

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
        return AppTexts::tr("Der Ordner \"%1\" kann nicht angelegt werden.\n%2")
            .arg(home, germanErrorText(errno != 0 ? errno : EIO));
    }
    const QStringList messages = refreshUserData(installed, home);
    QDir::setCurrent(home);
    return messages.join(QStringLiteral("\n\n"));
}

namespace {
int signalPipe[2] = {-1, -1};

void onTerminationSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here: the user-interface thread does the rest.
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}
} // namespace

void endOnTerminationSignals(std::function<void()> atExit) {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [atExit = std::move(atExit)] {
        atExit();
        std::_Exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quintor-%1.png").arg(size), QSize(size, size));
    return icon;
}
