// Benchmark of a long session in the window: 100,000 cursor moves and 1,000 entries, on a
// board with notes, drawn on a canvas that records its drawing as the window's does. Reports the
// recorded drawing calls, the process's peak memory (VmHWM) and the time one resize (a replay at
// scale 1.5) takes.
#include "session/game.h"
#include "app/screen.h"
#include "bench_platform.h"
#include "engine/board.h"
#include "play/cursor.h"
#include "play/render.h"
#include "support_pure/puzzles.h"

#include <QFile>
#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// The process's peak resident memory in megabytes.
double peakMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    return 0;
}

void BM_LongSession(benchmark::State& state) {
    for (auto _ : state) {
        BenchPlatform platform;
        QImage image(1052, 787, QImage::Format_RGB32);
        image.fill(Qt::white);
        Canvas canvas(&image);
        canvas.setRecording(true);
        Game g(platform, canvas, 11);
        fillColourTable(g);
        canvas.clear(Colour::WindowBackground);
        captureBackgroundStrips(g);
        drawStartScreen(g);
        Random random(5);
        g.state.board = puzzles::thinOut(puzzles::shuffledSolvedBoard(random), random, true, 150);
        // Every other empty cell carries all nine notes.
        int empty = 0;
        for (int grid = 0; grid <= 4; ++grid)
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r)
                    if (g.state.board.cellValue(grid, c, r) == 0 && ++empty % 2 == 0)
                        for (int v = 1; v <= 9; ++v) g.state.board.noteFlag(grid, c, r, v) = true;
        syncSharedNotes(g);
        drawBoard(g);
        const double startMegabytes = peakMegabytes();
        const size_t startCalls = canvas.recordedCalls();

        // The cursor sweeps rows and columns back and forth; every hundredth step types a
        // digit into the cursor's cell.
        const int keys[] = {kKeyRight, kKeyDown, kKeyLeft, kKeyUp};
        for (int move = 0; move < 100000; ++move) {
            const int key = keys[(move / 20) % 4];
            cursorEvent(g, Event{Event::Kind::KeyRelease, key, 0, 0});
            if (move % 100 == 99)
                cursorEvent(g, Event{Event::Kind::KeyRelease, '1' + (move / 100) % 9, 0, 0});
        }

        QImage larger(1578, 1181, QImage::Format_RGB32);
        const auto before = std::chrono::steady_clock::now();
        canvas.setDevice(&larger);
        canvas.setViewScale(1.5);
        canvas.replay();
        const double resizeMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before)
                .count();
        state.counters["calls_at_start"] = static_cast<double>(startCalls);
        state.counters["calls_at_end"] = static_cast<double>(canvas.recordedCalls());
        state.counters["VmHWM_MB_at_start"] = startMegabytes;
        state.counters["VmHWM_MB_at_end"] = peakMegabytes();
        state.counters["resize_ms"] = resizeMs;
    }
}
BENCHMARK(BM_LongSession)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return runGameBenchmarks(argc, argv);
}
