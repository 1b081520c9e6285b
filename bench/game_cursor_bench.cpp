// Benchmark of one cell-cursor move: the highlights follow the cursor by redrawing only the
// cells whose look changes, on a puzzle whose empty cells carry all nine notes.
#include "session/game.h"
#include "app/screen.h"
#include "bench_platform.h"
#include "engine/board.h"
#include "play/cursor.h"
#include "play/render.h"
#include "support_pure/puzzles.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

void BM_CursorMoveWithAllNotes(benchmark::State& state) {
    BenchGame bench;
    Game& g = bench.g;
    const QImage& image = bench.image;
    Board& b = g.state.board;
    for (int grid = 0; grid <= 4; ++grid)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                for (int v = 1; v <= 9; ++v) b.noteFlag(grid, c, r, v) = true;
    drawBoard(g);
    // The cursor walks right along a row of the centre grid and back, through empty cells
    // with notes, givens (same-value tints) and box borders.
    g.ui.cursor.cursorColumn = 6;
    g.ui.cursor.cursorRow = 10;
    Event show{Event::Kind::KeyRelease, kKeyRight, 0, 0};
    cursorEvent(g, show);
    int step = 0;
    for (auto _ : state) {
        const int key = (step++ / 8) % 2 == 0 ? kKeyRight : kKeyLeft;
        cursorEvent(g, Event{Event::Kind::KeyRelease, key, 0, 0});
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_CursorMoveWithAllNotes)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return runGameBenchmarks(argc, argv);
}
