// The player's results in the game: games started and solved through the real commands,
// hints, the solver's boards, a generated game's best times and streak with the window
// "Statistik", resume keeping the hint, two games writing "Statistik.txt" and a damaged one.
#include "app/menu.h"
#include "halloffame/parts.h"
#include "files/resume.h"
#include "halloffame/forms.h"
#include "halloffame/statistics.h"
#include "panels/info.h"
#include "play/playloop.h"
#include "play_helpers.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace play_test;

namespace {

QByteArray readRaw(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the window statistik showed.
struct Shown {
    QStringList kenner; // the row of the level Kenner
    QString streak;
    int bestTab = -1;
    QStringList bestFirst; // the first line of the shown best-times tab
};

struct StatsWorld : PointerWorld {
    Game& game = g();
    std::vector<Shown> shown;
    QString champTitle;
    std::function<void()> pending; // run at the next event a game loop takes

    StatsWorld() {
        clearHallOfFame(hallOfFame(game));
        platform.onEvent = [this](const Event&) {
            if (!pending) return;
            const std::function<void()> run = std::move(pending);
            pending = nullptr;
            run();
        };
        platform.onModal = [this](QWidget* form) {
            const QString name = form->objectName();
            if (name == QStringLiteral("champ")) {
                champTitle = form->windowTitle();
                form->findChild<QLineEdit*>(QStringLiteral("ed1"))->setText(QStringLiteral("Bea"));
                form->findChild<QPushButton*>(QStringLiteral("cmd5"))->click();
            } else if (name == QStringLiteral("ruhm")) {
                joinClockTicker(game);
                form->findChild<QPushButton*>(QStringLiteral("cmd3"))->click();
            } else {
                ASSERT_EQ(name, QStringLiteral("statistik"));
                joinClockTicker(game);
                auto* levels = form->findChild<QTreeWidget*>(QStringLiteral("lvLevels"));
                auto* tabs = form->findChild<QTabWidget*>(QStringLiteral("tbsBest"));
                Shown s;
                const QTreeWidgetItem* row = levels->topLevelItem(6);
                for (int i = 0; i < levels->columnCount(); ++i) s.kenner << row->text(i);
                s.streak = form->findChild<QLabel*>(QStringLiteral("lblStreak"))->text();
                s.bestTab = tabs->currentIndex();
                auto* best =
                    form->findChild<QTreeWidget*>(QStringLiteral("lvBest%1").arg(s.bestTab + 1));
                if (best->topLevelItemCount() > 0)
                    for (int i = 0; i < 4; ++i) s.bestFirst << best->topLevelItem(0)->text(i);
                shown.push_back(s);
                form->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
            }
        };
    }

    // Once the game loop takes its first event, the player has filled every open cell but
    // one, `seconds` after the start; the script enters the last one (after a hint when
    // asked) and leaves.
    void solveAtFirstEvent(double seconds, bool hint = false) {
        platform.move(5, 5);
        pending = [this, seconds, hint] {
            Board& b = game.state.board;
            int last = -1;
            for (int i = 0; i < kBlockSize; ++i) {
                const int gr = i % 5, c = i / 5 % 10, r = i / 50;
                if (c == 0 || r == 0 || b.givenValue.bytes[i] != 0) continue;
                if (last < 0 && gr == 0)
                    last = i;
                else
                    b.cellValue.bytes[i] = b.solutionValue.bytes[i];
            }
            ASSERT_GE(last, 0);
            {
                std::lock_guard<std::mutex> lock(platform.timeMutex);
                platform.time += seconds;
            }
            if (hint) platform.key('T');
            click(0, last / 5 % 10, last / 50);
            platform.typed('0' + b.solutionValue.bytes[static_cast<std::size_t>(last)]);
            abbruch(); // an Esc would close the window shown after the solve only
        };
    }

    QByteArray file() const { return readRaw(platform.path(statisticsFileName())); }
};

} // namespace

TEST(StatisticsPlay, NewGamesCountAndEachSolveOnceWithItsTimeAndHint) {
    StatsWorld w;
    Game& g = w.game;
    w.platform.copyDataFile(QStringLiteral("mittel.qnt"));
    g.state.difficulty = Difficulty::Mittel;

    // A timed game solved without a hint: the hall of fame as defined, then the results.
    w.solveAtFirstEvent(754.3);
    Win_0_MenuEvent(g, menuNumber(MenuId::NewGame));
    joinClockTicker(g);
    EXPECT_EQ(w.platform.modalForms, (std::vector<QString>{"champ", "ruhm"}));
    EXPECT_EQ(hallOfFame(g).hallOfFameTime[1][1], "00:12:34.3");
    EXPECT_TRUE(w.file().contains("\nStufe\tmittel\t1\t1\t1\t1\t7543\t7543\n")) << w.file().data();

    // A hint stops the clock; the game solved after it counts, untimed and with a hint.
    w.platform.modalForms.clear();
    w.platform.answers = {1}; // "Ein Tipp beendet die Zeitmessung. Trotzdem?" &JA
    w.solveAtFirstEvent(100, true);
    Win_0_MenuEvent(g, menuNumber(MenuId::NewGame));
    joinClockTicker(g);
    EXPECT_TRUE(w.platform.modalForms.empty());
    EXPECT_TRUE(w.file().contains("\nStufe\tmittel\t2\t2\t1\t1\t7543\t7543\n")) << w.file().data();

    // A board the solver finished is no result of the player's, also when played on.
    w.platform.key(kKeyEsc);
    Win_0_MenuEvent(g, menuNumber(MenuId::NewGame));
    joinClockTicker(g);
    Win_0_MenuEvent(g, menuNumber(MenuId::SolveBoard));
    ASSERT_EQ(g.state.board.status.verdict, Verdict::Solved);
    w.platform.move(5, 5);
    w.platform.key(kKeyEsc);
    Win_0_MenuEvent(g, menuNumber(MenuId::StartGame));
    const LevelResults& mittel = statisticsState(g).stats.levels[1];
    EXPECT_EQ(mittel.started, 3);
    EXPECT_EQ(mittel.solved, 2);
    EXPECT_EQ(mittel.solvedWithoutHint, 1);
    EXPECT_EQ(mittel.timedSolved, 1);
    EXPECT_EQ(g.state.resultLevel, -1);
    EXPECT_TRUE(w.platform.messages.size() == 1) << "only the hint's question";
}

TEST(StatisticsPlay, AGeneratedGameKeepsItsBestTimesAndStreakApartFromTheHallOfFame) {
    StatsWorld w;
    Game& g = w.game;
    fillSolvedBoard(g.state.board);
    for (auto [gr, c, r] : OpenCellsWorld::kOpen) openCell(g.state.board, gr, c, r);
    g.state.origin = {static_cast<int>(GeneratedLevel::Kenner), 20261208};
    recordGameStarted(g);
    startGameClock(g);
    w.solveAtFirstEvent(61.0);
    playLoop(g);
    joinClockTicker(g);

    EXPECT_EQ(w.platform.modalForms, (std::vector<QString>{"champ", "statistik"}));
    EXPECT_EQ(w.champTitle, QStringLiteral("Bestzeiten"));
    EXPECT_FALSE(w.platform.fileExists(QStringLiteral("Champions.Rhm")));
    ASSERT_EQ(w.shown.size(), 1u);
    EXPECT_EQ(w.shown[0].kenner,
              (QStringList{"Kenner", "1", "1", "1", "00:01:01.0", "00:01:01.0"}));
    // Yesterday's puzzle of the day solved; today's still open (the date is 09.12.2026).
    EXPECT_EQ(w.shown[0].streak,
              QStringLiteral("Rätsel des Tages: 1 Tag in Folge, längste Serie 1 Tag"));
    EXPECT_EQ(w.shown[0].bestTab, 2);
    EXPECT_EQ(w.shown[0].bestFirst, (QStringList{" 1.", "Bea", "09.12.2026", "00:01:01.0"}));
    EXPECT_TRUE(w.file().contains("\nTage\t20261208\t20261208\n"));
    EXPECT_TRUE(w.file().contains("\nBestzeit\tkenner\t00:01:01.0\t09.12.2026\tBea\n"));

    // Menu 51 shows the same window; a later start reads it all back.
    Win_0_MenuEvent(g, menuNumber(MenuId::Statistics));
    ASSERT_EQ(w.shown.size(), 2u);
    Game next(w.platform, w.canvas);
    loadStatistics(next);
    EXPECT_EQ(statisticsState(next).stats, statisticsState(g).stats);
}

TEST(StatisticsPlay, AResumedGameKeepsItsLevelAndHint) {
    StatsWorld w;
    Game& g = w.game;
    fillSolvedBoard(g.state.board);
    for (auto [gr, c, r] : OpenCellsWorld::kOpen) openCell(g.state.board, gr, c, r);
    g.state.origin = {1, 0};
    g.state.resultLevel = 5;
    g.state.hintUsed = true;
    keepGameInProgress(g);
    releaseGameInProgress(g); // as the game ends
    Game next(w.platform, w.canvas);
    w.platform.answers = {1}; // "Letztes Spiel fortsetzen?" &JA
    ASSERT_TRUE(offerResume(next));
    EXPECT_EQ(next.state.origin, g.state.origin);
    EXPECT_EQ(next.state.resultLevel, 5);
    EXPECT_TRUE(next.state.hintUsed);
}

TEST(StatisticsFiles, TwoGamesLoseNoResultAndADamagedFileIsKeptAside) {
    StatsWorld w;
    ScriptedPlatform& p = w.platform;
    Game& first = w.game;
    Game second(p, w.canvas);
    loadStatistics(first);
    loadStatistics(second);
    first.state.difficulty = Difficulty::Schwer;
    second.state.difficulty = Difficulty::Schwer;
    recordGameStarted(first);
    recordGameStarted(second);
    recordGameStarted(first);
    Game reader(p, w.canvas);
    loadStatistics(reader);
    EXPECT_EQ(statisticsState(reader).stats.levels[2].started, 3);
    EXPECT_EQ(statisticsState(second).stats.levels[2].started, 2) << "what the second has saved";
    EXPECT_TRUE(p.messages.empty());

    // A damaged file: its readable part is used, the original kept as a backup, and the
    // hall of fame left alone.
    const QByteArray champions = "not touched";
    QFile champ(p.path(QStringLiteral("Champions.Rhm")));
    ASSERT_TRUE(champ.open(QIODevice::WriteOnly));
    champ.write(champions);
    champ.close();
    const QByteArray damaged = w.file() + "Unsinn\n";
    {
        QFile f(p.path(statisticsFileName()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(damaged);
    }
    Game damagedStart(p, w.canvas);
    loadStatistics(damagedStart);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("beschädigt")));
    EXPECT_TRUE(p.messages[0].text.contains(QStringLiteral("Statistik.txt.bak")));
    EXPECT_EQ(readRaw(p.path(QStringLiteral("Statistik.txt.bak"))), damaged);
    EXPECT_EQ(statisticsState(damagedStart).stats.levels[2].started, 3);
    damagedStart.state.difficulty = Difficulty::Schwer;
    recordGameStarted(damagedStart);
    EXPECT_TRUE(w.file().contains("\nStufe\tschwer\t4\t0\t0\t0\t0\t0\n"));
    EXPECT_FALSE(w.file().contains("Unsinn"));
    EXPECT_EQ(readRaw(p.path(QStringLiteral("Champions.Rhm"))), champions);
    EXPECT_EQ(p.messages.size(), 1u) << "the backup already holds the damaged file";

    // A full disk is reported once; the results wait and go into the next write.
    p.failWrites = true;
    recordGameStarted(damagedStart);
    recordGameStarted(damagedStart);
    EXPECT_EQ(p.messages.size(), 2u);
    EXPECT_TRUE(p.messages[1].text.contains(QStringLiteral("kein Platz mehr")));
    p.failWrites = false;
    recordGameStarted(damagedStart);
    EXPECT_TRUE(w.file().contains("\nStufe\tschwer\t7\t0\t0\t0\t0\t0\n"));
}
