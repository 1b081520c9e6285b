// The menu item table and its parser, the Qt menu bar built from it, the check marks, the
// common head and tail of every command, and the quit question.
#include "session/game.h"
#include "session/modal.h"
#include "app/menu.h"
#include "play/events.h"
#include "app/screen.h"
#include "panels/info.h"
#include "support/scripted_platform.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

// One line per parsed entry: "[title]" for a drop-down (its items indented by two
// blanks), "-" for a separator, "id:text" for a command.
void render(const std::vector<MenuItem>& items, const QString& indent, QStringList& out) {
    for (const MenuItem& item : items) {
        switch (item.kind) {
        case MenuItem::Kind::SubMenu:
            out << indent + "[" + item.text + "]";
            render(item.items, indent + "  ", out);
            break;
        case MenuItem::Kind::Separator:
            out << indent + "-";
            break;
        case MenuItem::Kind::Command:
            out << indent + QString::number(item.id) + ":" + item.text;
            break;
        }
    }
}

QStringList render(const std::vector<MenuItem>& bar) {
    QStringList out;
    render(bar, QString(), out);
    return out;
}

void drawFirstScreen(TestWorld& w) {
    w.canvas.clear(Colour::WindowBackground);
    captureBackgroundStrips(w.g());
    drawStartScreen(w.g());
}

} // namespace

TEST(MenuTable, ParsesIntoTheFourDropDowns) {
    std::vector<MenuItem> bar;
    ASSERT_TRUE(parseMenuTable(menuItemTable(), bar));
    const QStringList expected = {
        "[&Quintor]",
        "  8:&Neues Spiel",
        "  9:&Rätsel erzeugen ...",
        "  -",
        "  10:&Spielstart",
        "  25:N&eustart",
        "  -",
        "  12:Spieldruck",
        "  -",
        "  99:&Beenden",
        "[&Optionen]",
        "  20:&lade Brett",
        "  21:&sichere Brett",
        "  23:Rätsel e&infügen",
        "  28:Rätsel &kopieren",
        "  -",
        "  22:&Brett lösen",
        "  26:B&rett löschen",
        "  27:Brett &drucken",
        "  13:Rätsel&heft drucken ...",
        "  24:Brett &mischen",
        "  -",
        "  11:&Eigenes Brett",
        "  -",
        "  [S&prache]",
        "    70:Deutsch",
        "    71:English",
        "  [&Farben]",
        "    72:Klassisch",
        "    73:Dunkel",
        "    74:Wie das System",
        "[Sch&wierigkeit]",
        "  30:&Leicht",
        "  31:&Mittel",
        "  32:&Schwer",
        "  33:&Extrem",
        "  -",
        "  40:&Zahlen",
        "  41:&Buchstaben",
        "  -",
        "  44:Zeige &Kandidaten",
        "  -",
        "  45:Rätsel-Symmetrie",
        "  -",
        "  50:&Ruhmeshalle",
        "  51:S&tatistik",
        "[&Hilfe]",
        "  60:&Anleitung",
        "  61:&Tastenkürzel",
        "  -",
        "  1:über &Quintor...",
    };
    EXPECT_EQ(render(bar), expected);
}

TEST(MenuTable, Grammar) {
    struct Case {
        const char* what;
        std::vector<QString> table;
        bool ok;
        QStringList rendered;
    };
    const std::vector<Case> cases = {
        {"a command directly on the bar", {"5:&Direkt", "", ""}, true, {"5:&Direkt"}},
        {"nested drop-down",
         {"&A", ">&Mehr", "7:x", "", "8:y", "", ""},
         true,
         {"[&A]", "  [&Mehr]", "    7:x", "  8:y"}},
        {"no number before the colon gives 0",
         {"&A", "abc:x", ":y", "", ""},
         true,
         {"[&A]", "  0:x", "  0:y"}},
        {"the text is everything after the first colon",
         {"&A", "3:a:b", "", ""},
         true,
         {"[&A]", "  3:a:b"}},
        {"an empty bar", {""}, true, {}},
        {"the bar is not ended", {"&A", "1:x", ""}, false, {}},
        {"a drop-down is not ended", {"&A", "1:x"}, false, {}},
        {"an item without id", {"&A", "Text", "", ""}, false, {}},
        {"a nested drop-down is not ended", {"&A", ">B", "1:x"}, false, {}},
    };
    for (const Case& c : cases) {
        std::vector<MenuItem> bar = {{MenuItem::Kind::Command, 42, "kept", {}}};
        EXPECT_EQ(parseMenuTable(c.table, bar), c.ok) << c.what;
        if (c.ok)
            EXPECT_EQ(render(bar), c.rendered) << c.what;
        else
            EXPECT_EQ(render(bar), QStringList{"42:kept"}) << c.what << ": nothing is kept";
    }
}

TEST(MenuBar, QtTreeWithAccessKeysAndIds) {
    std::vector<MenuItem> bar;
    ASSERT_TRUE(parseMenuTable(menuItemTable(), bar));
    std::vector<int> ids;
    std::unique_ptr<QMenuBar> menuBar(
        buildMenuBar(bar, nullptr, [&ids](int id, QAction*) { ids.push_back(id); }));
    EXPECT_EQ(
        ids, (std::vector<int>{8,  9,  10, 25, 12, 99, 20, 21, 23, 28, 22, 26, 27, 13, 24, 11, 70,
                               71, 72, 73, 74, 30, 31, 32, 33, 40, 41, 44, 45, 50, 51, 60, 61, 1}));
    const QList<QAction*> titles = menuBar->actions();
    ASSERT_EQ(titles.size(), 4);
    EXPECT_EQ(QKeySequence::mnemonic(titles[0]->text()), QKeySequence(Qt::ALT | Qt::Key_Q));
    EXPECT_EQ(QKeySequence::mnemonic(titles[2]->text()), QKeySequence(Qt::ALT | Qt::Key_W));
    const QList<QAction*> quintor = titles[0]->menu()->actions();
    ASSERT_EQ(quintor.size(), 9);
    EXPECT_TRUE(quintor[2]->isSeparator());
    EXPECT_EQ(QKeySequence::mnemonic(quintor[8]->text()), QKeySequence(Qt::ALT | Qt::Key_B));
    EXPECT_TRUE(QKeySequence::mnemonic(quintor[6]->text()).isEmpty()) << "Spieldruck has none";
    EXPECT_EQ(titles[3]->menu()->actions()[3]->text(), QStringLiteral("über &Quintor..."));
}

TEST(MenuChecks, FollowEveryToggle) {
    TestWorld w;
    Game& g = w.g();
    auto& checks = w.platform.menuChecks;
    auto checked = [&checks]() {
        std::vector<int> on;
        for (const auto& [id, state] : checks)
            if (state) on.push_back(id);
        return on;
    };
    updateMenuChecks(g);
    EXPECT_EQ(checked(), (std::vector<int>{30, 40, 45, 70, 72})); // Deutsch, Klassisch
    struct Step {
        int command;
        std::vector<int> checked;
    };
    for (const Step& s :
         {Step{32, {32, 40, 45}}, Step{41, {32, 41, 45}}, Step{44, {32, 41, 44, 45}},
          Step{45, {32, 41, 44}}, Step{40, {32, 40, 44}}, Step{44, {32, 40}}, Step{33, {33, 40}},
          Step{30, {30, 40}}, Step{45, {30, 40, 45}}}) {
        Win_0_MenuEvent(g, s.command);
        std::vector<int> expected = s.checked;
        expected.push_back(70);
        expected.push_back(72);
        EXPECT_EQ(checked(), expected) << "after command " << s.command;
    }
}

TEST(MenuCommand, HeadAndTail) {
    TestWorld w;
    Game& g = w.g();
    drawFirstScreen(w);
    w.canvas.fillRect(20, 728, 700, 750, colour(3)); // a button bar to erase
    consumeEscape(g);
    g.state.clock.clockRunning = true;
    g.ui.helpText = QStringLiteral("Bitte ein Feld anklicken!");
    const BoardArray before = g.state.board.cellValue;

    Win_0_MenuEvent(g, 33);

    EXPECT_EQ(w.platform.menuEnabledLog, (std::vector<bool>{false, true}));
    EXPECT_FALSE(escapeConsumed(g));
    EXPECT_FALSE(g.state.clock.clockRunning);
    EXPECT_EQ(g.state.difficulty, Difficulty::Extrem);
    EXPECT_EQ(g.state.board.cellValue, before) << "a difficulty leaves the board alone";
    EXPECT_EQ(g.ui.helpText, QStringLiteral("Bitte Menupunkt auswählen!"));
    ASSERT_FALSE(w.platform.pointers.empty());
    EXPECT_EQ(w.platform.pointers.back(), PointerShape::Arrow);
    EXPECT_EQ(w.pixel(20, 728), colour(12)) << "button bar erased";
    EXPECT_EQ(w.pixel(700, 740), colour(12));
}

TEST(MenuCommand, HelpLineWhileTheCommandRunsThenTheIdleLine) {
    // Commands that lead to the board show "Bitte ein Feld anklicken!" before they act;
    // every command ends with the idle line drawn over it.
    struct Case {
        int command;
        bool leadsToBoard;
    };
    for (const Case c : {Case{8, true}, Case{24, true}, Case{33, false}, Case{45, false}}) {
        SCOPED_TRACE(c.command);
        TestWorld w;
        drawFirstScreen(w);
        // Neues Spiel without its collection file stops at a message: the help line then.
        QStringList atMessage;
        w.platform.onMessage = [&](const ScriptedPlatform::Message&) {
            const auto drawn = w.canvas.textsAt(776, 576);
            atMessage << (drawn.empty() ? QString() : drawn.back().text);
        };
        w.canvas.journal.clear();
        Win_0_MenuEvent(w.g(), c.command);

        QStringList expected;
        if (c.leadsToBoard) expected << QStringLiteral("Bitte ein Feld anklicken!");
        expected << QStringLiteral("Bitte Menupunkt auswählen!");
        QStringList drawn;
        for (const Canvas::TextRecord& r : w.canvas.textsAt(776, 576)) drawn << r.text;
        EXPECT_EQ(drawn, expected);
        if (c.command == 8) {
            EXPECT_EQ(atMessage, QStringList{QStringLiteral("Bitte ein Feld anklicken!")});
        }
    }
}

TEST(MenuCommand, DifficultyPanelShowsEachChoiceAndTheGivens) {
    TestWorld w;
    Game& g = w.g();
    drawFirstScreen(w);
    g.state.board.givenValue(0, 7, 7) = g.state.board.givenValue(2, 1, 1) = 5; // one shared given
    g.state.board.givenValue(4, 9, 9) = 3;
    const char* names[] = {" Leicht ", " Mittel ", "Schwer ", "Extrem "};
    for (int d : {2, 0, 3, 1}) {
        w.canvas.journal.clear();
        Win_0_MenuEvent(g, 30 + d);
        const auto name = w.canvas.textsAt(816, 468);
        const auto count = w.canvas.textsAt(950, 455);
        ASSERT_FALSE(name.empty() || count.empty()) << d;
        EXPECT_EQ(name.back().text, QString::fromLatin1(names[d]) + "  ");
        EXPECT_EQ(count.back().text, QStringLiteral("  2 "));
    }
}

TEST(MenuCommand, DigitsAndLettersRedrawTheStatisticsPanel) {
    TestWorld w;
    Game& g = w.g();
    drawFirstScreen(w);
    struct Step {
        int command;
        const char* heading;
        const char* first; // the label of value 1
        const char* last;  // the label of value 9
    };
    for (const Step s : {Step{41, "Ziffer", "A", "I"}, Step{40, "Zahlen", "1", "9"}}) {
        w.canvas.journal.clear();
        Win_0_MenuEvent(g, s.command);
        const auto heading = w.canvas.textsAt(748, 254);
        const auto first = w.canvas.textsAt(816, 254);
        const auto last = w.canvas.textsAt(816 + 8 * 24, 254);
        ASSERT_FALSE(heading.empty() || first.empty() || last.empty()) << s.command;
        EXPECT_EQ(heading.back().text, QString::fromLatin1(s.heading));
        EXPECT_EQ(first.back().text, QString::fromLatin1(s.first));
        EXPECT_EQ(last.back().text, QString::fromLatin1(s.last));
    }
}

TEST(MenuCommand, MenuDisabledWhileAQuestionIsShown) {
    TestWorld w;
    Game& g = w.g();
    bool enabledDuringQuestion = true;
    w.platform.onMessage = [&](const ScriptedPlatform::Message&) {
        enabledDuringQuestion = w.platform.menuEnabled;
    };
    w.platform.answers = {2};
    Win_0_MenuEvent(g, 99);
    EXPECT_FALSE(enabledDuringQuestion);
    EXPECT_TRUE(w.platform.menuEnabled);
}

TEST(MenuCommand, CandidatesToggleErasesEveryNote) {
    TestWorld w;
    Game& g = w.g();
    g.state.board.cellValue(0, 1, 1) = 7; // a filled cell gets no automatic candidates
    for (bool expectedShow : {true, false}) {
        g.state.board.noteFlag(0, 1, 1, 5) = true;
        g.state.board.noteFlag(4, 9, 9, 9) = true;
        Win_0_MenuEvent(g, 44);
        EXPECT_EQ(g.state.board.options.showCandidates, expectedShow);
        EXPECT_FALSE(g.state.board.noteFlag(0, 1, 1, 5)); // the player's notes are gone
        if (expectedShow)
            EXPECT_TRUE(g.state.board.noteFlag(1, 5, 5, 3)); // empty cells show their candidates
        else
            EXPECT_EQ(g.state.board.noteFlag, NoteArray<bool>{});
    }
}

TEST(MenuCommand, NewGameWithoutCollectionFileStopsAfterItsMessage) {
    TestWorld w;
    Game& g = w.g();
    g.state.board.status.errorCount = 2;
    Win_0_MenuEvent(g, 8);
    EXPECT_EQ(g.state.board.status.errorCount, 0);
    EXPECT_EQ(g.state.clock.startTime, 0.0) << "the clock was not started";
    EXPECT_FALSE(g.state.clock.clockRunning);
}

TEST(MenuCommand, ASecondNewGameIsTimedFromItsOwnStart) {
    TestWorld w;
    Game& g = w.g();
    w.platform.copyDataFile(QStringLiteral("leicht.qnt"));
    w.platform.key(27); // leaves the first game at once
    Win_0_MenuEvent(g, 8);
    joinClockTicker(g);

    w.platform.time += 500.0;
    const double secondStart = w.platform.time;
    const std::size_t labelsBefore = w.platform.clockLabels.size();
    w.platform.key(27);
    Win_0_MenuEvent(g, 8);
    joinClockTicker(g);
    EXPECT_EQ(g.state.clock.startTime, secondStart);
    ASSERT_GT(w.platform.clockLabels.size(), labelsBefore);
    EXPECT_EQ(w.platform.clockLabels[labelsBefore], QStringLiteral(" 00:00:00"));
}

TEST(QuitGame, Answers) {
    {
        TestWorld w;
        w.platform.answers = {2};
        EXPECT_NO_THROW(Win_0_MenuEvent(w.g(), 99));
        ASSERT_EQ(w.platform.messages.size(), 1u);
        const auto& m = w.platform.messages[0];
        EXPECT_EQ(m.text, QStringLiteral("Spiel beenden?"));
        EXPECT_EQ(m.captions, QStringLiteral("&JA|&NEIN"));
        EXPECT_EQ(m.defaultButton, 2);
        EXPECT_EQ(m.icon, MessageIcon::Question);
        EXPECT_EQ(w.g().ui.helpText, QStringLiteral("Bitte Menupunkt auswählen!"));
    }
    {
        TestWorld w;
        w.platform.answers = {1};
        EXPECT_THROW(Win_0_MenuEvent(w.g(), 99), QuitRequested);
    }
    {
        // The close box: "&NEIN" keeps the game and swallows the Esc that answered it.
        TestWorld w;
        w.platform.answers = {2};
        Win_0_Close(w.g());
        EXPECT_TRUE(escapeConsumed(w.g()));
    }
    {
        TestWorld w;
        w.platform.answers = {1};
        EXPECT_THROW(Win_0_Close(w.g()), QuitRequested);
        EXPECT_FALSE(escapeConsumed(w.g()));
    }
}

TEST(QuitGame, FromTheCloseBoxDuringAGame) {
    {
        // "&JA": the quit unwinds the play loop and the command.
        TestWorld w;
        w.platform.closeRequest();
        w.platform.answers = {1};
        EXPECT_THROW(Win_0_MenuEvent(w.g(), 10), QuitRequested);
    }
    {
        // "&NEIN": the game goes on, and the Esc release that answered the question does
        // not end it; A does.
        TestWorld w;
        w.platform.closeRequest();
        w.platform.key(kKeyEsc);
        w.platform.key('F');
        w.platform.key('A');
        w.platform.answers = {2};
        Win_0_MenuEvent(w.g(), 10);
        EXPECT_TRUE(w.platform.events.empty());
        EXPECT_TRUE(w.g().state.board.noteFlag(0, 1, 1, 1)) << "F after the Esc was still played";
        EXPECT_EQ(w.platform.messages.size(), 1u);
    }
}
