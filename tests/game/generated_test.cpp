// Generated games and puzzles as text through the menu: the dialog erz (level, symmetry,
// the puzzle of the day), cancel and failure leaving the board, the level in the difficulty
// panel and across a restart, pasting with its errors named by place, copy and paste.
#include "app/menu.h"
#include "engine/generate.h"
#include "engine/puzzletext.h"
#include "engine/rules.h"
#include "engine/search.h"
#include "files/boardfile.h"
#include "files/resume.h"
#include "files/slotdialog.h"
#include "panels/info.h"
#include "play/generated.h"
#include "support/scripted_platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

constexpr int kGenerate = 9, kPaste = 23, kCopy = 28;

// Answers the dialog erz: `setUp` changes it, then OK (or Abbrechen when ok is false).
void answerDialog(ScriptedPlatform& p, std::function<void(GenerateDialog&)> setUp, bool ok = true) {
    p.onModal = [setUp, ok](QWidget* form) {
        ASSERT_EQ(form->objectName(), QStringLiteral("erz"));
        auto& erz = *static_cast<GenerateDialog*>(form);
        if (setUp) setUp(erz);
        (ok ? erz.cmd1 : erz.cmd2)->click();
    };
}

// What a game loop saw when it started: then it is left with Esc.
struct LoopSeen {
    bool ran = false, timed = false;
    PuzzleOrigin origin;
    BoardArray givens;
};
void watchLoop(ScriptedPlatform& p, Game& g, LoopSeen& seen) {
    p.key(kKeyEsc);
    p.onEvent = [&g, &seen](const Event&) {
        seen.ran = true;
        seen.timed = g.state.clock.clockRunning;
        seen.origin = g.state.origin;
        seen.givens = g.state.board.givenValue;
    };
}

bool isPointSymmetric(const BoardArray& v) {
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if ((v(g, c, r) == 0) != (v(4 - g, 10 - c, 10 - r) == 0)) return false;
    return true;
}

// Takes the first given of grid 2 away (a board other than the one saved).
void openOneGiven(Board& b) {
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (b.givenValue(2, c, r) != 0) {
                b.givenValue(2, c, r) = b.cellValue(2, c, r) = 0;
                return;
            }
}

bool panelShows(const Canvas& canvas, const QString& text) {
    for (const Canvas::TextRecord& t : canvas.journal)
        if (t.text.trimmed() == text && t.y >= 468 && t.y < 500 && t.x >= 762) return true;
    return false;
}

} // namespace

TEST(GeneratedGame, TheDialogsChoiceIsPlayedTimedAndShownInThePanel) {
    TestWorld w;
    Game& g = w.g();
    drawDifficultyPanel(g);
    w.canvas.keepJournal = true;
    g.state.board.options.symmetricPuzzle =
        false; // the dialog's default follows the symmetry option
    bool defaultSymmetric = true;
    answerDialog(w.platform, [&](GenerateDialog& erz) {
        defaultSymmetric = erz.chk1->isChecked();
        ASSERT_EQ(erz.cmb1->count(), kGeneratedLevelCount);
        EXPECT_EQ(erz.cmb1->itemText(4), QStringLiteral("Großmeister"));
        erz.cmb1->setCurrentIndex(static_cast<int>(GeneratedLevel::Fortgeschritten));
    });
    LoopSeen seen;
    watchLoop(w.platform, g, seen);
    Win_0_MenuEvent(g, kGenerate);
    joinClockTicker(g);

    EXPECT_FALSE(defaultSymmetric);
    ASSERT_TRUE(seen.ran);
    EXPECT_TRUE(seen.timed);
    EXPECT_EQ(seen.origin.level, static_cast<int>(GeneratedLevel::Fortgeschritten));
    EXPECT_EQ(seen.origin.dailyDate, 0);
    EXPECT_EQ(w.platform.cancellableTitles.size(), 1u);
    EXPECT_TRUE(w.platform.progressTexts.at(0).contains(QStringLiteral("Fortgeschritten")));
    Board puzzle;
    puzzle.cellValue = seen.givens;
    BoardArray solution;
    EXPECT_EQ(countSolutions(puzzle, 2, &solution), 1);
    EXPECT_EQ(solution, g.state.board.solutionValue);
    const Grade grade = gradeBoard(puzzle);
    EXPECT_EQ(levelOf(grade.hardest), GeneratedLevel::Fortgeschritten);
    // The longest name fits the panel in a smaller face; the defined name is not drawn.
    EXPECT_TRUE(panelShows(w.canvas, QStringLiteral("Fortgeschritten")));

    // The next choice starts from the level played; symmetric this time.
    int shownLevel = -1;
    answerDialog(w.platform, [&](GenerateDialog& erz) {
        shownLevel = erz.cmb1->currentIndex();
        erz.chk1->setChecked(true);
    });
    watchLoop(w.platform, g, seen);
    Win_0_MenuEvent(g, kGenerate);
    joinClockTicker(g);
    EXPECT_EQ(shownLevel, static_cast<int>(GeneratedLevel::Fortgeschritten));
    EXPECT_TRUE(isPointSymmetric(seen.givens));

    // A defined new game afterwards: the panel line is exactly as a fresh game draws it.
    w.platform.copyDataFile(QStringLiteral("leicht.qnt"));
    watchLoop(w.platform, g, seen);
    Win_0_MenuEvent(g, 8);
    joinClockTicker(g);
    EXPECT_EQ(seen.origin, PuzzleOrigin{});
    TestWorld fresh;
    drawDifficultyPanel(fresh.g());
    fresh.platform.copyDataFile(QStringLiteral("leicht.qnt"));
    fresh.platform.key(kKeyEsc);
    Win_0_MenuEvent(fresh.g(), 8);
    joinClockTicker(fresh.g());
    const QRect nameLine(768, 466, 222, 40);
    EXPECT_EQ(w.image.copy(nameLine), fresh.image.copy(nameLine));
}

TEST(GeneratedGame, ThePuzzleOfTheDayIsTheDatesForEveryPlayer) {
    const auto play = [](std::uint32_t seed, const QString& date, LoopSeen& seen,
                         QString* dayLabel = nullptr, bool* levelLocked = nullptr) {
        TestWorld w(seed);
        w.platform.date = date;
        answerDialog(w.platform, [&](GenerateDialog& erz) {
            erz.cmb1->setCurrentIndex(4);
            erz.chk1->setChecked(false);
            erz.chk2->click();
            if (dayLabel) *dayLabel = erz.lbl1->text();
            if (levelLocked) *levelLocked = !erz.cmb1->isEnabled() && !erz.chk1->isEnabled();
        });
        watchLoop(w.platform, w.g(), seen);
        Win_0_MenuEvent(w.g(), kGenerate);
        joinClockTicker(w.g());
    };
    LoopSeen first, second, nextDay;
    QString label;
    bool locked = false;
    play(1, QStringLiteral("08.12.2026"), first, &label, &locked);
    play(77, QStringLiteral("08.12.2026"), second); // another player, other random draws
    play(1, QStringLiteral("09.12.2026"), nextDay);

    const DailyPuzzle tuesday = dailyPuzzle(20261208);
    EXPECT_EQ(label, QStringLiteral("Rätsel des Tages, Dienstag, 08.12.2026:\nStufe „%1“, für "
                                    "alle gleich.")
                         .arg(QString::fromUtf8(generatedLevelInfo(tuesday.level).name)));
    EXPECT_TRUE(locked);
    ASSERT_TRUE(first.ran && second.ran && nextDay.ran);
    EXPECT_EQ(first.givens, second.givens);
    EXPECT_NE(first.givens, nextDay.givens);
    EXPECT_EQ(first.origin, (PuzzleOrigin{static_cast<int>(tuesday.level), 20261208}));
    EXPECT_TRUE(isPointSymmetric(first.givens)) << "the day's symmetry, not the box's";
    const std::atomic<bool> no{false};
    EXPECT_EQ(first.givens, generatePuzzle(tuesday.level, true, tuesday.seed, no)->givens);

    // Cleared again, the box gives the player's own choice back.
    TestWorld w;
    GenerateDialog erz(w.g(), {GeneratedLevel::Meister, false, false}, 20261208);
    erz.chk2->click();
    // The form, fixed at its size with the box cleared, has room for the day's label.
    EXPECT_GE(erz.height(), erz.sizeHint().height());
    EXPECT_GE(erz.width(), erz.sizeHint().width());
    erz.chk2->click();
    EXPECT_EQ(erz.choice(), (GenerateChoice{GeneratedLevel::Meister, false, false}));
}

TEST(GeneratedGame, CancelOrNoPuzzleLeavesTheBoardAsItWas) {
    TestWorld w;
    Game& g = w.g();
    g.state.board.givenValue(0, 1, 1) = g.state.board.cellValue(0, 1, 1) = 4;
    g.state.board.cellValue(2, 5, 5) = 6;
    const Board before = g.state.board;

    // Abbrechen in the dialog: nothing is generated.
    answerDialog(w.platform, nullptr, false);
    Win_0_MenuEvent(g, kGenerate);
    EXPECT_TRUE(w.platform.cancellableTitles.empty());
    EXPECT_TRUE(w.platform.messages.empty());

    // Abbrechen beside the progress: the run stops, said in German.
    answerDialog(w.platform, nullptr);
    w.platform.cancelWork = true;
    Win_0_MenuEvent(g, kGenerate);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text,
              QStringLiteral("Das Erzeugen wurde abgebrochen.\nDas Brett bleibt, wie es war."));
    EXPECT_EQ(g.state.board.cellValue, before.cellValue);
    EXPECT_EQ(g.state.board.givenValue, before.givenValue);
    EXPECT_EQ(g.state.origin, PuzzleOrigin{});
    EXPECT_FALSE(g.state.clock.clockRunning);
}

TEST(GeneratedGame, ARestartResumesTheLevelAndASlotLoadsAnOrdinaryBoard) {
    TestWorld w;
    Game& g = w.g();
    w.canvas.keepJournal = true;
    answerDialog(w.platform, [](GenerateDialog& erz) { erz.cmb1->setCurrentIndex(2); }); // Kenner
    LoopSeen seen;
    watchLoop(w.platform, g, seen);
    Win_0_MenuEvent(g, kGenerate);
    joinClockTicker(g);
    ASSERT_TRUE(seen.ran);
    keepGameInProgress(g);
    releaseGameInProgress(g);

    Game next(w.platform, w.canvas);
    w.platform.answers = {1}; // "&JA"
    w.canvas.journal.clear();
    ASSERT_TRUE(offerResume(next));
    EXPECT_EQ(next.state.origin, (PuzzleOrigin{2, 0}));
    updateDifficultyPanel(next);
    EXPECT_TRUE(panelShows(w.canvas, QStringLiteral("Kenner")));

    // Saved into a slot and loaded over a changed board: the slot record carries no level,
    // the loaded puzzle is an ordinary board.
    next.state.boardFileName = QStringLiteral("brett.qnt");
    ASSERT_TRUE(saveBoardRecord(next, 0));
    openOneGiven(next.state.board);
    w.platform.onModal = [](QWidget* form) { static_cast<SlotDialog*>(form)->opt_Click(1); };
    w.canvas.journal.clear();
    w.platform.onEvent = nullptr;
    w.platform.key(kKeyEsc);
    Win_0_MenuEvent(next, 20);
    EXPECT_EQ(next.state.board.givenValue, seen.givens);
    EXPECT_EQ(next.state.origin, PuzzleOrigin{});
    EXPECT_TRUE(panelShows(w.canvas, QStringLiteral("Leicht")));
}

namespace {

// A unique puzzle and its solution, as the generator makes it.
const GeneratedPuzzle& samplePuzzle() {
    static const GeneratedPuzzle puzzle = [] {
        const std::atomic<bool> no{false};
        return *generatePuzzle(GeneratedLevel::Einsteiger, true, 3, no);
    }();
    return puzzle;
}

QStringList sampleLines() {
    return QString::fromStdString(writePuzzleText(samplePuzzle().givens))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The five-line form: each grid row by row.
QString fiveLines(const BoardArray& v) {
    QString text;
    for (int g = 0; g <= 4; ++g) {
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                text += v(g, c, r) ? QChar('0' + v(g, c, r)) : QLatin1Char('.');
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace

TEST(PuzzleTransfer, APastedTextThatIsNoPuzzleIsNamedByItsPlace) {
    QStringList clash = sampleLines();
    clash[0].replace(0, 2, QStringLiteral("11"));
    QStringList badCell = sampleLines();
    badCell[2][4] = QLatin1Char('x');
    QStringList outside = sampleLines();
    outside[0][9] = QLatin1Char('5');
    QStringList longLine = sampleLines();
    longLine[1] = longLine[1].leftJustified(25, QLatin1Char('.'));
    // A digit that clashes with no given but is not the solution's: no completion is left.
    QStringList noSolution = sampleLines();
    const GeneratedPuzzle& sample = samplePuzzle();
    for (int c = 1; c <= 9 && noSolution == sampleLines(); ++c) {
        if (sample.givens(0, c, 1) != 0) continue;
        for (int d = 1; d <= 9; ++d) {
            Board b;
            b.cellValue = sample.givens;
            b.cellValue(0, c, 1) = static_cast<std::uint8_t>(d);
            if (d != sample.solution(0, c, 1) && isBoardValid(b)) {
                noSolution[0][c - 1] = QChar('0' + d);
                break;
            }
        }
    }
    QStringList empty;
    for (const QString& line : sampleLines())
        empty << QString(line).replace(QRegularExpression(QStringLiteral("[1-9]")),
                                       QStringLiteral("."));
    const struct {
        QStringList text;
        QString says;
    } cases[] = {
        {clash, QStringLiteral("Die Ziffer in Gitter 1, Zeile 1, Spalte 2 (Textzeile 1, Zeichen "
                               "2) steht in ihrer Zeile, ihrer Spalte oder ihrem Kasten schon "
                               "einmal.")},
        {badCell, QStringLiteral("Gitter 1, Zeile 3, Spalte 5 (Textzeile 3, Zeichen 5): „x“ ist "
                                 "keine Ziffer.")},
        {outside, QStringLiteral("Textzeile 1, Zeichen 10: „5“ steht außerhalb der Gitter")},
        {longLine, QStringLiteral("Textzeile 2 hat 25 Zeichen")},
        {noSolution, QStringLiteral("Das Rätsel hat keine Lösung")},
        {empty, QStringLiteral("Das Rätsel hat mehr als eine Lösung: In Gitter ")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says.toStdString());
        TestWorld w;
        w.g().state.board.givenValue(1, 1, 1) = w.g().state.board.cellValue(1, 1, 1) = 8;
        const Board before = w.g().state.board;
        w.platform.clipboard = c.text.join(QLatin1Char('\n'));
        Win_0_MenuEvent(w.g(), kPaste);
        ASSERT_EQ(w.platform.messages.size(), 1u);
        const QString& text = w.platform.messages[0].text;
        EXPECT_TRUE(text.startsWith(QStringLiteral(
            "Der Text in der Zwischenablage ist kein Rätsel, das sich einfügen lässt.\n")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(c.says)) << text.toStdString();
        EXPECT_TRUE(w.platform.fileDialogs.empty());
        EXPECT_EQ(w.g().state.board.cellValue, before.cellValue);
        EXPECT_EQ(w.g().state.board.givenValue, before.givenValue);
    }

    // No samurai in the clipboard: a text file is offered; a file's faults name the file.
    TestWorld w;
    w.platform.clipboard = QStringLiteral("Einkaufsliste\nMilch\nBrot");
    Win_0_MenuEvent(w.g(), kPaste); // the file dialog cancelled
    ASSERT_EQ(w.platform.fileDialogs.size(), 1u);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_TRUE(w.platform.messages[0].text.contains(QStringLiteral("Der Text hat 3 Zeilen.")));
    QFile file(w.platform.path(QStringLiteral("doppelt.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(clash.join(QLatin1Char('\n')).toUtf8());
    file.close();
    w.platform.clipboard.clear();
    w.platform.chosenFiles = {file.fileName()};
    Win_0_MenuEvent(w.g(), kPaste);
    ASSERT_EQ(w.platform.messages.size(), 2u);
    EXPECT_TRUE(w.platform.messages[1].text.startsWith(
        QStringLiteral("Die Datei „doppelt.txt“ ist kein Rätsel")));
    EXPECT_EQ(w.g().state.board.givenValue, Board{}.givenValue);
}

TEST(PuzzleTransfer, CopyAndPasteGiveTheSamePuzzleAsAnUntimedOwnBoard) {
    TestWorld w;
    Game& g = w.g();
    Win_0_MenuEvent(g, kCopy); // an empty board holds nothing to copy
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_TRUE(w.platform.clipboard.isEmpty());

    w.platform.copyDataFile(QStringLiteral("leicht.qnt"));
    w.platform.key(kKeyEsc);
    Win_0_MenuEvent(g, 8);
    joinClockTicker(g);
    const BoardArray givens = g.state.board.givenValue, solution = g.state.board.solutionValue;
    g.state.board.cellValue(2, 5, 5) =
        g.state.board.cellValue(2, 5, 5) ? g.state.board.cellValue(2, 5, 5) : 1;
    Win_0_MenuEvent(g, kCopy);
    EXPECT_EQ(w.platform.clipboard.toStdString(), writePuzzleText(givens));

    Win_0_MenuEvent(g, 26); // Brett löschen
    LoopSeen seen;
    watchLoop(w.platform, g, seen);
    Win_0_MenuEvent(g, kPaste);
    ASSERT_TRUE(seen.ran);
    EXPECT_FALSE(seen.timed);
    EXPECT_EQ(seen.givens, givens);
    EXPECT_EQ(g.state.board.cellValue, givens) << "givens alone, no entries";
    EXPECT_EQ(g.state.board.solutionValue, solution);
    EXPECT_FALSE(g.state.board.status.notSolvable);

    // The five-line form from a file, the clipboard empty.
    Win_0_MenuEvent(g, 26);
    QFile file(w.platform.path(QStringLiteral("gitter.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(fiveLines(samplePuzzle().givens).toUtf8());
    file.close();
    w.platform.clipboard.clear();
    w.platform.chosenFiles = {file.fileName()};
    watchLoop(w.platform, g, seen);
    Win_0_MenuEvent(g, kPaste);
    EXPECT_EQ(seen.givens, samplePuzzle().givens);
    EXPECT_EQ(g.state.board.solutionValue, samplePuzzle().solution);
}
