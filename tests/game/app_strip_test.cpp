// The status strip beside the program's caption: the keys of the running game loop, the
// notes on timing and on a solved board, the first screen's hint; the help line keeps its
// defined texts meanwhile.
#include "session/game.h"
#include "app/language.h"
#include "app/menu.h"
#include "app/screen.h"
#include "help/guidance.h"
#include "help/qtgerman.h"
#include "panels/info.h"
#include "play/cursor.h"
#include "play/editor.h"
#include "play/highlight.h"
#include "play/keylist.h"
#include "play/playloop.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QTranslator>
#include <QWidget>
#include <gtest/gtest.h>

#include <set>

using namespace play_test;

namespace {

void drawFirstScreen(TestWorld& w) {
    w.canvas.clear(Colour::WindowBackground);
    captureBackgroundStrips(w.g());
    drawStartScreen(w.g());
}

// What the screen held when the game loop took its first event.
struct Seen {
    QString help, keys, note;
};

// Every strip text fits its field of the strip.
void expectFits(Game& g, const std::set<QString>& keys, const std::set<QString>& notes) {
    const QFontMetrics metrics(numberedFont(g, 16));
    for (const QString& k : keys)
        EXPECT_LE(metrics.horizontalAdvance(k), kStripNoteX - 8 - kStripKeysX) << k.toStdString();
    for (const QString& n : notes)
        EXPECT_LE(metrics.horizontalAdvance(n), kStripRight - kStripNoteX) << n.toStdString();
}

} // namespace

TEST(StatusStrip, TimingNotesLeaveTheHelpLineItsDefinedTexts) {
    const QString field = QStringLiteral("Bitte ein Feld anklicken!");
    const QString idle = QStringLiteral("Bitte Menupunkt auswählen!");
    const QString untimed = QString::fromUtf8(kUntimedResumed);
    struct Case {
        int command;
        QString help, note;
    };
    const Case cases[] = {
        {8, field, QString()}, {10, field, untimed}, {12, idle, untimed},
        {20, field, untimed},  {21, field, untimed}, {25, field, untimed},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.command);
        TestWorld w;
        Game& g = w.g();
        drawFirstScreen(w);
        w.platform.copyDataFile(QStringLiteral("leicht.qnt"));
        w.platform.onModal = [](QWidget* form) { form->close(); }; // slot dialogs cancelled
        std::vector<Seen> seen;
        w.platform.onEvent = [&](const Event&) {
            seen.push_back({g.ui.helpText, g.ui.stripKeys, g.ui.stripNote});
        };
        w.platform.key(kKeyEsc);
        Win_0_MenuEvent(g, t.command);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].help, t.help);
        EXPECT_EQ(seen[0].note, t.note);
        // Back at the idle screen: the defined line, the strip empty beside the caption.
        EXPECT_EQ(g.ui.helpText, idle);
        EXPECT_EQ(g.ui.stripKeys, QString());
        EXPECT_EQ(g.ui.stripNote, QString());
        int ink = 0;
        for (int y = 767; y <= 783; ++y)
            for (int x = kStripKeysX - 1; x < kStripRight; ++x)
                ink += w.pixel(x, y) != colour(12) ? 1 : 0;
        EXPECT_EQ(ink, 0);
    }
}

TEST(StatusStrip, StartHintGoesOnceAGameHasStarted) {
    TestWorld w;
    Game& g = w.g();
    drawFirstScreen(w);
    EXPECT_EQ(g.ui.stripNote, kStartHint);
    Win_0_MenuEvent(g, 33); // no game yet: the hint stays
    EXPECT_EQ(g.ui.stripNote, kStartHint);
    EXPECT_EQ(w.canvas.textsAt(kStartHintX - 1, 782 - 15).size(), 1u) << "drawn once";
    w.platform.key(kKeyEsc);
    Win_0_MenuEvent(g, 10);
    Win_0_MenuEvent(g, 33);
    EXPECT_EQ(g.ui.stripNote, QString());
    EXPECT_EQ(w.pixel(kStartHintX + 20, 775), colour(12));
}

TEST(StatusStrip, NamesTheKeysOfEachLoopAndTheNextStepAfterASolvedBoard) {
    OpenCellsWorld w;
    Game& g = w.g();
    std::set<QString> keys, notes;
    std::vector<Seen> seen;
    w.platform.onEvent = [&](const Event&) {
        seen.push_back({g.ui.helpText, g.ui.stripKeys, g.ui.stripNote});
        keys.insert(g.ui.stripKeys);
        notes.insert(g.ui.stripNote);
    };
    // Play: the cursor, undo, pause and the hint are named.
    w.platform.key(kKeyEsc);
    playLoop(g);
    for (const char* word : {"Cursor", "Strg+Z", "Pause", "Tipp"})
        EXPECT_TRUE(seen.back().keys.contains(QLatin1String(word))) << word;
    // The editor has no pause.
    w.platform.key(kKeyEsc);
    boardEditor(g);
    g.ui.editorMode = false;
    EXPECT_FALSE(seen.back().keys.contains(QLatin1String("Pause")));
    EXPECT_TRUE(seen.back().keys.contains(QLatin1String("Cursor")));

    // Letter display: once the cursor shows, the strip says that A..I are values there.
    g.state.board.options.showDigits = false;
    w.platform.key(kKeyDown);
    w.platform.key(kKeyEsc);
    seen.clear();
    playLoop(g);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_FALSE(seen[0].keys.contains(QStringLiteral("A–I")));
    EXPECT_TRUE(seen[1].keys.contains(QStringLiteral("A–I")));
    g.state.board.options.showDigits = true;
    hideCellCursor(g);

    // The last open cell filled: the strip says the board is solved and how to go on; the
    // help line keeps its own text. N still restarts, and undo brings the solved board back.
    for (auto [gr, c, r] : OpenCellsWorld::kOpen)
        if (gr != 4)
            g.state.board.cellValue(gr, c, r) = static_cast<std::uint8_t>(fieldValue(gr, c, r));
    syncSharedBoxes(g.state.board);
    w.click(4, 9, 9);
    w.platform.typed('0' + fieldValue(4, 9, 9));
    w.platform.key('N');
    w.platform.key('Z', Event::Ctrl);
    w.platform.key(kKeyEsc);
    seen.clear();
    playLoop(g);
    ASSERT_EQ(seen.size(), 6u); // move, press, typed digit, N, Ctrl+Z, Esc
    EXPECT_FALSE(seen[2].note.contains(QStringLiteral("Gelöst")));
    EXPECT_TRUE(seen[3].note.contains(QStringLiteral("Gelöst")));
    EXPECT_TRUE(seen[3].note.contains(QStringLiteral("Neues Spiel")));
    EXPECT_EQ(seen[3].help, QStringLiteral("Bitte ein Feld anklicken! "));
    EXPECT_FALSE(seen[4].note.contains(QStringLiteral("Gelöst"))) << "N restarted the board";
    EXPECT_EQ(g.state.board.cellValue(0, 1, 1), 0 + fieldValue(0, 1, 1)) << "undo brought it back";
    EXPECT_TRUE(seen[5].note.contains(QStringLiteral("Gelöst")));
    expectFits(g, keys, notes);
}

// The strip's keys are read from the loops' tables and key rows, piece by piece translated:
// the line as a whole reads as it always has, in German and in English.
TEST(StatusStrip, KeysFromTheTablesReadAsBeforeInBothLanguages) {
    struct Case {
        Language language;
        const char *play, *editor;
    };
    const Case cases[] = {
        {Language::Deutsch, "Pfeile: Cursor  Strg+Z: zurück  P: Pause  T: Tipp",
         "Pfeile: Cursor  Strg+Z: zurück  T: Tipp"},
        {Language::English, "Arrows: cursor  Ctrl+Z: undo  P: pause  T: hint",
         "Arrows: cursor  Ctrl+Z: undo  T: hint"},
    };
    for (const Case& t : cases) {
        ASSERT_TRUE(installLanguage(t.language));
        EXPECT_EQ(stripKeys(playCommands()), QString::fromUtf8(t.play));
        EXPECT_EQ(stripKeys(editorCommands()), QString::fromUtf8(t.editor));
    }
    ASSERT_TRUE(installLanguage(Language::Deutsch));
    delete QCoreApplication::instance()->findChild<QTranslator*>(kQtGermanTranslator);
}
