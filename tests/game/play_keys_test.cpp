// Keys in the game loops that must never trap the player: Esc after a dialog, letters at the
// cell cursor in letter display.
#include "session/game.h"
#include "halloffame/parts.h"
#include "app/menu.h"
#include "panels/info.h"
#include "play/cursor.h"
#include "play/editor.h"
#include "play/highlight.h"
#include "play/pause.h"
#include "play/keylist.h"
#include "play/playloop.h"
#include "play/undo.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <algorithm>
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
                 g.state.board.cellValue(gr, c, r) =
                     static_cast<std::uint8_t>(fieldValue(gr, c, r));
             }
             syncSharedBoxes(g.state.board);
             clearHallOfFame(hallOfFame(g));
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
        g.state.board.options.showDigits = false;
        g.state.board.noteFlag(1, 5, 5, 2) = true;
        const int index = fieldIndex(g.state.board, 0, 1, 1);
        g.ui.cursor.cursorColumn = index % kFieldSize;
        g.ui.cursor.cursorRow = index / kFieldSize;
        g.ui.cursor.cursorShown = t.cursorShown;
        w.platform.copyDataFile(QStringLiteral("Quintor.hlp"));
        w.platform.key(t.letter);
        w.platform.key(kKeyEsc);
        ASSERT_NO_THROW(t.editor ? boardEditor(g) : playLoop(g));
        const int value = t.letter - 'A' + 1;
        if (t.cursorShown) {
            // The letter's value stands in the cursor's cell; no command ran.
            EXPECT_EQ(g.state.board.cellValue(0, 1, 1), value);
            EXPECT_EQ(g.state.board.givenValue(0, 1, 1), t.editor ? value : 0);
            EXPECT_TRUE(g.state.board.noteFlag(1, 5, 5, 2)) << "C cleared the notes";
            EXPECT_FALSE(g.state.board.noteFlag(0, 8, 8, 1)) << "F filled the notes";
            EXPECT_EQ(g.ui.help.classicHelpWindow, nullptr) << "H opened the manual";
            EXPECT_FALSE(w.platform.fileExists(w.platform.printFile)) << "D printed";
        } else {
            // Hidden cursor: the letters keep their meaning (C clears every note, H helps).
            EXPECT_EQ(g.state.board.cellValue(0, 1, 1), 0);
            EXPECT_EQ(g.state.board.noteFlag(1, 5, 5, 2), t.letter != 'C');
            EXPECT_EQ(g.ui.help.classicHelpWindow != nullptr, t.letter == 'H');
        }
        delete g.ui.help.classicHelpWindow.data();
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
                     "FCMNT\x70" // F1: the list of keyboard shortcuts
                     "JK")},
        {"editor", editorCommands(),
         std::string("LSDHNMXTA\x1b"
                     "\x70JK")},
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

// The list of keyboard shortcuts is read from what the loops act on: every described key of
// both command tables is listed under its mode, and every key the cursor, undo and pause
// steps take is named in their rows (a key added to a step without a row fails here).
TEST(KeyList, ListsEveryKeyTheLoopsActOn) {
    const std::vector<KeyListGroup> groups = keyList();
    ASSERT_EQ(groups.size(), 5u);
    const CommandTable* tables[] = {&playCommands(), &editorCommands()};
    for (int t = 0; t < 2; ++t) {
        std::size_t described = 0;
        for (const KeyCommand& command : tables[t]->keys) {
            if (command.description[0] == '\0') continue; // the hidden solve letters
            const auto& entries = groups[static_cast<std::size_t>(t)].entries;
            EXPECT_TRUE(std::any_of(entries.begin(), entries.end(),
                                    [&](const KeyListEntry& e) {
                                        return e.keys == keyName(command.key) &&
                                               e.description ==
                                                   QString::fromUtf8(command.description);
                                    }))
                << groups[static_cast<std::size_t>(t)].title.toStdString() << ": "
                << command.description;
            ++described;
        }
        EXPECT_EQ(groups[static_cast<std::size_t>(t)].entries.size(), described);
        EXPECT_NE(findKeyCommand(*tables[t], kKeyF1), nullptr) << "F1 opens the list";
    }

    // Which codes each shared step takes, with and without Ctrl, on a board with the cursor
    // shown on an open cell. A step that opens the palette or the pause cover runs dry of
    // events: it took the key.
    auto taken = [](int code, bool ctrl, bool (*step)(Game&, const Event&)) {
        OpenCellsWorld w;
        Game& g = w.g();
        const int index = fieldIndex(g.state.board, 0, 1, 1);
        g.ui.cursor.cursorColumn = index % kFieldSize;
        g.ui.cursor.cursorRow = index / kFieldSize;
        g.ui.cursor.cursorShown = true;
        Event e;
        e.kind = Event::Kind::KeyRelease;
        e.code = code;
        e.modifiers = ctrl ? Event::Ctrl : 0;
        try {
            return step(g, e);
        } catch (const ScriptRanDry&) {
            return true;
        }
    };
    auto listed = [](std::span<const KeyHelp> rows, int code, bool ctrl) {
        return std::any_of(rows.begin(), rows.end(), [&](const KeyHelp& row) {
            return row.ctrl == ctrl &&
                   std::find(row.codes.begin(), row.codes.end(), code) != row.codes.end();
        });
    };
    struct Step {
        const char* name;
        std::span<const KeyHelp> rows;
        bool (*run)(Game&, const Event&);
    };
    const Step steps[] = {
        {"cursor", cursorKeyHelp(), cursorEvent},
        {"undo", undoKeyHelp(), undoRedoKey},
        {"pause", pauseKeyHelp(), pauseEvent},
    };
    for (const Step& step : steps)
        for (bool ctrl : {false, true})
            for (int code = 1; code < 128; ++code)
                EXPECT_EQ(taken(code, ctrl, step.run), listed(step.rows, code, ctrl))
                    << step.name << " key " << code << (ctrl ? " with Ctrl" : "");
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(groups[2 + i].entries.size(), steps[i].rows.size()) << steps[i].name;

    // The menu item and F1 open the window, also again.
    OpenCellsWorld w;
    Win_0_MenuEvent(w.g(), menuNumber(MenuId::KeyList));
    w.platform.key(kKeyF1);
    w.platform.key(kKeyEsc);
    ASSERT_NO_THROW(playLoop(w.g()));
    EXPECT_EQ(w.platform.helpWindows, (std::vector<QString>{"Tastenkürzel", "Tastenkürzel"}));
    EXPECT_TRUE(keyListHtml().contains(QStringLiteral("<b>Strg+Z</b>")));

    // Esc closes the window as it closes the manual, so that the player's next key reaches
    // the game again (the window used to keep Esc and the focus).
    QWidget* list = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("keyList")) list = top;
    ASSERT_NE(list, nullptr);
    list->show();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(list, &esc);
    EXPECT_FALSE(list->isVisible()) << "Esc left the key list open";
}
