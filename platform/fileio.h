// Reading and writing whole files safely, by path: reads that refuse what no game file can
// be (a pipe, a device, a folder, a file far larger than its format), atomic writes that
// keep the old file whole when the new one cannot be written completely, and German
// reasons for every failure. Used by the platforms' file operations and by whoever copies
// files outside the working directory.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Result of writing a file.
struct WriteResult {
    bool ok = true;
    QString error; // why not, in German, when !ok
};

// Result of reading a file: the bytes, or why not (in German). Reads like an optional.
struct ReadResult {
    std::optional<QByteArray> bytes;
    QString error;

    explicit operator bool() const { return bytes.has_value(); }
    bool has_value() const { return bytes.has_value(); }
    const QByteArray& operator*() const { return *bytes; }
    QByteArray& operator*() { return *bytes; }
    const QByteArray* operator->() const { return &*bytes; }
    operator std::optional<QByteArray>() const { return bytes; } // NOLINT: reads as optional
    friend bool operator==(const ReadResult& r, const QByteArray& b) { return r.bytes == b; }
};

// Largest file any reader takes unless it names a smaller limit.
constexpr qint64 kDefaultReadLimit = 64 * 1024 * 1024;

// The stages of an atomic write, for tests that make one of them fail.
enum class WriteStage { Create, Write, Flush, Rename };
struct WriteFault {
    WriteStage stage = WriteStage::Write;
    int error = 28; // errno to report; ENOSPC
};

// The German text of a system error number (errno).
QString germanErrorText(int error);

// Reads the regular file at path, at most maxSize bytes. Pipes, devices, folders and
// larger files are refused without reading them.
ReadResult readWholeFile(const QString& path, qint64 maxSize = kDefaultReadLimit);

// Writes bytes to path through a temporary file in the same folder that is flushed to
// the disk and checked before it replaces the old file, so the old file stays whole when
// anything fails. Keeps the old file's permissions. `fault` makes one stage fail (tests).
WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes,
                                const std::optional<WriteFault>& fault = std::nullopt);

// Copies the regular file `from` to `to` atomically (at most maxSize bytes).
WriteResult copyFileAtomically(const QString& from, const QString& to,
                               qint64 maxSize = kDefaultReadLimit);

// Removes what atomic writes in `folder` left behind when the program was killed in the
// middle of one: regular files named "<file>.tmp<process id>.<number>" whose writer is no
// longer running, or that are older than an hour. Returns how many were removed.
int removeStaleTemporaryFiles(const QString& folder);

// Renames `from` to `to` unless `to` exists (never replaces a file).
WriteResult renameFileNoReplace(const QString& from, const QString& to);
