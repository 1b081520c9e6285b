// The view scale: the picture drawn at other scales lands on scaled coordinates, pointer
// input is mapped back into picture coordinates, and a resize during a game redraws the
// picture exactly as if it had been drawn at the new scale from the start.
#include "session/game.h"
#include "app/menu.h"
#include "app/screen.h"
#include "app/win0.h"
#include "files/resume.h"
#include "platform/qt_platform.h"
#include "play/cursor.h"
#include "play/palette.h"
#include "play/render.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"
#include "tests/game/scaled_world.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QtMath>
#include <gtest/gtest.h>

namespace {

// Start-up steps 6, 8 and 10.
void drawFirstScreen(Game& g) {
    g.canvas.clear(Colour::WindowBackground);
    captureBackgroundStrips(g);
    drawStartScreen(g);
}

// The Qt platform with a hook that runs before the game reads its n-th event (after it
// drew what the previous one asked for).
class HookedPlatform : public QtPlatform {
  public:
    Event nextEvent() override {
        if (++reads_ == hookAt && hook) hook();
        return QtPlatform::nextEvent();
    }
    int hookAt = 0;
    std::function<void()> hook;

  private:
    int reads_ = 0;
};

// A game in the real window at view scale `scale`: a click on cell (2, 3) of grid 0, the
// pointer onto the palette's square 5 and a click there, then A. `hook` runs once the
// palette is open. Returns the back buffer at the end.
struct ScaledGame {
    HookedPlatform platform;
    Win_0 window{platform};
    Canvas canvas;
    Game game{platform, canvas, 7};

    explicit ScaledGame(qreal scale) {
        window.attachCanvas(canvas);
        fillColourTable(game);
        window.setGame(&game);
        window.buildMenuBar();
        window.setViewScale(scale);
        window.show();
        drawFirstScreen(game);
        window.createClockLabel();
        Board& b = game.state.board;
        // Automatic notes in every empty cell, and one given.
        b.options.showCandidates = true;
        b.cellValue(0, 1, 1) = b.givenValue(0, 1, 1) = 7;
    }

    // Picture point (x, y) as a position on the drawing area.
    QPointF onArea(int x, int y) const {
        const qreal s = window.viewScale();
        const QSizeF area = window.drawingArea()->size();
        const QPointF origin((area.width() - 1052 * s) / 2, (area.height() - 787 * s) / 2);
        return origin + QPointF(x + 0.5, y + 0.5) * s;
    }

    void play() {
        QWidget* area = window.drawingArea();
        auto mouse = [this, area](QEvent::Type type, int x, int y) {
            const QPointF p = onArea(x, y);
            QMouseEvent e(type, p, area->mapToGlobal(p),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
            QApplication::sendEvent(area, &e);
        };
        auto key = [this](QEvent::Type type, int k) {
            QKeyEvent e(type, k, Qt::NoModifier, QStringLiteral("a"));
            QApplication::sendEvent(&window, &e);
        };
        const int cellX = 15 + 33 + 16, cellY = 15 + 66 + 16;   // cell (2, 3) of grid 0
        const int squareX = 38 + 18 + 9, squareY = 71 + 18 + 9; // palette square 5
        QTimer::singleShot(0, [=] {
            mouse(QEvent::MouseButtonPress, cellX, cellY);
            mouse(QEvent::MouseMove, squareX, squareY);
            mouse(QEvent::MouseButtonPress, squareX, squareY);
            key(QEvent::KeyPress, Qt::Key_A);
            key(QEvent::KeyRelease, Qt::Key_A);
        });
        window.runMenuCommand(static_cast<int>(MenuId::StartGame));
    }
};

// The start screen and a board of givens, entries (one wrong) and notes, then the cursor
// walked across three grids: cells beside every kind of line were erased and drawn again.
void drawLineProbeScene(Game& g) {
    drawFirstScreen(g);
    Board& b = g.state.board;
    play_test::fillSolvedBoard(b);
    for (int grid = 0; grid < 5; ++grid)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) {
                if ((c + r + grid) % 3 != 0) continue;
                play_test::openCell(b, grid, c, r);
                if ((c + grid) % 2 == 0)
                    for (int v = 1; v <= 9; ++v) b.noteFlag(grid, c, r, v) = true;
                else
                    b.cellValue(grid, c, r) = static_cast<std::uint8_t>(c % 9 + 1);
            }
    syncSharedBoxes(b);
    syncSharedNotes(g);
    drawBoard(g);
    for (int i = 0; i < 40; ++i)
        cursorEvent(g, Event{Event::Kind::KeyRelease, i % 2 == 0 ? kKeyRight : kKeyDown, 0, 0});
}

} // namespace

TEST(ViewScale, EveryCellLineStaysVisibleAtSmallScales) {
    // The same scene at scale 1 gives each line's colour.
    TestWorld reference;
    drawLineProbeScene(reference.g());
    for (qreal s : {0.5, 0.6, 0.75, 0.8}) {
        ScaledWorld world(s, true);
        QImage& image = world.image;
        Canvas& canvas = world.canvas;
        Game& g = world.game;
        drawLineProbeScene(g);
        // Along every cell boundary, between the crossings, the line's colour in its device
        // pixels (a box line of 2 picture pixels may show in either of its columns).
        int missing = 0;
        QString first;
        auto probe = [&](int x, int y, int w, int h, QPoint along) {
            const QColor want = reference.pixel(x, y);
            const QRect d = canvas.deviceRect(QRect(x, y, w, h));
            bool found = false;
            for (int i = 0; i < std::max(d.width(), d.height()) && !found; ++i)
                found = image.pixelColor(d.topLeft() + along * i) == want;
            if (!found && missing++ == 0) first = QStringLiteral("(%1, %2)").arg(x).arg(y);
        };
        for (int grid = 0; grid < 5; ++grid) {
            const int left = gridLeft(grid), top = gridTop(grid);
            for (int k = 0; k <= 9; ++k) {
                const int width = k % 3 == 0 ? 2 : 1;
                for (int cell = 0; cell < 9; ++cell)
                    for (int t = 3; t <= 30; ++t) {
                        probe(left + 33 * k, top + 33 * cell + t, width, 1, QPoint(1, 0));
                        probe(left + 33 * cell + t, top + 33 * k, 1, width, QPoint(0, 1));
                    }
            }
        }
        EXPECT_EQ(missing, 0) << "line pixels missing at scale " << s << ", first at picture "
                              << first.toStdString();
    }
}

TEST(ViewScale, ThePaletteLeavesNoTraceAtSmallScales) {
    // A palette opened over cells all across the field and closed again, at scales where some
    // picture rows share a device pixel with their neighbour: its frame lines kept a device
    // pixel of their own that the put-back background did not cover.
    for (qreal s : {0.5, 0.6, 0.75, 0.8}) {
        ScaledWorld world(s, true);
        QImage& image = world.image;
        Game& g = world.game;
        drawFirstScreen(g);
        drawBoard(g);
        g.ui.editorMode = true; // the choice below only stores its value
        const QImage before = image.copy();
        int traces = 0;
        QString first;
        for (int grid = 0; grid < 5; ++grid)
            for (int c = 1; c <= 9; c += 2)
                for (int r = 1; r <= 9; r += 2) {
                    g.state.board.activeGrid = grid;
                    drawValuePalette(g, c, r);
                    paletteHover(g, g.ui.palette.paletteX + 45, g.ui.palette.paletteY + 45);
                    chooseValue(g, c, r, 0);
                    g.ui.palette.backgroundSaved = false;
                    g.ui.palette.paletteValue = 0;
                    // The five grids (the help line beside them tells of the palette).
                    for (int y = 0; y < qRound(720 * s); ++y)
                        for (int x = 0; x < qRound(720 * s); ++x)
                            if (image.pixel(x, y) != before.pixel(x, y) && traces++ == 0)
                                first = QStringLiteral("grid %1 cell (%2, %3), device pixel "
                                                       "(%4, %5)")
                                            .arg(grid)
                                            .arg(c)
                                            .arg(r)
                                            .arg(x)
                                            .arg(y);
                    if (traces > 0) break;
                }
        EXPECT_EQ(traces, 0) << "palette traces at scale " << s << ", first after "
                             << first.toStdString();
    }
}

TEST(ViewScale, StartScreenAtScaledCoordinates) {
    struct Probe {
        int x, y;
        Colour colour;
        const char* what;
    };
    const Probe probes[] = {
        {2, 2, Colour::WindowBackground, "background"},
        {1040, 100, Colour::WindowBackground, "background right of the board"},
        {100, 6, Colour::White, "raised frame of grid 0"},
        {100, 320, Colour::DarkGrey, "shadow of grid 0's frame"},
        {30, 30, Colour::White, "empty cell"},
        {114, 30, Colour::Blue, "blue box line"},
        {250, 213, Colour::DarkRed, "shared-box outline"},
        {350, 203, Colour::White, "top gap of the centre grid"},
        {350, 519, Colour::Black, "bottom gap of the centre grid"},
        {300, 725, Colour::DarkGrey, "sunken button-bar strip"},
        {500, 764, Colour::White, "raised status strip"},
        {500, 786, Colour::DarkGrey, "status strip shadow"},
        {800, 222, Colour::White, "statistics panel frame"},
        {770, 690, Colour::White, "clock panel white box"},
    };
    for (qreal s : {0.7, 1.5}) {
        ScaledWorld world(s);
        const QImage& image = world.image;
        Game& g = world.game;
        drawFirstScreen(g);
        for (const Probe& p : probes)
            EXPECT_EQ(image.pixelColor(qRound(p.x * s), qRound(p.y * s)),
                      colour(static_cast<int>(p.colour)))
                << p.what << " at scale " << s;
    }
}

TEST(ViewScale, ClickAtScaleOpensThePaletteOverTheCellAndEntersTheDigit) {
    ScaledGame run(0.7);
    run.play();
    EXPECT_EQ(run.game.ui.palette.paletteX, 38);
    EXPECT_EQ(run.game.ui.palette.paletteY, 71);
    EXPECT_EQ(run.game.state.board.cellValue(0, 2, 3), 5);
    // The digit stands inside the cell on the screen, in blue or red.
    const QImage& buffer = run.window.backBuffer();
    int coloured = 0;
    for (int y = qRound(82 * 0.7); y < qRound(113 * 0.7); ++y)
        for (int x = qRound(49 * 0.7); x < qRound(80 * 0.7); ++x)
            if (buffer.pixelColor(x, y) == colour(9) || buffer.pixelColor(x, y) == colour(4))
                ++coloured;
    EXPECT_GT(coloured, 10);
}

TEST(ViewScale, ResizeWithThePaletteOpenRedrawsTheGameExactly) {
    ScaledGame direct(1.5);
    direct.play();
    releaseGameInProgress(direct.game); // as if ended: the next game keeps the game in progress
    ScaledGame resized(1.0);
    resized.platform.hookAt = 2; // the palette is open
    resized.platform.hook = [&resized] { resized.window.setViewScale(1.5); };
    resized.play();
    ASSERT_EQ(resized.window.viewScale(), 1.5);
    EXPECT_EQ(resized.game.state.board.cellValue(0, 2, 3), 5);
    EXPECT_TRUE(resized.window.backBuffer() == direct.window.backBuffer())
        << "the board, its notes and the erased palette differ from a game drawn at 1.5";
    // Letterboxing: an area wider than the picture centres it; pointer positions map back.
    resized.window.drawingArea()->resize(2000, 787);
    EXPECT_EQ(resized.window.viewScale(), 1.0);
    EXPECT_EQ(resized.window.toPicture(QPointF(474 + 100.5, 30.5)), QPoint(100, 30));
}
