// The installed data folder found from the program's folder, and the per-user copies of
// the collections and the manual: refreshed when the installed ones are newer, the
// player's own files never touched, a failed copy reported and the old copy kept.
#include "app/userdata.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes, const QDateTime& modified) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

const QDateTime kOld = QDateTime::fromSecsSinceEpoch(1'600'000'000);
const QDateTime kNew = QDateTime::fromSecsSinceEpoch(1'700'000'000);

} // namespace

TEST(UserData, InstalledDataIsFoundFromTheProgramsFolderUnderAnyPrefix) {
    struct Case {
        const char* dataDir; // created under the prefix, or nullptr
        const char* programDir;
        const char* expected; // relative to the prefix, or "" for none
    } cases[] = {
        {"share/quintor", "bin", "share/quintor"},
        {"share/quintor", "games", "share/quintor"}, // /usr/games beside /usr/share
        {"share/games/quintor", "games", "share/games/quintor"},
        {nullptr, "bin", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.programDir + std::string(" ") + (c.dataDir ? c.dataDir : "-"));
        QTemporaryDir prefix;
        const QDir root(prefix.path());
        root.mkpath(QLatin1String(c.programDir));
        if (c.dataDir) root.mkpath(QLatin1String(c.dataDir));
        const QString found = installedDataDir(root.filePath(QLatin1String(c.programDir)));
        const QString expected =
            *c.expected ? QDir(root.filePath(QLatin1String(c.expected))).canonicalPath()
                        : QString();
        EXPECT_EQ(found, expected);
    }
}

TEST(UserData, CopiesMissingAndOlderFilesAndNeverThePlayersOwn) {
    QTemporaryDir installed, user;
    const QDir in(installed.path()), own(user.path());
    for (const char* name : {"leicht.qnt", "mittel.qnt", "schwer.qnt", "extrem.qnt", "Quintor.chm",
                             "Quintor_en.hlp", "brett.qnt", "Champions.Rhm"})
        writeFile(in.filePath(QLatin1String(name)), QByteArray("installed ") + name, kNew);
    // mittel: an older copy (refreshed); schwer: a copy as new as the installed file (kept);
    // the player's own files stand beside them and stay as they are.
    writeFile(own.filePath("mittel.qnt"), "old mittel", kOld);
    writeFile(own.filePath("schwer.qnt"), "same age schwer", kNew);
    writeFile(own.filePath("brett.qnt"), "player's boards", kOld);
    writeFile(own.filePath("Champions.Rhm"), "player's champions", kOld);

    EXPECT_TRUE(refreshUserData(installed.path(), user.path()).isEmpty());
    EXPECT_EQ(readFile(own.filePath("leicht.qnt")), "installed leicht.qnt");
    EXPECT_EQ(readFile(own.filePath("mittel.qnt")), "installed mittel.qnt");
    EXPECT_EQ(readFile(own.filePath("schwer.qnt")), "same age schwer");
    EXPECT_EQ(readFile(own.filePath("extrem.qnt")), "installed extrem.qnt");
    EXPECT_EQ(readFile(own.filePath("Quintor.chm")), "installed Quintor.chm");
    EXPECT_EQ(readFile(own.filePath("Quintor_en.hlp")), "installed Quintor_en.hlp");
    EXPECT_EQ(readFile(own.filePath("brett.qnt")), "player's boards");
    EXPECT_EQ(readFile(own.filePath("Champions.Rhm")), "player's champions");
    // A copy carries the installed file's time, so the next start copies nothing.
    EXPECT_EQ(QFileInfo(own.filePath("leicht.qnt")).lastModified(), kNew);
    writeFile(own.filePath("leicht.qnt"), "kept", kNew);
    EXPECT_TRUE(refreshUserData(installed.path(), user.path()).isEmpty());
    EXPECT_EQ(readFile(own.filePath("leicht.qnt")), "kept");
}

TEST(UserData, AFailedCopyIsReportedInGermanAndKeepsTheOldCopy) {
    QTemporaryDir installed, user;
    const QDir in(installed.path()), own(user.path());
    // Installed files newer than anything in the user's folder, the folder below included.
    const QDateTime installedTime = QDateTime::currentDateTime().addDays(1);
    writeFile(in.filePath("leicht.qnt"), "new leicht", installedTime);
    writeFile(in.filePath("mittel.qnt"), "new mittel", installedTime);
    // leicht.qnt cannot be replaced: a folder stands in its place.
    own.mkpath(QStringLiteral("leicht.qnt/inside"));
    // mittel.qnt: an old copy in a folder without write permission (not for root).
    writeFile(own.filePath("mittel.qnt"), "old mittel", kOld);
    const bool root = geteuid() == 0;
    if (!root) QFile::setPermissions(user.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    const QStringList messages = refreshUserData(installed.path(), user.path());
    QFile::setPermissions(user.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(messages.size(), root ? 1 : 2) << messages.join('|').toStdString();
    EXPECT_TRUE(messages[0].startsWith(
        QStringLiteral("Die Datei \"leicht.qnt\" konnte nicht nach \"%1\" kopiert werden.\n")
            .arg(user.path())))
        << messages[0].toStdString();
    EXPECT_TRUE(QFileInfo(own.filePath("leicht.qnt/inside")).isDir());
    if (!root) {
        EXPECT_TRUE(messages[1].contains(QStringLiteral("Zugriff wurde verweigert")));
        EXPECT_TRUE(messages[1].endsWith(QStringLiteral("Die bisherige Kopie bleibt erhalten.")));
    }
    EXPECT_EQ(readFile(own.filePath("mittel.qnt")), root ? "new mittel" : "old mittel");
    EXPECT_EQ(own.entryList(QDir::Files | QDir::Hidden), QStringList{"mittel.qnt"});
}
