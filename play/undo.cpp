// Undo and redo in the game: the change around each command, the keys, and what an undone
// or redone change touched, noted for the drawing. Called by the play loop, the editor and the
// menu commands.
#include "play/undo.h"

#include "session/game.h"
#include "play/changes.h"

#include <algorithm>
#include <vector>

namespace {

// Above this many touched cells one full redraw is cheaper than cell by cell.
constexpr std::size_t kCellRedrawLimit = 40;

// Notes what an undone or redone change touched: its cells, or the whole board when the
// change reached the solution or the candidate display; the givens where they changed.
void noteUndoneChange(Game& g, const History::Change& change) {
    using namespace boardimage;
    std::vector<int> cells; // cellIndex of each touched cell, in image order
    bool givens = false, wholeBoard = g.state.board.options.showCandidates;
    for (const BoardEdit& e : change.edits) {
        if (e.offset >= kSolutionValue) {
            wholeBoard = true;
            break;
        }
        if (e.offset >= kGivenValue && e.offset < kNoteFlag) givens = true;
        const int cell = (e.offset - kCellValue) % kBlockSize;
        if (cells.empty() || cells.back() != cell) cells.push_back(cell);
    }
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    if (wholeBoard || cells.size() > kCellRedrawLimit) {
        noteChange(g, Change::Board);
    } else {
        for (const int cell : cells) {
            const int grid = cell % 5, column = cell / 5 % 10, row = cell / 50;
            if (column != 0 && row != 0) noteCellChange(g, grid, column, row);
        }
        noteChange(g, Change::Counts);
    }
    if (givens) noteChange(g, Change::Givens);
}

} // namespace

UndoStep::UndoStep(Game& g) : g_(g) {
    g_.state.history.beginChange(g_.state.board);
}

UndoStep::~UndoStep() {
    g_.state.history.endChange(g_.state.board);
}

void startNewHistory(Game& g) {
    g.state.history.clear();
}

void closeOpenChange(Game& g) {
    g.state.history.closeOpenChange(g.state.board);
}

bool undoChange(Game& g) {
    const History::Change* change = g.state.history.undo(g.state.board);
    if (change == nullptr) return false;
    noteUndoneChange(g, *change);
    return true;
}

bool redoChange(Game& g) {
    const History::Change* change = g.state.history.redo(g.state.board);
    if (change == nullptr) return false;
    noteUndoneChange(g, *change);
    return true;
}

std::span<const KeyHelp> undoKeyHelp() {
    static const KeyHelp help[] = {
        {QT_TRANSLATE_NOOP("PlayTexts", "Strg+Z"),
         QT_TRANSLATE_NOOP("PlayTexts", "Zurücknehmen"),
         true,
         {'Z'},
         {nullptr, QT_TRANSLATE_NOOP("PanelTexts", "zurück")}},
        {QT_TRANSLATE_NOOP("PlayTexts", "Strg+Y, Strg+Umschalt+Z"),
         QT_TRANSLATE_NOOP("PlayTexts", "Wiederholen"),
         true,
         {'Y'}},
    };
    return help;
}

bool undoRedoKey(Game& g, const Event& e) {
    if (e.kind != Event::Kind::KeyRelease || !e.ctrl() || e.alt()) return false;
    if (e.code == 'Z' && !e.shift()) {
        undoChange(g);
        return true;
    }
    if (e.code == 'Y' || (e.code == 'Z' && e.shift())) {
        redoChange(g);
        return true;
    }
    return false;
}
