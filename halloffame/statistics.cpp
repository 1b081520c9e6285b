// The results of the running game: "Statistik.txt" beside "Champions.Rhm" (never touching
// it), read at start and merged into under a lock after every recorded game, so that two
// games running at once lose no result; a damaged file is kept aside first. The window
// "Statistik" shows the results per level, the streaks of puzzles of the day and the
// generated levels' best times. Called by start-up, the menu commands and the game loops.
#include "halloffame/statistics.h"
#include "halloffame/parts.h"

#include "session/game.h"
#include "session/modal.h"
#include "halloffame/damagedfile.h"
#include "halloffame/forms.h"
#include "halloffame/halloffame.h"
#include "halloffame/savelock.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>

#include <memory>
#include <mutex>

namespace {

const QString kFileName = QStringLiteral("Statistik.txt");
const QString kLockName = QStringLiteral("Statistik.txt.lock");
// A statistics file is a few hundred lines at most; anything far larger is no such file.
constexpr qint64 kReadLimit = 1024 * 1024;

std::vector<unsigned char> image(const QByteArray& bytes) {
    return {bytes.begin(), bytes.end()};
}

const char* const kNewerText = QT_TRANSLATE_NOOP(
    "FameTexts",
    "Die Statistik „%1“ stammt von einer neueren Version des Spiels. Sie bleibt unverändert; "
    "die Ergebnisse dieses Spiels werden nicht darin festgehalten.");

// The file as it is now, for merging before a save. A missing file counts as the one this
// game knows (what the game holds is written anew). A file that cannot be read, or is
// damaged and not yet kept as a backup, is moved aside first, so the save cannot destroy
// it. False (after a message) when the save must not go on.
bool readFileForMerge(Game& g, Statistics& file) {
    StatisticsState& s = statisticsState(g);
    file = s.onFile;
    if (!g.platform.fileExists(kFileName)) return true;
    const ReadResult bytes = g.platform.readFile(kFileName, kReadLimit);
    if (bytes) {
        switch (decodeStatistics(image(*bytes), file)) {
        case StatisticsRead::Intact:
            return true;
        case StatisticsRead::FutureVersion:
            s.readOnly = true;
            g.platform.warning(FameTexts::tr(kNewerText).arg(kFileName));
            return false;
        case StatisticsRead::Damaged:
            if (!backupHolding(g, kFileName, *bytes, kReadLimit).isEmpty()) return true;
            break;
        }
    }
    return setDamagedFileAside(
        g, kFileName,
        FameTexts::tr("Die Statistik „%1“ ist unlesbar oder beschädigt und konnte nicht "
                      "beiseitegelegt werden.\n%2\nDie Statistik wurde nicht gespeichert."),
        FameTexts::tr("Die unlesbare oder beschädigte Statistik „%1“ wurde als „%2“ "
                      "beiseitegelegt."));
}

// Today as yyyymmdd, from the platform's date text (dd.MM.yyyy); 0 when it is no date.
int today(Game& g) {
    const QDate date = QDate::fromString(g.platform.dateText(), QStringLiteral("dd.MM.yyyy"));
    return date.isValid() ? date.year() * 10000 + date.month() * 100 + date.day() : 0;
}

// A timed generated game's final time on its best-times list, with the name asked in champ
// (cancelling it leaves the list as it was).
void enterBestTime(Game& g, int generatedLevel, const std::string& finishTime) {
    BestTimeList& list =
        statisticsState(g).stats.bestTimes[static_cast<std::size_t>(generatedLevel)];
    if (bestTimeRank(list, finishTime) == 0) return;
    HallOfFame& table = hallOfFame(g);
    table.nameAccepted = false;
    askChampionName(g, FameTexts::tr("Bestzeiten"),
                    FameTexts::tr("Neue Bestzeit für „%1“!\nBitte geben Sie Ihren "
                                  "Namen ein:")
                        .arg(generatedLevelText(generatedLevel)));
    if (!table.nameAccepted) return;
    insertBestTime(list, {table.championName, g.platform.dateText().toStdString(), finishTime});
}

} // namespace

QString statisticsFileName() {
    return kFileName;
}

int currentResultLevel(const Game& g) {
    if (g.state.origin.level >= 0 && g.state.origin.level < kGeneratedLevelCount)
        return 4 + g.state.origin.level;
    return difficultyIndex(g.state.difficulty);
}

void loadStatistics(Game& g) {
    StatisticsState& s = statisticsState(g);
    s.stats = s.onFile = {};
    if (!g.platform.fileExists(kFileName)) return;
    const ReadResult bytes = g.platform.readFile(kFileName, kReadLimit);
    if (!bytes) {
        g.platform.warning(FameTexts::tr("Die Statistik „%1“ kann nicht gelesen werden.\n%2\n"
                                         "Sie bleibt für dieses Spiel leer.")
                               .arg(kFileName, bytes.error));
        return;
    }
    Statistics read;
    switch (decodeStatistics(image(*bytes), read)) {
    case StatisticsRead::Intact:
        s.stats = s.onFile = read;
        return;
    case StatisticsRead::FutureVersion:
        s.readOnly = true;
        g.platform.warning(FameTexts::tr(kNewerText).arg(kFileName));
        return;
    case StatisticsRead::Damaged:
        break;
    }
    s.stats = s.onFile = read;
    // Keep the damaged original, so that saving the readable part loses nothing.
    keepDamagedOriginal(g, kFileName, *bytes, kReadLimit,
                        FameTexts::tr("Die Statistik „%1“ ist beschädigt.\n"
                                      "Alle lesbaren Einträge wurden übernommen.\n%2"));
}

bool saveStatistics(Game& g) {
    StatisticsState& s = statisticsState(g);
    if (s.readOnly) return false;
    const SaveLock lock(g.platform.filePath(kLockName));
    if (lock.outcome() == SaveLock::Outcome::NotAFile) {
        // Save without a lock, and say so once.
        if (!s.lockProblemShown)
            g.platform.warning(FameTexts::tr("„%1“ ist keine Sperrdatei. Die Statistik wird "
                                             "deshalb ohne Sperre gespeichert; speichern zwei "
                                             "Spiele zugleich, kann ein Ergebnis verloren gehen.\n"
                                             "Bitte „%1“ entfernen.")
                                   .arg(kLockName));
        s.lockProblemShown = true;
    } else if (lock.outcome() == SaveLock::Outcome::HeldByOther) {
        g.platform.warning(FameTexts::tr("Die Statistik konnte nicht gespeichert werden, weil ein "
                                         "anderes Spiel sie gerade speichert. Das Ergebnis wird "
                                         "mit dem nächsten gespeichert."));
        return false;
    }
    Statistics file;
    if (!readFileForMerge(g, file)) return false;
    const Statistics merged = mergeStatistics(s.onFile, s.stats, file);
    const std::vector<unsigned char> bytes = encodeStatistics(merged);
    const WriteResult written =
        g.platform.writeFile(kFileName, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                   qsizetype(bytes.size())));
    s.stats = merged; // shown either way; the file knows it only when written
    if (written.ok) {
        s.onFile = merged;
        s.failureShown = false;
        return true;
    }
    s.onFile = file;
    // Said once, not at every game while the disk stays full; the results wait in memory.
    if (s.failureShown) return false;
    s.failureShown = true;
    g.platform.warning(FameTexts::tr("Die Statistik konnte nicht in „%1“ gespeichert werden.\n%2")
                           .arg(kFileName, written.error));
    return false;
}

void recordGameStarted(Game& g) {
    g.state.resultLevel = currentResultLevel(g);
    g.state.hintUsed = false;
    recordStart(statisticsState(g).stats, g.state.resultLevel);
    saveStatistics(g);
}

void stopCountingGame(Game& g) {
    g.state.resultLevel = -1;
}

void noteGameResult(Game& g) {
    if (g.state.resultLevel < 0 || g.state.board.status.verdict != Verdict::Solved) return;
    // A game counts for the kind of level it was started at: a generated puzzle set up
    // without being recorded must not count for the defined game before it, or back.
    if ((g.state.resultLevel >= 4) != (g.state.origin.level >= 0)) {
        g.state.resultLevel = -1;
        return;
    }
    const int level = g.state.resultLevel;
    g.state.resultLevel = -1; // counted once, whatever follows (undo, Neustart)
    std::string finishTime;
    {
        std::lock_guard<std::mutex> lock(g.state.clock.mutex);
        finishTime = g.state.clock.finishTime;
    }
    if (timeTenths(finishTime) <= 0) finishTime.clear(); // untimed
    const int daily = level >= 4 ? g.state.origin.dailyDate : 0;
    recordSolve(statisticsState(g).stats, level, g.state.hintUsed, finishTime, daily);
    const bool bestTimes = level >= 4 && !finishTime.empty();
    if (bestTimes) enterBestTime(g, level - 4, finishTime);
    saveStatistics(g);
    // As the hall of fame shows itself after every solved timed game of a defined level.
    if (bestTimes) showStatistics(g);
}

void showStatistics(Game& g) {
    const auto form = std::make_unique<StatistikForm>(g, today(g));
    runGameDialog(g, form.get(), QPoint(120, 120));
    consumeEscape(g); // the Esc that closed the window does not end a running game
}
