// Keys in the game loops that must never trap the player: Esc after a dialog, letters at the
// cell cursor in letter display.
#include "app/game.h"
#include "app/menu.h"
#include "panels/info.h"
#include "play/editor.h"
#include "play/highlight.h"
#include "play/playloop.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace play_test;

TEST(KeysNeverTrap, EscLeavesAgainAfterADialogClosed) {
    struct Case {
        const char* name;
        bool editor;
        std::function<void(OpenCellsWorld&)> script;
    };
    const Case cases[] = {
        {"NEIN to the close box, answered with Esc", false,
         [](OpenCellsWorld& w) {
             w.platform.answers = {2};
             w.platform.closeRequest();
             w.platform.key(kKeyEsc); // the release of the Esc that answered: swallowed
         }},
        {"NEIN to the close box, answered with the mouse", false,
         [](OpenCellsWorld& w) {
             w.platform.answers = {2};
             w.platform.closeRequest();
         }},
        {"NEIN to the close box in the editor", true,
         [](OpenCellsWorld& w) {
             w.platform.answers = {2};
             w.platform.closeRequest();
         }},
        {"the hall of fame closed after a solved game", false,
         [](OpenCellsWorld& w) {
             Game& g = w.g();
             for (auto [gr, c, r] : OpenCellsWorld::kOpen) {
                 if (gr == 4) break;
                 g.board.cellValue(gr, c, r) = static_cast<std::uint8_t>(fieldValue(gr, c, r));
             }
             syncSharedBoxes(g.board);
             clearHallOfFame(g.hallOfFame);
             startGameClock(g);
             w.platform.onModal = [&g](QWidget* form) {
                 if (form->objectName() == QStringLiteral("champ")) {
                     form->findChild<QLineEdit*>(QStringLiteral("ed1"))->setText("Tester");
                     form->findChild<QPushButton*>(QStringLiteral("cmd5"))->click();
                 } else {
                     joinClockTicker(g);
                     form->findChild<QPushButton*>(QStringLiteral("cmd3"))->click();
                 }
             };
             w.click(4, 9, 9);
             w.platform.typed('0' + fieldValue(4, 9, 9));
         }},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        OpenCellsWorld w;
        t.script(w);
        w.platform.key('F');
        // A fresh Esc, pressed and released in the game, leaves it.
        w.platform.typed(kKeyEsc);
        w.platform.key(kKeyEsc);
        ASSERT_NO_THROW(t.editor ? boardEditor(w.g()) : playLoop(w.g()));
        EXPECT_TRUE(w.platform.events.empty());
    }
}

TEST(KeysNeverTrap, LettersAtTheShownCursorAreValuesInLetterDisplay) {
    struct Case {
        const char* name;
        bool editor, cursorShown;
        int letter;
    };
    // Open cells of the board: grid 0 (1, 1), (8, 8); grid 1 (5, 5); grid 2 (5, 5).
    const Case cases[] = {
        {"C at the cursor", false, true, 'C'},   {"D at the cursor", false, true, 'D'},
        {"F at the cursor", false, true, 'F'},   {"H at the cursor", false, true, 'H'},
        {"I at the cursor", false, true, 'I'},   {"C in the editor", true, true, 'C'},
        {"C, cursor hidden", false, false, 'C'}, {"H, cursor hidden", false, false, 'H'},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(t.name);
        OpenCellsWorld w;
        Game& g = w.g();
        g.board.showDigits = false;
        g.board.noteFlag(1, 5, 5, 2) = true;
        const int index = fieldIndex(g.board, 0, 1, 1);
        g.cursorColumn = index % kFieldSize;
        g.cursorRow = index / kFieldSize;
        g.cursorShown = t.cursorShown;
        w.platform.copyDataFile(QStringLiteral("Quintor.hlp"));
        w.platform.key(t.letter);
        w.platform.key(kKeyEsc);
        ASSERT_NO_THROW(t.editor ? boardEditor(g) : playLoop(g));
        const int value = t.letter - 'A' + 1;
        if (t.cursorShown) {
            // The letter's value stands in the cursor's cell; no command ran.
            EXPECT_EQ(g.board.cellValue(0, 1, 1), value);
            EXPECT_EQ(g.board.givenValue(0, 1, 1), t.editor ? value : 0);
            EXPECT_TRUE(g.board.noteFlag(1, 5, 5, 2)) << "C cleared the notes";
            EXPECT_FALSE(g.board.noteFlag(0, 8, 8, 1)) << "F filled the notes";
            EXPECT_EQ(g.classicHelpWindow, nullptr) << "H opened the manual";
            EXPECT_FALSE(w.platform.fileExists(w.platform.printFile)) << "D printed";
        } else {
            // Hidden cursor: the letters keep their meaning (C clears every note, H helps).
            EXPECT_EQ(g.board.cellValue(0, 1, 1), 0);
            EXPECT_EQ(g.board.noteFlag(1, 5, 5, 2), t.letter != 'C');
            EXPECT_EQ(g.classicHelpWindow != nullptr, t.letter == 'H');
        }
        delete g.classicHelpWindow.data();
    }
}

// The key tables are data a list of the shortcuts reads: a key listed twice would hide its
// second command, a listed key without a text would show an empty line, and the editor has
// its own commands (X shuffles, F and C do not exist there).
TEST(KeysNeverTrap, CommandTablesListEachKeyOnceWithItsText) {
    struct Case {
        const char* name;
        const CommandTable& table;
        std::string keys; // every key of the table, hidden pair included
    };
    const Case cases[] = {
        {"play", playCommands(),
         std::string("LSDHA\x1b"
                     "FCMNTJK")},
        {"editor", editorCommands(),
         std::string("LSDHNMXTA\x1b"
                     "JK")},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        std::string keys;
        for (const KeyCommand& command : k.table.keys) {
            EXPECT_EQ(findKeyCommand(k.table, command.key), &command) << char(command.key);
            const bool hidden =
                command.key == kSolveFirstLetter || command.key == kSolveSecondLetter;
            EXPECT_EQ(std::string(command.description).empty(), hidden) << char(command.key);
            keys += static_cast<char>(command.key);
        }
        EXPECT_EQ(keys, k.keys);
    }
}
