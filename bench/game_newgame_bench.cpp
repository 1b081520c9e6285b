// Benchmark of a whole new game as "Neues Spiel" starts it: the puzzle drawn from a
// collection file on disk, shuffled and solved, restarted and drawn into the back buffer.
#include "session/game.h"
#include "bench_platform.h"
#include "app/screen.h"
#include "engine/board.h"
#include "engine/shuffle.h"
#include "files/boardfile.h"
#include "files/record.h"
#include "play/render.h"
#include "support_pure/puzzles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The repository's "leicht.qnt" when it is there, else four puzzles built here that the
// logical solver completes.
QByteArray collectionFile(Random& random) {
    QFile stored(
        QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../data/leicht.qnt")));
    if (stored.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = stored.readAll();
        if (bytes.size() == kBoardFileSize) return bytes;
    }
    QByteArray bytes;
    for (int record = 0; record < kRecordCount; ++record) {
        Board puzzle = puzzles::thinOut(puzzles::shuffledSolvedBoard(random), random, true, 150);
        // A stored puzzle holds its givens only, no solution and no notes.
        for (int i = 0; i < kBlockSize; ++i) puzzle.cellValue.bytes[i] = puzzle.givenValue.bytes[i];
        const BoardRecord encoded = encodeBoardRecord(puzzle, random);
        bytes.append(reinterpret_cast<const char*>(encoded.data()), kRecordSize);
    }
    return bytes;
}

void BM_NewGame(benchmark::State& state) {
    BenchPlatform platform;
    QImage image(1052, 787, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(&image);
    Game g(platform, canvas, 11);
    fillColourTable(g);
    {
        QFile file(platform.path(collectionFileName(Difficulty::Leicht)));
        file.open(QIODevice::WriteOnly);
        Random random(5);
        file.write(collectionFile(random));
    }
    g.state.difficulty = Difficulty::Leicht;
    for (auto _ : state) {
        g.state.board.status.errorCount = 0;
        if (!loadCollectionPuzzle(g)) state.SkipWithError("the collection file did not load");
        shuffleBoard(g.state.board, g.random);
        restartPuzzle(g.state.board);
        drawBoard(g);
        benchmark::DoNotOptimize(g.state.board.solutionValue.bytes.data());
    }
    if (g.state.board.status.notSolvable)
        state.SkipWithError("the shuffled puzzle was not solvable");
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kMicrosecond);

// The file half alone: the collection file read, one record checked and decoded.
void BM_LoadCollectionPuzzle(benchmark::State& state) {
    BenchPlatform platform;
    QImage image(1052, 787, QImage::Format_RGB32);
    Canvas canvas(&image);
    Game g(platform, canvas, 11);
    {
        QFile file(platform.path(collectionFileName(Difficulty::Leicht)));
        file.open(QIODevice::WriteOnly);
        Random random(5);
        file.write(collectionFile(random));
    }
    for (auto _ : state)
        if (!loadCollectionPuzzle(g)) state.SkipWithError("the collection file did not load");
}
BENCHMARK(BM_LoadCollectionPuzzle)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runGameBenchmarks(argc, argv);
}
