// The platform of the game benchmarks: files in a temporary working directory, every other
// call does nothing, so only the game's own work is measured.
#pragma once

#include "session/game.h"
#include "app/screen.h"
#include "platform/platform.h"
#include "support_pure/puzzles.h"

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

class BenchPlatform : public Platform {
  public:
    QTemporaryDir dir;
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    Event nextEvent() override { return {}; }
    void waitNoMouseButton() override {}
    int messageBox(const QString&, const QString&, int defaultButton, MessageIcon) override {
        return defaultButton;
    }
    void runModal(QWidget*, QPoint, const std::function<bool()>&) override {}
    void callLater(int, std::function<void()>) override {} // the benchmarks leave no game
    double now() override { return 0; }
    QString dateText() override { return {}; }
    void sleepMs(int) override {}
    void setPointer(PointerShape) override {}
    void beep() override {}
    void setMenuEnabled(bool) override {}
    void setMenuChecked(int, bool) override {}
    void setClockLabel(const QString&) override {}
    QString filePath(const QString& name) override { return path(name); }
    void openUrl(const QString&) override {}
    QWidget* mainWindow() override { return nullptr; }
};

// A game on the bench platform drawing into a window-sized image, its main screen drawn and a
// shuffled puzzle of 150 givens in play (not yet drawn).
struct BenchGame {
    BenchPlatform platform;
    QImage image{1052, 787, QImage::Format_RGB32};
    Canvas canvas{&image};
    Game g{platform, canvas, 11};
    Random random{5}; // drew the puzzle; draws on for the benchmark
    BenchGame() {
        image.fill(Qt::white);
        fillColourTable(g);
        drawMainScreen(g);
        g.state.board = puzzles::thinOut(puzzles::shuffledSolvedBoard(random), random, true, 150);
    }
};

// The main of the game benchmarks: a QApplication on the offscreen platform unless another
// is asked for, then every registered benchmark.
inline int runGameBenchmarks(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
