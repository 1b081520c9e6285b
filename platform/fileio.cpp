// Whole-file reads and atomic writes on POSIX, with German reasons. The write goes through
// plain unbuffered write(2) calls followed by fsync(2), so a full disk shows up as an error
// of the write or the flush before the new file replaces the old one (Qt 6.4's QSaveFile
// can report success after its buffered final flush failed).
#include "platform/fileio.h"
#include "platform/texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<unsigned> tempCounter{0};

QString notRegularText(mode_t mode) {
    if (S_ISDIR(mode)) return AppTexts::tr("Sie ist ein Ordner, keine Datei.");
    if (S_ISFIFO(mode) || S_ISSOCK(mode))
        return AppTexts::tr("Sie ist keine gewöhnliche Datei, sondern eine Pipe.");
    return AppTexts::tr("Sie ist keine gewöhnliche Datei, sondern ein Gerät.");
}

QString tooLargeText(qint64 limit) {
    return AppTexts::tr("Sie ist viel größer, als eine solche Datei sein kann (mehr als %1 "
                        "Bytes).")
        .arg(limit);
}

// Closes fd and keeps the first error number seen.
void closeKeepingError(int fd, int& error) {
    if (::close(fd) != 0 && error == 0) error = errno;
}

} // namespace

QString germanErrorText(int error) {
    switch (error) {
    case ENOSPC:
        return AppTexts::tr("Auf dem Datenträger ist kein Platz mehr frei.");
    case EDQUOT:
        return AppTexts::tr("Der zugeteilte Speicherplatz ist aufgebraucht.");
    case EACCES:
    case EPERM:
        return AppTexts::tr("Der Zugriff wurde verweigert.");
    case EROFS:
        return AppTexts::tr("Der Datenträger ist schreibgeschützt.");
    case ENOENT:
        return AppTexts::tr("Die Datei oder ihr Ordner existiert nicht.");
    case ENOTDIR:
        return AppTexts::tr("Ein Teil des Pfades ist kein Ordner.");
    case EISDIR:
        return AppTexts::tr("Sie ist ein Ordner, keine Datei.");
    case EIO:
        return AppTexts::tr("Beim Zugriff auf den Datenträger ist ein Fehler aufgetreten.");
    case EFBIG:
        return AppTexts::tr("Die Datei wäre zu groß.");
    case ENAMETOOLONG:
        return AppTexts::tr("Der Dateiname ist zu lang.");
    case EMFILE:
    case ENFILE:
        return AppTexts::tr("Es sind zu viele Dateien geöffnet.");
    case EBUSY:
    case ETXTBSY:
        return AppTexts::tr("Die Datei wird gerade benutzt.");
    case EEXIST:
        return AppTexts::tr("Eine Datei dieses Namens gibt es schon.");
    case ELOOP:
        return AppTexts::tr("Zu viele verkettete Verknüpfungen.");
    default:
        return AppTexts::tr("Unbekannter Fehler (Nummer %1).").arg(error);
    }
}

ReadResult readWholeFile(const QString& path, qint64 maxSize) {
    const QByteArray native = QFile::encodeName(path);
    // Look before opening: opening a pipe or a device can block or have side effects.
    struct stat info {};
    if (::stat(native.constData(), &info) != 0) return {std::nullopt, germanErrorText(errno)};
    if (!S_ISREG(info.st_mode)) return {std::nullopt, notRegularText(info.st_mode)};
    if (info.st_size > maxSize) return {std::nullopt, tooLargeText(maxSize)};

    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return {std::nullopt, germanErrorText(errno)};
    // The name may have been replaced in between: check what was really opened.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const mode_t mode = info.st_mode;
        ::close(fd);
        return {std::nullopt, notRegularText(mode)};
    }
    QByteArray bytes;
    bytes.resize(std::min<qint64>(std::max<qint64>(info.st_size, 0), maxSize) + 1);
    qint64 total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (total > maxSize) break;
            bytes.resize(std::min<qint64>(total * 2, maxSize + 1));
        }
        const ssize_t n =
            ::read(fd, bytes.data() + total, static_cast<size_t>(bytes.size() - total));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return {std::nullopt, germanErrorText(error)};
        }
        if (n == 0) break;
        total += n;
    }
    ::close(fd);
    if (total > maxSize) return {std::nullopt, tooLargeText(maxSize)};
    bytes.resize(total);
    return {std::move(bytes), QString()};
}

WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes,
                                const std::optional<WriteFault>& fault) {
    const auto failsAt = [&fault](WriteStage stage) {
        return fault && fault->stage == stage ? fault->error : 0;
    };
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temp =
        target + ".tmp" + QByteArray::number(::getpid()) + '.' + QByteArray::number(++tempCounter);

    int error = failsAt(WriteStage::Create);
    const int fd = error != 0 ? -1
                              : ::open(temp.constData(),
                                       O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) return {false, germanErrorText(error != 0 ? error : errno)};

    // The new file gets the permissions of the one it replaces.
    struct stat old {};
    if (::stat(target.constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);

    qint64 written = 0;
    const qint64 toWrite = failsAt(WriteStage::Write) != 0 ? bytes.size() / 2 : bytes.size();
    while (written < toWrite) {
        const ssize_t n =
            ::write(fd, bytes.constData() + written, static_cast<size_t>(toWrite - written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        written += n;
    }
    if (error == 0) error = failsAt(WriteStage::Write);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (error == 0) error = failsAt(WriteStage::Flush);
    closeKeepingError(fd, error);
    if (error == 0) error = failsAt(WriteStage::Rename);
    if (error == 0 && ::rename(temp.constData(), target.constData()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.constData());
        return {false, germanErrorText(error)};
    }
    // Make the rename itself durable; a failure here no longer endangers either file.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

WriteResult copyFileAtomically(const QString& from, const QString& to, qint64 maxSize) {
    const ReadResult source = readWholeFile(from, maxSize);
    if (!source) return {false, source.error};
    return writeFileAtomically(to, *source);
}

int removeStaleTemporaryFiles(const QString& folder) {
    // The temporary names of writeFileAtomically.
    static const QRegularExpression pattern(QStringLiteral("^.+\\.tmp([0-9]{1,9})\\.[0-9]+$"));
    constexpr qint64 kStaleSeconds = 3600; // a write takes milliseconds, not an hour
    int removed = 0;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({QStringLiteral("*.tmp*")}, QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (!match.hasMatch()) continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        const auto pid = static_cast<pid_t>(match.captured(1).toLong());
        const bool writerRunning = pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
        const bool old = ::time(nullptr) - info.st_mtime > kStaleSeconds;
        if ((!writerRunning || old) && ::unlink(path.constData()) == 0) ++removed;
    }
    return removed;
}

WriteResult renameFileNoReplace(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return {};
    int error = errno;
    if (error == EINVAL || error == ENOSYS) {
        // A file system without RENAME_NOREPLACE: look first, then rename.
        struct stat info {};
        if (::lstat(target.constData(), &info) == 0) return {false, germanErrorText(EEXIST)};
        if (::rename(source.constData(), target.constData()) == 0) return {};
        error = errno;
    }
    return {false, germanErrorText(error)};
}
