// The hall of fame in the game: ranking a solved timed game, the name dialog champ, the
// window ruhm with its tabs and "empty this list", and the file "Champions.Rhm".
#include "halloffame/forms.h"
#include "session/modal.h"
#include "halloffame/parts.h"
#include "halloffame/halloffame.h"
#include "panels/info.h"
#include "support/scripted_platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<QStringList>;

Rows rowsOf(const QTreeWidget* view) {
    Rows rows;
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = view->topLevelItem(i);
        rows.push_back({item->text(0), item->text(1), item->text(2), item->text(3)});
    }
    return rows;
}

// What the player saw of one window ruhm.
struct ShownList {
    int tab = -1;
    Rows rows[4];
};

// How the script answers champ: type a name and press OK, or leave without OK.
enum class ChampAnswer { Ok, Cancel, CloseBox, Escape };

struct HallOfFameWorld {
    TestWorld world;
    Game& g = world.g();
    ScriptedPlatform& platform = world.platform;
    ChampAnswer champAnswer = ChampAnswer::Ok;
    QString typedName = QStringLiteral("Anna");
    QString offeredName; // the text of ed1 when champ opened
    bool nameFieldFocused = false;
    std::vector<ShownList> shown;
    std::function<void(RuhmForm*)> onRuhm; // default: look and close with cmd3

    HallOfFameWorld() {
        clearHallOfFame(hallOfFame(g));
        platform.onModal = [this](QWidget* form) {
            if (auto* champ = qobject_cast<ChampForm*>(form)) return answerChamp(champ);
            auto* ruhm = qobject_cast<RuhmForm*>(form);
            ASSERT_NE(ruhm, nullptr);
            ShownList list;
            list.tab = ruhm->findChild<QTabWidget*>("tbs1")->currentIndex();
            for (int d = 0; d < 4; ++d)
                list.rows[d] =
                    rowsOf(ruhm->findChild<QTreeWidget*>(QStringLiteral("lv%1").arg(d + 1)));
            shown.push_back(list);
            if (onRuhm) return onRuhm(ruhm);
            ruhm->findChild<QPushButton*>("cmd3")->click();
        };
    }

    void answerChamp(ChampForm* champ) {
        auto* ed1 = champ->findChild<QLineEdit*>("ed1");
        offeredName = ed1->text();
        nameFieldFocused = champ->focusWidget() == ed1;
        ed1->setText(typedName);
        switch (champAnswer) {
        case ChampAnswer::Ok:
            champ->findChild<QPushButton*>("cmd5")->click();
            break;
        case ChampAnswer::Cancel:
            champ->findChild<QPushButton*>("cmd6")->click();
            break;
        case ChampAnswer::CloseBox:
            champ->close();
            break;
        case ChampAnswer::Escape: {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(champ, &escape);
            break;
        } break;
        }
    }

    // The clock has just finished a solved game with this final time.
    void finish(const std::string& time) {
        g.state.clock.finishTime = time;
        enterHallOfFame(g);
    }

    void fill(int d, const std::vector<std::string>& times) {
        for (std::size_t i = 0; i < times.size(); ++i) {
            hallOfFame(g).hallOfFameName[d][i + 1] =
                "P" + std::to_string(d) + std::to_string(i + 1);
            hallOfFame(g).hallOfFameDate[d][i + 1] = "01.01.2026";
            hallOfFame(g).hallOfFameTime[d][i + 1] = times[i];
        }
    }

    QByteArray file() const {
        QFile f(platform.path("Champions.Rhm"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QList<QByteArray> fileLines() const {
        QList<QByteArray> lines = file().split('\n');
        EXPECT_EQ(lines.takeLast(), QByteArray()) << "file ends with a line break";
        for (QByteArray& line : lines) {
            EXPECT_TRUE(line.endsWith('\r'));
            line.chop(1);
        }
        return lines;
    }
};

std::vector<std::string> tenTimes() {
    return {"00:01:00.0", "00:02:00.0", "00:03:00.0", "00:03:00.0", "00:05:00.0",
            "00:06:00.0", "00:07:00.0", "00:08:00.0", "00:09:00.0", "00:10:00.0"};
}

} // namespace

TEST(HallOfFame, FirstEntryIntoEmptyListsReachesListFileAndWindow) {
    HallOfFameWorld w;
    w.g.state.difficulty = Difficulty::Schwer;
    ASSERT_FALSE(QFile::exists(w.platform.path("Champions.Rhm")));
    w.finish("00:12:34.5");

    EXPECT_EQ(w.platform.modalForms, (std::vector<QString>{"champ", "ruhm"}));
    EXPECT_EQ(w.platform.modalOffsets, (std::vector<QPoint>{{238, 281}, {200, 184}}));
    EXPECT_EQ(w.offeredName, "");
    EXPECT_TRUE(w.nameFieldFocused);
    EXPECT_EQ(hallOfFame(w.g).championName, "Anna");

    const QList<QByteArray> lines = w.fileLines();
    ASSERT_EQ(lines.size(), 120);
    for (int i = 0; i < 120; ++i) {
        if (i >= 60 && i < 63) continue;
        EXPECT_EQ(lines[i], i % 3 == 2 ? "9" : "") << "line " << i + 1;
    }
    EXPECT_EQ(lines[60], "Anna");
    EXPECT_EQ(lines[61], "09.12.2026");
    EXPECT_EQ(lines[62], "00:12:34.5");

    ASSERT_EQ(w.shown.size(), 1u);
    EXPECT_EQ(w.shown[0].tab, 2);
    EXPECT_EQ(w.shown[0].rows[2], (Rows{{" 1.", "Anna", "09.12.2026", "00:12:34.5"}}));
    for (int d : {0, 1, 3}) EXPECT_TRUE(w.shown[0].rows[d].empty());
    EXPECT_TRUE(escapeConsumed(w.g));

    // The next entry offers the name confirmed last and lands on rank 1 above Anna.
    w.typedName = "Bert";
    w.finish("00:10:00.0");
    EXPECT_EQ(w.offeredName, "Anna");
    EXPECT_EQ(w.shown.back().rows[2], (Rows{{" 1.", "Bert", "09.12.2026", "00:10:00.0"},
                                            {" 2.", "Anna", "09.12.2026", "00:12:34.5"}}));
}

TEST(HallOfFame, WindowCarriesTheSystemsControls) {
    HallOfFameWorld w;
    w.fill(0, tenTimes());
    w.g.state.difficulty = Difficulty::Extrem;
    w.onRuhm = [&](RuhmForm* ruhm) {
        auto* tabs = ruhm->findChild<QTabWidget*>("tbs1");
        ASSERT_EQ(tabs->count(), 4);
        const char* captions[] = {"Leicht", "Mittel", "Schwer", "Extrem"};
        for (int d = 0; d < 4; ++d) {
            EXPECT_EQ(tabs->tabText(d), captions[d]);
            EXPECT_EQ(tabs->widget(d)->objectName(), QStringLiteral("liste%1").arg(d + 1));
            auto* view =
                tabs->widget(d)->findChild<QTreeWidget*>(QStringLiteral("lv%1").arg(d + 1));
            ASSERT_NE(view, nullptr);
            EXPECT_EQ(view->font().pointSize(), 12);
            EXPECT_FALSE(view->isHeaderHidden());
            EXPECT_FALSE(view->rootIsDecorated());
            const QTreeWidgetItem* header = view->headerItem();
            const char* columns[] = {"#", "Name", "Datum", "Zeit"};
            const int widths[] = {28, 207, 93, 90}; // 415, 3100, 1400, 1345 twips
            for (int c = 0; c < 4; ++c) {
                EXPECT_EQ(header->text(c), columns[c]);
                EXPECT_EQ(view->columnWidth(c), widths[c]);
            }
        }
        EXPECT_NE(ruhm->findChild<QPushButton*>("cmd4"), nullptr);
        ruhm->close(); // the close box
    };
    showHallOfFame(w.g);
    ASSERT_EQ(w.shown.size(), 1u);
    EXPECT_EQ(w.shown[0].tab, 3);
    ASSERT_EQ(w.shown[0].rows[0].size(), 10u);
    EXPECT_EQ(w.shown[0].rows[0][0][0], " 1.");
    EXPECT_EQ(w.shown[0].rows[0][9], (QStringList{"10.", "P010", "01.01.2026", "00:10:00.0"}));
    EXPECT_TRUE(escapeConsumed(w.g));
}

TEST(HallOfFame, AnEqualTimeGoesBelowAllEqualOlderOnes) {
    HallOfFameWorld w;
    w.fill(0, tenTimes()); // ranks 3 and 4 both 00:03:00.0
    saveHallOfFame(w.g);
    w.finish("00:03:00.0");
    const HallOfFame& t = hallOfFame(w.g);
    EXPECT_EQ(t.hallOfFameName[0][4], "P04");
    EXPECT_EQ(t.hallOfFameName[0][5], "Anna");
    EXPECT_EQ(t.hallOfFameTime[0][5], "00:03:00.0");
    for (int rank = 6; rank <= 10; ++rank) // the old ranks 5..9 moved down, 10 is gone
        EXPECT_EQ(t.hallOfFameName[0][rank], "P0" + std::to_string(rank - 1));
    EXPECT_EQ(w.fileLines()[12], "Anna");
}

TEST(HallOfFame, ATimeThatMakesNoRankOpensOnlyTheWindow) {
    for (const std::string time : {"00:10:00.0", "00:59:00.0", "X"}) {
        HallOfFameWorld w;
        w.fill(1, tenTimes());
        w.g.state.difficulty = Difficulty::Mittel;
        saveHallOfFame(w.g);
        const QByteArray before = w.file();
        w.finish(time);
        EXPECT_EQ(w.platform.modalForms, std::vector<QString>{"ruhm"}) << time;
        EXPECT_EQ(w.file(), before) << time;
        EXPECT_EQ(w.shown.at(0).rows[1].size(), 10u);
        EXPECT_EQ(hallOfFame(w.g).hallOfFameTime[1][10], "00:10:00.0");
    }
}

TEST(HallOfFame, LeavingTheNameDialogWithoutOkRestoresTheOldState) {
    for (const ChampAnswer answer :
         {ChampAnswer::Cancel, ChampAnswer::CloseBox, ChampAnswer::Escape}) {
        HallOfFameWorld w;
        w.fill(0, {"00:01:00.0", "00:02:00.0"});
        hallOfFame(w.g).championName = "Carla";
        saveHallOfFame(w.g);
        const QByteArray before = w.file();
        const HallOfFame old = hallOfFame(w.g);
        w.champAnswer = answer;
        w.finish("00:01:30.0");
        EXPECT_EQ(w.platform.modalForms, (std::vector<QString>{"champ", "ruhm"}));
        EXPECT_EQ(w.offeredName, "Carla");
        EXPECT_EQ(w.file(), before);
        EXPECT_EQ(hallOfFame(w.g).hallOfFameName, old.hallOfFameName);
        EXPECT_EQ(hallOfFame(w.g).hallOfFameTime, old.hallOfFameTime);
        EXPECT_EQ(hallOfFame(w.g).championName, "Carla");
        EXPECT_EQ(w.shown.at(0).rows[0].size(), 2u); // the window shows the old list
    }
}

TEST(HallOfFame, EmptyingTheSchwerTabWritesEmptyTriplesAndReopens) {
    HallOfFameWorld w;
    for (int d = 0; d < 4; ++d) w.fill(d, {"00:01:00.0", "00:02:00.0", "00:03:00.0"});
    w.g.state.difficulty = Difficulty::Mittel;
    saveHallOfFame(w.g);
    const QList<QByteArray> before = w.fileLines();

    for (const int answer : {2, 1}) { // "&NEIN" changes nothing, "&JA" empties the list
        int opened = 0;
        w.shown.clear();
        w.platform.modalForms.clear();
        w.platform.answers = {answer};
        w.onRuhm = [&](RuhmForm* ruhm) {
            if (opened++ == 0) {
                ruhm->findChild<QTabWidget*>("tbs1")->setCurrentIndex(2);
                ruhm->findChild<QPushButton*>("cmd4")->click();
                if (answer == 1) return; // the window closed itself and came back
            }
            ruhm->findChild<QPushButton*>("cmd3")->click();
        };
        showHallOfFame(w.g);
        ASSERT_FALSE(w.platform.messages.empty());
        const ScriptedPlatform::Message& question = w.platform.messages.back();
        EXPECT_EQ(question.text, "Wirklich löschen?");
        EXPECT_EQ(question.captions, "&JA|&NEIN");
        EXPECT_EQ(question.defaultButton, 1);
        EXPECT_EQ(question.icon, MessageIcon::Question);
        if (answer == 2) {
            EXPECT_EQ(w.platform.modalForms.size(), 1u);
            EXPECT_EQ(w.fileLines(), before);
            continue;
        }
        EXPECT_EQ(w.platform.modalForms, (std::vector<QString>{"ruhm", "ruhm"}));
        ASSERT_EQ(w.shown.size(), 2u);
        EXPECT_EQ(w.shown[1].tab, 1); // reopened on the tab of the current difficulty
        EXPECT_TRUE(w.shown[1].rows[2].empty());
        EXPECT_EQ(w.shown[1].rows[1].size(), 3u);
        const QList<QByteArray> lines = w.fileLines();
        ASSERT_EQ(lines.size(), 120);
        for (int i = 0; i < 120; ++i) {
            if (i >= 60 && i < 90)
                EXPECT_EQ(lines[i], i % 3 == 2 ? "9" : "") << "line " << i + 1;
            else
                EXPECT_EQ(lines[i], before[i]) << "line " << i + 1;
        }
    }
    EXPECT_TRUE(escapeConsumed(w.g));
}

TEST(HallOfFame, UmlautsSurviveAndForeignLettersBecomeQuestionMarks) {
    struct Case {
        QString typed;
        QByteArray fileLine;
        std::string readBack;
    };
    const Case cases[] = {
        {QStringLiteral("Jörg Müßig"), "J\xF6rg M\xFC\xDFig", "Jörg Müßig"},
        {QStringLiteral("ÄÖÜ äöü ß €"), "\xC4\xD6\xDC \xE4\xF6\xFC \xDF \x80", "ÄÖÜ äöü ß €"},
        {QStringLiteral("Łukasz Żak"), "?ukasz ?ak", "?ukasz ?ak"},
    };
    for (const Case& c : cases) {
        HallOfFameWorld w;
        w.typedName = c.typed;
        w.finish("00:20:00.0");
        EXPECT_EQ(w.fileLines().at(0), c.fileLine);
        clearHallOfFame(hallOfFame(w.g));
        loadHallOfFame(w.g);
        EXPECT_EQ(hallOfFame(w.g).hallOfFameName[0][1], c.readBack);
        EXPECT_TRUE(w.platform.messages.empty());
    }
}

TEST(HallOfFame, DamagedFilesLoadWithAMessageAndAKeptCopy) {
    const QByteArray valid = "Anna\r\n09.12.2026\r\n00:01:00.0\r\n";
    const QByteArray cases[] = {
        "",
        valid + "Bert\r\n",
        valid + QByteArray("X\r\nd\r\nkaputt\r\n") + valid,
        QByteArray(5000, 'x'),
        QByteArray("\x81\x00\xFF\r\n\r\n\r\n", 9) + valid,
    };
    for (const QByteArray& bytes : cases) {
        HallOfFameWorld w;
        QFile f(w.platform.path("Champions.Rhm"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        loadHallOfFame(w.g);
        ASSERT_EQ(w.platform.messages.size(), 1u);
        EXPECT_TRUE(w.platform.messages[0].text.contains("beschädigt"));
        QFile copy(w.platform.path("Champions.Rhm.bak"));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), bytes);
        const HallOfFame& t = hallOfFame(w.g);
        if (bytes.contains("Anna")) {
            EXPECT_EQ(t.hallOfFameName[0][1], "Anna");
        }
        for (int d = 0; d < 4; ++d)
            for (int rank = 1; rank <= 10; ++rank)
                if (t.hallOfFameTime[d][rank] == "9") {
                    EXPECT_EQ(t.hallOfFameName[d][rank], "");
                }
        showHallOfFame(w.g); // the window shows what was read
        EXPECT_EQ(w.shown.size(), 1u);
    }

    HallOfFameWorld missing; // no file: empty lists, no message, no file created
    hallOfFame(missing.g).hallOfFameTime[0][1] = "00:01:00.0";
    loadHallOfFame(missing.g);
    EXPECT_EQ(hallOfFame(missing.g).hallOfFameTime[0][1], "9");
    EXPECT_TRUE(missing.platform.messages.empty());
    EXPECT_FALSE(QFile::exists(missing.platform.path("Champions.Rhm")));
}

TEST(HallOfFame, AFailedWriteTellsThePlayerAndKeepsTheEntry) {
    HallOfFameWorld w;
    w.platform.failWrites = true;
    w.finish("00:05:00.0");
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_TRUE(w.platform.messages[0].text.contains("nicht"));
    EXPECT_TRUE(w.platform.messages[0].text.contains("Champions.Rhm"));
    EXPECT_TRUE(w.platform.messages[0].text.contains("kein Platz mehr"));
    EXPECT_EQ(hallOfFame(w.g).hallOfFameName[0][1], "Anna");

    // A later cancelled entry must not throw away the entry the file never got.
    w.champAnswer = ChampAnswer::Cancel;
    w.finish("00:04:00.0");
    EXPECT_EQ(hallOfFame(w.g).hallOfFameName[0][1], "Anna");
    EXPECT_EQ(hallOfFame(w.g).hallOfFameTime[0][1], "00:05:00.0");
}

TEST(HallOfFame, TheClocksFinalUpdateHandsTheSolvedGameOver) {
    HallOfFameWorld w;
    w.g.state.difficulty = Difficulty::Extrem;
    {
        std::lock_guard<std::mutex> lock(w.g.state.clock.mutex);
        w.g.state.clock.startTime = w.platform.time - (3600 + 2 * 60 + 3.4);
        w.g.state.clock.lastTick = -1;
    }
    w.g.state.clock.clockRunning = true;
    w.g.state.clock.finishingGame = true;
    updateClock(w.g);
    EXPECT_FALSE(w.g.state.clock.clockRunning);
    EXPECT_EQ(w.platform.modalForms, (std::vector<QString>{"champ", "ruhm"}));
    EXPECT_EQ(hallOfFame(w.g).hallOfFameTime[3][1], "01:02:03.4");
    const QList<QByteArray> lines = w.fileLines();
    ASSERT_EQ(lines.size(), 120);
    EXPECT_EQ(lines[90], "Anna");
    EXPECT_EQ(lines[92], "01:02:03.4");
    ASSERT_EQ(w.shown.size(), 1u);
    EXPECT_EQ(w.shown[0].tab, 3);
    EXPECT_EQ(w.shown[0].rows[3], (Rows{{" 1.", "Anna", "09.12.2026", "01:02:03.4"}}));
}
