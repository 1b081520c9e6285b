// The hall of fame of the running game: "Champions.Rhm" read at start and written after each
// accepted change, the ranking of a solved timed game (called by updateClock), the name
// dialog and the hall-of-fame window (also menu 50).
#include "halloffame/halloffame.h"
#include "halloffame/parts.h"

#include "session/game.h"
#include "session/modal.h"
#include "halloffame/damagedfile.h"
#include "halloffame/forms.h"
#include "halloffame/savelock.h"

#include <QByteArray>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

const QString kFileName = QStringLiteral("Champions.Rhm");
// Two running games save one after the other under this lock file.
const QString kLockName = QStringLiteral("Champions.Rhm.lock");
// A hall-of-fame file is 120 short lines; anything far larger is no such file.
constexpr qint64 kReadLimit = 1024 * 1024;

// The lists in the file as it is now, for merging before a save. A file that cannot be
// read, or is damaged and not yet kept as a backup, is moved aside first, so the save
// cannot destroy it. False (after a message) when that is not possible.
bool readFileForMerge(Game& g, HallOfFameLists& lists) {
    lists = {};
    if (!g.platform.fileExists(kFileName)) return true;
    const ReadResult bytes = g.platform.readFile(kFileName, kReadLimit);
    HallOfFame table;
    clearHallOfFame(table);
    bool intact = false;
    if (bytes) {
        intact = decodeHallOfFame(std::vector<unsigned char>(bytes->begin(), bytes->end()), table);
        lists = hallOfFameLists(table);
        if (intact || !backupHolding(g, kFileName, *bytes, kReadLimit).isEmpty()) return true;
    }
    return setDamagedFileAside(
        g, kFileName,
        FameTexts::tr("Die Ruhmeshalle „%1“ ist unlesbar oder beschädigt und konnte nicht "
                      "beiseitegelegt werden.\n%2\nDie Ruhmeshalle wurde nicht gespeichert."),
        FameTexts::tr("Die unlesbare oder beschädigte Ruhmeshalle „%1“ wurde als „%2“ "
                      "beiseitegelegt."));
}

} // namespace

void loadHallOfFame(Game& g) {
    clearHallOfFame(hallOfFame(g));
    hallOfFame(g).fileLists = {};
    if (!g.platform.fileExists(kFileName)) return;
    const ReadResult bytes = g.platform.readFile(kFileName, kReadLimit);
    if (!bytes) {
        g.platform.warning(FameTexts::tr("Die Ruhmeshalle „%1“ kann nicht gelesen werden.\n%2\n"
                                         "Die Bestenlisten bleiben für dieses Spiel leer.")
                               .arg(kFileName, bytes.error));
        return;
    }
    const std::vector<unsigned char> image(bytes->begin(), bytes->end());
    const bool intact = decodeHallOfFame(image, hallOfFame(g));
    hallOfFame(g).fileLists = hallOfFameLists(hallOfFame(g));
    if (intact) return;
    // Keep the damaged original, so that saving the readable part loses nothing.
    keepDamagedOriginal(g, kFileName, *bytes, kReadLimit,
                        FameTexts::tr("Die Ruhmeshalle „%1“ ist beschädigt.\n"
                                      "Alle lesbaren Einträge wurden übernommen.\n%2"));
}

void saveHallOfFame(Game& g) {
    HallOfFame& table = hallOfFame(g);
    // Another running game may save at the same moment: read, merge and write under a lock.
    const SaveLock lock(g.platform.filePath(kLockName));
    if (lock.outcome() == SaveLock::Outcome::NotAFile) {
        // Save without a lock, and say why once.
        if (!table.lockProblemShown)
            g.platform.warning(FameTexts::tr("„%1“ ist keine Sperrdatei, sondern %2. Die "
                                             "Ruhmeshalle wird deshalb ohne Sperre gespeichert; "
                                             "speichern zwei Spiele zugleich, kann ein Eintrag "
                                             "verloren gehen.\nBitte „%1“ entfernen.")
                                   .arg(kLockName, lock.isFolder()
                                                       ? FameTexts::tr("ein Ordner")
                                                       : FameTexts::tr("keine gewöhnliche Datei")));
        table.lockProblemShown = true;
    } else if (lock.outcome() == SaveLock::Outcome::HeldByOther) {
        g.platform.warning(FameTexts::tr("Die Ruhmeshalle konnte nicht gespeichert werden, weil "
                                         "ein anderes Spiel sie gerade speichert.\nBitte später "
                                         "noch einmal versuchen."));
        return;
    }
    // A lock file that cannot be made at all (a full disk, a read-only folder) does not
    // stop the save; the write below reports its own reason.
    HallOfFameLists file;
    if (!readFileForMerge(g, file)) return;
    const HallOfFameLists merged =
        mergeHallOfFameLists(table.fileLists, hallOfFameLists(table), file);
    HallOfFame result;
    setHallOfFameLists(result, merged);
    const std::vector<unsigned char> image = encodeHallOfFame(result);
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()),
                           static_cast<qsizetype>(image.size()));
    const WriteResult written = g.platform.writeFile(kFileName, bytes);
    // The lists on screen show the merge either way; the file knows them only when written.
    setHallOfFameLists(table, merged);
    if (written.ok) {
        table.fileLists = merged;
        return;
    }
    const bool stillThere = g.platform.fileExists(kFileName);
    table.fileLists = stillThere ? file : HallOfFameLists{};
    g.platform.warning(
        FameTexts::tr("Die Ruhmeshalle konnte nicht in „%1“ gespeichert werden.\n"
                      "%2%3")
            .arg(kFileName, written.error,
                 stillThere ? FameTexts::tr("\nDie Datei bleibt, wie sie war.") : QString()));
}

void enterHallOfFame(Game& g) {
    // The hall of fame holds the defined levels; a generated level's best times are kept
    // with the statistics (noteGameResult).
    if (g.state.origin.level >= 0) return;
    HallOfFame& table = hallOfFame(g);
    table.nameAccepted = false;
    const int d = difficultyIndex(g.state.difficulty);
    std::string finishTime;
    {
        std::lock_guard<std::mutex> lock(g.state.clock.mutex);
        finishTime = g.state.clock.finishTime;
    }
    // Cancelling the name dialog must leave the lists as they were. Restoring this copy does
    // what reading the file back would do, and also when an earlier save had failed.
    const HallOfFameColumn names = table.hallOfFameName, dates = table.hallOfFameDate,
                           times = table.hallOfFameTime;
    for (int rank = 1; rank <= kHallOfFameRanks; ++rank) {
        // An equal time does not qualify: a new time goes below all equal older ones.
        if (!timeIsBetter(finishTime, table.hallOfFameTime[d][rank])) continue;
        askChampionName(g);
        for (int j = kHallOfFameRanks - 1; j >= rank; --j) {
            table.hallOfFameName[d][j + 1] = table.hallOfFameName[d][j];
            table.hallOfFameDate[d][j + 1] = table.hallOfFameDate[d][j];
            table.hallOfFameTime[d][j + 1] = table.hallOfFameTime[d][j];
        }
        table.hallOfFameName[d][rank] = table.championName;
        table.hallOfFameDate[d][rank] = g.platform.dateText().toStdString();
        table.hallOfFameTime[d][rank] = finishTime;
        break;
    }
    if (table.nameAccepted) {
        saveHallOfFame(g);
    } else {
        table.hallOfFameName = names;
        table.hallOfFameDate = dates;
        table.hallOfFameTime = times;
    }
    showHallOfFame(g);
}

void askChampionName(Game& g) {
    askChampionName(g, QString(), QString());
}

void askChampionName(Game& g, const QString& title, const QString& prompt) {
    const auto form = std::make_unique<ChampForm>(g);
    if (!title.isEmpty()) form->setWindowTitle(title);
    if (!prompt.isEmpty()) form->lbl2->setText(prompt);
    form->ed1->setText(QString::fromStdString(hallOfFame(g).championName));
    form->ed1->selectAll();
    form->ed1->setFocus();
    // A name being typed is finished before the close box asks to quit.
    form->setProperty(kWaitsOnCloseProperty, true);
    runGameDialog(g, form.get(), QPoint(238, 281));
}

void showHallOfFame(Game& g) {
    const auto form = std::make_unique<RuhmForm>(g); // building it runs ruhm_Load
    form->listCleared = [&g] {
        saveHallOfFame(g);
        showHallOfFame(g);
    };
    runGameDialog(g, form.get(), QPoint(200, 184));
    // The release of an Esc key that closed the window must not also end a running game.
    consumeEscape(g);
}
