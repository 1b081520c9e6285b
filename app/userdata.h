// The installed data folder and the per-user copies of its collections and manual; called by
// enterWorkingDirectory at start-up.
#pragma once

#include <QString>
#include <QStringList>

// The folder of the installed collections and manual, found from the program's own folder
// (`programDir`), whatever prefix the game was installed under: `../share/quintor` (program
// in bin/ or games/) or `../share/games/quintor`. Empty when neither exists.
QString installedDataDir(const QString& programDir);

// Brings the per-user copies in `userDir` up to date: every collection file and manual file
// of `installedDir` that is missing there, or older than the installed one, is copied. The
// player's own files (`brett.qnt`, `Champions.Rhm`) are never copied or touched. A copy
// replaces the old one only when complete; each copy that failed leaves the old one as it
// was and yields a German message, which are returned (empty when everything went well).
QStringList refreshUserData(const QString& installedDir, const QString& userDir);
