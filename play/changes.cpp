// The change set of the running command and its drawing.
#include "play/changes.h"

#include "panels/info.h"
#include "panels/statistics.h"
#include "platform/canvas.h"
#include "play/render.h"
#include "session/game.h"

#include <algorithm>
#include <utility>

namespace {

// The change set is the changes module's own part of the session.
ChangeSet& changeSet(const Game& g) {
    return g.parts.part<ChangeSet>();
}

} // namespace

void noteChange(Game& g, Change change) {
    changeSet(g).kinds |= static_cast<unsigned>(change);
}

void noteCellChange(Game& g, int grid, int column, int row) {
    std::vector<std::array<int, 3>>& cells = changeSet(g).cells;
    const std::array<int, 3> cell{grid, column, row};
    if (std::find(cells.begin(), cells.end(), cell) == cells.end()) cells.push_back(cell);
    noteChange(g, Change::Counts);
}

const ChangeSet& pendingChanges(const Game& g) {
    return changeSet(g);
}

void drawChanges(Game& g) {
    // Taken first: what the drawing itself settles (a solved game's finish) may note more.
    const ChangeSet changes = std::exchange(changeSet(g), ChangeSet{});
    if (changes.has(Change::Board)) {
        showBoard(g);
    } else {
        if (!changes.cells.empty()) {
            CanvasBatch batch(g.canvas);
            redrawCells(g, changes.cells);
        }
        if (changes.has(Change::Counts)) updateDigitCounts(g);
    }
    if (changes.has(Change::Givens)) updateDifficultyPanel(g);
    if (changes.has(Change::ValueDisplay)) drawStatisticsPanel(g);
}
