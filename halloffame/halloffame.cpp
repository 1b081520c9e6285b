// The hall of fame of the running game: "Champions.Rhm" read at start and written after each
// accepted change, the ranking of a solved timed game (called by updateClock), the name
// dialog and the hall-of-fame window (also menu 50).
#include "halloffame/halloffame.h"

#include "app/game.h"
#include "halloffame/forms.h"

#include <QByteArray>
#include <QLineEdit>
#include <QString>

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

const QString kFileName = QStringLiteral("Champions.Rhm");
// A damaged file is kept here before anything can overwrite it.
const QString kDamagedCopyName = QStringLiteral("Champions.Rhm.bak");

void showProblem(Game& g, const QString& text) {
    g.platform.messageBox(text, QStringLiteral("OK"), 1, MessageIcon::Warning);
}

} // namespace

void loadHallOfFame(Game& g) {
    if (!g.platform.fileExists(kFileName)) {
        clearHallOfFame(g.hallOfFame);
        return;
    }
    const std::optional<QByteArray> bytes = g.platform.readFile(kFileName);
    if (!bytes) {
        clearHallOfFame(g.hallOfFame);
        showProblem(g, QStringLiteral("Die Ruhmeshalle „%1“ kann nicht gelesen werden.\n"
                                      "Die Bestenlisten bleiben für dieses Spiel leer.")
                           .arg(kFileName));
        return;
    }
    const std::vector<unsigned char> image(bytes->begin(), bytes->end());
    if (decodeHallOfFame(image, g.hallOfFame)) return;
    // Keep the damaged original, so that saving the readable part loses nothing.
    const WriteResult copy = g.platform.writeFile(kDamagedCopyName, *bytes);
    showProblem(g, QStringLiteral("Die Ruhmeshalle „%1“ ist beschädigt.\n"
                                  "Alle lesbaren Einträge wurden übernommen.%2")
                       .arg(kFileName, copy.ok ? QStringLiteral("\nDie Originaldatei wurde als "
                                                                "„%1“ gesichert.")
                                                     .arg(kDamagedCopyName)
                                               : QString()));
}

void saveHallOfFame(Game& g) {
    const std::vector<unsigned char> image = encodeHallOfFame(g.hallOfFame);
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()),
                           static_cast<qsizetype>(image.size()));
    const WriteResult result = g.platform.writeFile(kFileName, bytes);
    if (!result.ok)
        showProblem(g, QStringLiteral("Die Ruhmeshalle konnte nicht in „%1“ gespeichert werden.\n"
                                      "%2")
                           .arg(kFileName, result.error));
}

void enterHallOfFame(Game& g) {
    HallOfFame& table = g.hallOfFame;
    table.nameAccepted = false;
    const int d = difficultyIndex(g.difficulty);
    std::string finishTime;
    {
        std::lock_guard<std::mutex> lock(g.clock.mutex);
        finishTime = g.clock.finishTime;
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
    const auto form = std::make_unique<ChampForm>(g);
    form->ed1->setText(QString::fromStdString(g.hallOfFame.championName));
    form->ed1->selectAll();
    form->ed1->setFocus();
    g.dialogDone = false;
    g.platform.runModal(form.get(), QPoint(238, 281), [&g] { return g.dialogDone; });
}

void showHallOfFame(Game& g) {
    const auto form = std::make_unique<RuhmForm>(g); // building it runs ruhm_Load
    g.dialogDone = false;
    g.platform.runModal(form.get(), QPoint(200, 184), [&g] { return g.dialogDone; });
    // The release of an Esc key that closed the window must not also end a running game.
    g.escapeConsumed = true;
}
