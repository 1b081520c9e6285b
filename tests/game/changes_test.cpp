// Commands note what they change and the pipeline draws it: after every command of the
// play loop, the editor and the menu, the screen shows what a redraw of everything the
// commands can change would show. A command that changes the board without noting it
// leaves a stale picture here.
#include "app/menu.h"
#include "app/screen.h"
#include "engine/rules.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "play/buttons.h"
#include "play/changes.h"
#include "play/commands.h"
#include "play/pipeline.h"
#include "play/render.h"
#include "session/menuid.h"
#include "play/events.h"
#include "play_helpers.h"
#include "support/scripted_platform.h"
#include "support_pure/puzzles.h"
#include "tests/game/scaled_world.h"

#include <gtest/gtest.h>

#include <QtMath>

#include <functional>

namespace {

struct Step {
    const char* name;
    std::function<void(Game& g, ScriptedPlatform& p)> run;
};

// The queued events through the pipeline of a loop's table, as the loop takes them.
void drain(Game& g, ScriptedPlatform& p, const CommandTable& table) {
    while (!p.events.empty()) processEvent(g, takeEvent(g), table);
}

// The first empty cell of grid 0 (column, row), the cell cursor shown on it by the arrow key
// queued (a click hides the cursor, a menu command too).
std::pair<int, int> cursorOnEmptyCell(Game& g, ScriptedPlatform& p) {
    const Board& b = g.state.board;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            if (b.cellValue(0, c, r) == 0) {
                g.ui.cursor.cursorShown = false;
                g.ui.cursor.cursorColumn = c - 1;
                g.ui.cursor.cursorRow = r - 1;
                p.key(kKeyRight); // the first arrow key shows the cursor where it is
                return {c, r};
            }
    return {0, 0};
}

} // namespace

TEST(Changes, EachCommandDrawsWhatItChanged) {
    const CommandTable& play = playCommands();
    const CommandTable& editor = editorCommands();
    // Keys and clicks queued, then taken by the play loop's or the editor's pipeline.
    const auto keys = [](const CommandTable& table, std::initializer_list<int> codes,
                         int modifiers = 0) {
        return [&table, codes = std::vector<int>(codes), modifiers](Game& g, ScriptedPlatform& p) {
            for (const int code : codes) p.key(code, modifiers);
            drain(g, p, table);
        };
    };
    // A key at the first empty cell of grid 0, the cursor shown there.
    const auto atEmptyCell = [](const CommandTable& table, int code, int modifiers = 0) {
        return [&table, code, modifiers](Game& g, ScriptedPlatform& p) {
            cursorOnEmptyCell(g, p);
            p.key(code, modifiers);
            drain(g, p, table);
        };
    };
    const auto otherDisplay = [](Game& g, ScriptedPlatform&) {
        Win_0_MenuEvent(
            g, menuNumber(g.state.board.options.showDigits ? MenuId::Letters : MenuId::Digits));
    };
    const Step steps[] = {
        {"F: every note set", keys(play, {'F'})},
        {"C: every note cleared", keys(play, {'C'})},
        {"a digit at the cursor", atEmptyCell(play, '3')},
        {"a wrong digit at the next empty cell",
         [&](Game& g, ScriptedPlatform& p) {
             const auto [c, r] = cursorOnEmptyCell(g, p);
             p.key('0' + g.state.board.solutionValue(0, c, r) % 9 + 1);
             drain(g, p, play);
         }},
        {"a note at the cursor (Ctrl+digit)", atEmptyCell(play, '5', Event::Ctrl)},
        {"a value chosen in the palette",
         [&](Game& g, ScriptedPlatform& p) {
             const auto [c, r] = cursorOnEmptyCell(g, p);
             const QPoint cell = play_test::cellCentre(0, c, r);
             const QPoint square =
                 play_test::squareCentre(0, c, r, g.state.board.solutionValue(0, c, r));
             p.leftClick(cell.x(), cell.y());
             p.leftClick(square.x(), square.y());
             drain(g, p, play);
         }},
        {"a right press empties that entry",
         [&](Game& g, ScriptedPlatform& p) {
             const Board& b = g.state.board;
             for (int r = 1; r <= 9; ++r)
                 for (int c = 1; c <= 9; ++c)
                     if (b.cellValue(0, c, r) != 0 && b.givenValue(0, c, r) == 0 &&
                         p.events.empty()) {
                         const QPoint cell = play_test::cellCentre(0, c, r);
                         p.rightClick(cell.x(), cell.y());
                     }
             drain(g, p, play);
         }},
        {"undo", keys(play, {'Z'}, Event::Ctrl)},
        {"undo again", keys(play, {'Z'}, Event::Ctrl)},
        {"redo", keys(play, {'Y'}, Event::Ctrl)},
        {"M: candidates shown", keys(play, {'M'})},
        {"a digit while candidates are shown", atEmptyCell(play, '7')},
        {"undo while candidates are shown", keys(play, {'Z'}, Event::Ctrl)},
        {"M: candidates hidden", keys(play, {'M'})},
        {"N: the puzzle restarted, then a digit",
         [&](Game& g, ScriptedPlatform& p) {
             p.key('N');
             drain(g, p, play);
             atEmptyCell(play, '4')(g, p);
         }},
        {"the Neustart button",
         [&](Game& g, ScriptedPlatform& p) {
             p.leftClick(420, 740);
             drain(g, p, play);
         }},
        {"menu: the other value display", otherDisplay},
        {"menu: shuffle",
         [&](Game& g, ScriptedPlatform&) { Win_0_MenuEvent(g, menuNumber(MenuId::ShuffleBoard)); }},
        {"menu: the first value display again", otherDisplay},
        {"editor: a given typed at the cursor",
         [&](Game& g, ScriptedPlatform& p) {
             g.ui.editorMode = true;
             atEmptyCell(editor, '2')(g, p);
         }},
        {"editor: X shuffles", keys(editor, {'X'})},
        {"editor: undo of the shuffle", keys(editor, {'Z'}, Event::Ctrl)},
        {"editor: undo of the given", keys(editor, {'Z'}, Event::Ctrl)},
    };

    const struct {
        const char* name;
        bool digits;
        qreal scale;
    } looks[] = {{"digits at scale 1", true, 1.0}, {"letters at scale 0.75", false, 0.75}};
    for (const auto& look : looks) {
        SCOPED_TRACE(look.name);
        ScaledWorld world(look.scale);
        const QImage& image = world.image;
        ScriptedPlatform& platform = world.platform;
        platform.onModal = [](QWidget*) {};
        Game& g = world.game;
        world.drawStart();
        Random random(11);
        Board& b = g.state.board;
        b = puzzles::thinOut(puzzles::shuffledSolvedBoard(random), random, true, 120);
        b.options.showDigits = look.digits;
        drawAllButtons(g);
        noteChange(g, Change::Board);
        noteChange(g, Change::Givens);
        noteChange(g, Change::ValueDisplay);
        drawChanges(g);

        for (const Step& step : steps) {
            SCOPED_TRACE(step.name);
            const Board before = b;
            step.run(g, platform);
            EXPECT_TRUE(pendingChanges(g).empty()) << "a change was left undrawn";
            // What a redraw of all a command can change shows.
            const QImage shown = image.copy();
            noteChange(g, Change::Board);
            noteChange(g, Change::Givens);
            noteChange(g, Change::ValueDisplay);
            drawChanges(g);
            EXPECT_TRUE(image == shown) << "the screen does not show what the command changed";
            EXPECT_FALSE(b == before) << "the step changed nothing: it tests nothing";
        }
    }
}
