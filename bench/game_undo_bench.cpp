// Benchmark of undo and redo in the game with the redraw: a board in play with notes and a
// history of 10,000 changes; each iteration takes the last change back and puts it again
// (two operations), into the window's back buffer.
#include "session/game.h"
#include "app/screen.h"
#include "bench_platform.h"
#include "play/changes.h"
#include "play/render.h"
#include "play/undo.h"
#include "support_pure/puzzles.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// range(0): 0 = the last change is one entry in a shared box, 1 = it set every note (F).
void BM_UndoRedoWithRedraw(benchmark::State& state) {
    BenchGame bench;
    Game& g = bench.g;
    const QImage& image = bench.image;
    Random& random = bench.random;
    Board& b = g.state.board;
    drawBoard(g);
    // 10,000 entries, deletions and note toggles on the open cells.
    std::vector<std::array<int, 3>> open;
    for (int grid = 0; grid <= 4; ++grid)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (b.givenValue(grid, c, r) == 0) open.push_back({grid, c, r});
    for (int i = 0; i < 10000; ++i) {
        const auto [grid, c, r] =
            open[static_cast<std::size_t>(random.RANDOM(static_cast<int>(open.size())))];
        const UndoStep step(g);
        if (i % 3 == 0) {
            bool& note = b.noteFlag(grid, c, r, 1 + random.RANDOM(9));
            note = !note;
        } else {
            b.cellValue(grid, c, r) = static_cast<std::uint8_t>(random.RANDOM(10));
        }
        syncSharedBoxes(b);
    }
    {
        const UndoStep step(g);
        if (state.range(0) == 1) {
            setAllNotes(b, true);
        } else {
            b.cellValue(0, 8, 8) = 0;
            b.cellValue(0, 8, 8) = b.solutionValue(0, 8, 8) % 9 + 1;
            syncSharedBoxes(b);
        }
    }
    drawBoard(g);
    for (auto _ : state) {
        undoChange(g);
        drawChanges(g);
        redoChange(g);
        drawChanges(g);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(2 * state.iterations()); // items/s: undos and redos per second
}
BENCHMARK(BM_UndoRedoWithRedraw)
    ->ArgName("allNotes")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return runGameBenchmarks(argc, argv);
}
