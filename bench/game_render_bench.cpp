// Benchmark of the one full redraw: drawBoard of a puzzle with entries and candidate notes
// in every empty cell, into the window's back buffer (values, notes, counts and status).
#include "session/game.h"
#include "bench_platform.h"
#include "app/screen.h"
#include "engine/board.h"
#include "play/render.h"
#include "support_pure/puzzles.h"

#include <QApplication>
#include <QImage>
#include <QtMath>

#include <benchmark/benchmark.h>

namespace {

// The board as in the window at view scale range(0) / 100: the back buffer holds the
// picture at that scale and the canvas records its drawing, as the window's does.
void drawBoardAtScale(benchmark::State& state, qreal scale, bool recording) {
    BenchPlatform platform;
    QImage image(qCeil(1052 * scale), qCeil(787 * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(&image);
    canvas.setViewScale(scale);
    canvas.setRecording(recording);
    Game g(platform, canvas, 11);
    fillColourTable(g);
    drawMainScreen(g);
    Random random(5);
    g.state.board = puzzles::thinOut(puzzles::shuffledSolvedBoard(random), random, true, 150);
    Board& b = g.state.board;
    // A third of the empty cells hold the player's entries (one in ten wrong), the rest
    // carry all nine notes: every kind of cell text is drawn.
    int n = 0;
    for (int grid = 0; grid <= 4; ++grid)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                if (b.cellValue(grid, c, r) != 0) continue;
                if (++n % 3 == 0) {
                    const int v = b.solutionValue(grid, c, r);
                    b.cellValue(grid, c, r) =
                        static_cast<std::uint8_t>(n % 30 == 0 ? v % 9 + 1 : v);
                } else {
                    for (int v = 1; v <= 9; ++v) b.noteFlag(grid, c, r, v) = true;
                }
            }
    syncSharedBoxes(b);
    for (auto _ : state) {
        drawBoard(g);
        benchmark::DoNotOptimize(image.constBits());
    }
}
void BM_DrawBoardWithNotes(benchmark::State& state) {
    drawBoardAtScale(state, 1.0, false);
}
BENCHMARK(BM_DrawBoardWithNotes)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_DrawBoardWithNotesAtViewScale(benchmark::State& state) {
    drawBoardAtScale(state, state.range(0) / 100.0, true);
}
BENCHMARK(BM_DrawBoardWithNotesAtViewScale)
    ->Arg(70)
    ->Arg(100)
    ->Arg(150)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    return runGameBenchmarks(argc, argv);
}
