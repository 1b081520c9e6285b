// The screen's colour schemes: the dark table's contrasts, a switch on a running game that
// repaints everything and goes back to the classic pixels, "Wie das System" following the
// desktop on the real window, the choice remembered, and printouts in the classic colours.
#include "session/game.h"
#include "app/colours.h"
#include "app/menu.h"
#include "app/screen.h"
#include "app/settings.h"
#include "app/win0.h"
#include "panels/info.h"
#include "print/booklet.h"
#include "print/printout.h"
#include "platform/qt_platform.h"
#include "support/scripted_platform.h"
#include "tests/game/window_world.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>
#include <QComboBox>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>

using window_test::WindowWorld;

namespace {

double luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

// The WCAG contrast ratio of two colours.
double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The classic colours no dark pixel may keep: the large areas and the marks.
std::set<QRgb> classicOnly() {
    std::set<QRgb> colours;
    for (const Colour c :
         {Colour::Black, Colour::DarkRed, Colour::Blue, Colour::LightGrey, Colour::DarkGrey,
          Colour::Red, Colour::WindowBackground, Colour::White, Colour::HouseTint,
          Colour::SameValueTint, Colour::UnitTint, Colour::CursorOutline})
        colours.insert(kClassicColours[colourIndex(c)]);
    return colours;
}

int classicPixels(const QImage& image) {
    static const std::set<QRgb> classic = classicOnly();
    int n = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) n += classic.count(rgb.pixel(x, y)) > 0;
    return n;
}

QImage rasterised(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-singlefile"),
             QStringLiteral("-png"), pdf, pdf + QStringLiteral(".page")});
    p.waitForFinished(60000);
    return QImage(pdf + QStringLiteral(".page.png"));
}

} // namespace

TEST(Colours, DarkTableKeepsEveryDistinctionWithItsContrasts) {
    struct Pair {
        Colour fore, back;
        double minimum; // 4.5 digits and texts, 3 lines and marks, else only apart
        const char* what;
    };
    const Pair pairs[] = {
        {Colour::Black, Colour::White, 4.5, "given digits, notes, panel texts on paper"},
        {Colour::Black, Colour::HouseTint, 4.5, "givens on the house tint"},
        {Colour::Black, Colour::SameValueTint, 4.5, "givens on the same-value tint"},
        {Colour::Black, Colour::UnitTint, 4.5, "givens on a hint's unit"},
        {Colour::Blue, Colour::White, 4.5, "entered digits on paper"},
        {Colour::Blue, Colour::HouseTint, 4.5, "entries on the house tint"},
        {Colour::Blue, Colour::SameValueTint, 4.5, "entries on the same-value tint"},
        {Colour::Blue, Colour::UnitTint, 4.5, "entries on a hint's unit"},
        {Colour::Red, Colour::White, 4.5, "wrong digits, error figures on paper"},
        {Colour::Red, Colour::HouseTint, 4.5, "wrong digits on the house tint"},
        {Colour::Red, Colour::SameValueTint, 4.5, "wrong digits on the same-value tint"},
        {Colour::Red, Colour::UnitTint, 4.5, "wrong digits on a hint's unit"},
        {Colour::Black, Colour::LightGrey, 4.5, "digit on the palette's highlighted square"},
        {Colour::Black, Colour::WindowBackground, 4.5, "titles, captions, status strip"},
        {Colour::GridLine, Colour::White, 3, "cell lines"},
        {Colour::GridLine, Colour::HouseTint, 3, "cell lines beside the house tint"},
        {Colour::GridLine, Colour::SameValueTint, 3, "cell lines beside the same-value tint"},
        {Colour::GridLine, Colour::Blue, 1.5, "cell lines and box lines"},
        {Colour::FrameEdge, Colour::WindowBackground, 3, "the centre frame's dark edges"},
        {Colour::Blue, Colour::White, 3, "box lines"},
        {Colour::DarkRed, Colour::White, 3, "shared-box outlines"},
        {Colour::DarkRed, Colour::WindowBackground, 3, "hot-key letters"},
        {Colour::CursorOutline, Colour::White, 3, "cursor on paper"},
        {Colour::CursorOutline, Colour::HouseTint, 3, "cursor on the house tint"},
        {Colour::CursorOutline, Colour::SameValueTint, 3, "cursor on the same-value tint"},
        {Colour::TargetOutline, Colour::White, 3, "hint target on paper"},
        {Colour::TargetOutline, Colour::UnitTint, 3, "hint target on its unit"},
        {Colour::WrongOutline, Colour::White, 3, "hint's wrong entry on paper"},
        {Colour::WrongOutline, Colour::UnitTint, 3, "hint's wrong entry on its unit"},
        {Colour::DarkGrey, Colour::WindowBackground, 3, "frame shadows, Pause"},
        {Colour::FrameLight, Colour::DarkGrey, 3, "the two sides of a 3-D frame"},
        {Colour::Black, Colour::WindowBackground, 3, "button outlines"},
        {Colour::EmbossLight, Colour::Black, 3, "embossed letters on their shadow"},
        {Colour::FrameLight, Colour::WindowBackground, 1.5, "raised edges"},
        {Colour::White, Colour::WindowBackground, 1.5, "panels' and grids' paper"},
        {Colour::LightGrey, Colour::White, 1.5, "palette highlight"},
        {Colour::HouseTint, Colour::White, 1.15, "house tint"},
        {Colour::SameValueTint, Colour::White, 1.15, "same-value tint"},
        {Colour::SameValueTint, Colour::HouseTint, 1.15, "the two cursor tints"},
        {Colour::UnitTint, Colour::White, 1.15, "hint's unit"},
    };
    std::printf("Dark colours, WCAG contrast (classic in brackets):\n");
    for (const Pair& p : pairs) {
        const double dark =
            contrast(kDarkColours[colourIndex(p.fore)], kDarkColours[colourIndex(p.back)]);
        const double classic =
            contrast(kClassicColours[colourIndex(p.fore)], kClassicColours[colourIndex(p.back)]);
        std::printf("  %5.2f:1 (%5.2f:1) %s\n", dark, classic, p.what);
        EXPECT_GE(dark, p.minimum) << p.what;
    }
    // Givens, entries and wrong entries keep three hues; the cell marks are told apart.
    const auto hue = [](Colour c) { return QColor::fromRgb(kDarkColours[colourIndex(c)]).hue(); };
    EXPECT_LT(QColor::fromRgb(kDarkColours[colourIndex(Colour::Black)]).hsvSaturation(), 20)
        << "givens in a grey";
    EXPECT_GT(std::abs(hue(Colour::Blue) - hue(Colour::Red)), 120);
    std::set<QRgb> marks;
    for (const Colour c :
         {Colour::HouseTint, Colour::SameValueTint, Colour::UnitTint, Colour::CursorOutline,
          Colour::TargetOutline, Colour::WrongOutline, Colour::White})
        marks.insert(kDarkColours[colourIndex(c)]);
    EXPECT_EQ(marks.size(), 7u);
    // The yellows 3 and 11 stay one colour, as in the table.
    EXPECT_EQ(kDarkColours[3], kDarkColours[11]);
}

TEST(Colours, SwitchInARunningGameRepaintsEverythingAndBackGivesTheClassicPixels) {
    TestWorld w;
    Game& g = w.g();
    w.canvas.setRecording(true); // as the window's canvas does
    w.canvas.clear(Colour::WindowBackground);
    captureBackgroundStrips(g);
    drawStartScreen(g);
    w.platform.copyDataFile(QStringLiteral("leicht.qnt"));
    w.platform.answers.push_back(1); // the hint ends the timing: yes
    int step = 0;
    bool hintSeen = false, paletteSeen = false;
    const QString shots = QDir::temp().filePath(QStringLiteral("quintor-dark-%1.png"));
    w.platform.onEvent = [&](const Event&) {
        ++step;
        if (step == 1) {
            w.platform.key(kKeyRight); // the cursor with its tints
            w.platform.key('T');       // a hint's marks over them
            w.platform.key(kKeyLeft);
            for (int r = 1; r <= 9 && w.platform.events.size() < 4; ++r)
                for (int c = 1; c <= 9 && w.platform.events.size() < 4; ++c)
                    if (g.state.board.cellValue(0, c, r) == 0)
                        w.platform.leftClick(gridLeft(0) + 33 * (c - 1) + 16,
                                             gridTop(0) + 33 * (r - 1) + 16);
            w.platform.typed(27); // closes the palette
            w.platform.key(27);
            w.platform.typed(27); // leaves the game
            w.platform.key(27);
            return;
        }
        if (g.ui.hint.hintShown && !hintSeen) {
            // Cursor and hint on screen: dark and back.
            hintSeen = true;
            const QImage classic = w.image.copy();
            chooseColourScheme(g, ColourScheme::Dark);
            EXPECT_EQ(classicPixels(w.image), 0) << "every pixel in the dark colours";
            EXPECT_EQ(w.image.pixel(2, 2), kDarkColours[colourIndex(Colour::WindowBackground)]);
            w.image.save(shots.arg(QStringLiteral("hint")));
            chooseColourScheme(g, ColourScheme::Classic);
            EXPECT_EQ(w.image, classic) << "the classic pixels again";
        }
        if (g.ui.palette.paletteTracking && !paletteSeen) {
            // The palette open: the game goes on in the dark colours (its closing pastes what
            // it covered, retaken in them). The pause cover is left out here: its 120-pixel
            // text in a second colour changes Qt's glyph cache for the pictures guard that
            // runs later in the same process.
            paletteSeen = true;
            chooseColourScheme(g, ColourScheme::Dark);
            EXPECT_EQ(classicPixels(w.image), 0);
            w.image.save(shots.arg(QStringLiteral("palette")));
        }
    };
    w.platform.move(1, 1);
    Win_0_MenuEvent(g, menuNumber(MenuId::NewGame));
    joinClockTicker(g);
    EXPECT_TRUE(hintSeen && paletteSeen);
    EXPECT_EQ(classicPixels(w.image), 0) << "the idle screen after the game";
    std::printf("Dark screens: %s\n", qPrintable(shots.arg(QStringLiteral("*"))));
}

TEST(Colours, FollowTheDesktopOnTheRealWindowAndRememberedAcrossStarts) {
    WindowWorld world(WindowWorld::CanvasUse::Window);
    world.drawStart();
    Win_0& window = world.window;
    Canvas& canvas = world.canvas;
    Game& g = world.game;
    QLabel* uhr = window.createClockLabel();
    window.runMenuCommand(menuNumber(MenuId::Leicht));
    const QImage classic = window.backBuffer().copy();
    const QPalette desktop = QApplication::palette();

    window.runMenuCommand(menuNumber(MenuId::SystemColours));
    EXPECT_EQ(g.ui.colourScheme, ColourScheme::System);
    EXPECT_EQ(window.backBuffer(), classic) << "a light desktop: the classic colours";
    QPalette dark = desktop;
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(canvas.colourTable, colourTableOf(kDarkColours));
    EXPECT_EQ(window.backBuffer().pixel(2, 2), kDarkColours[colourIndex(Colour::WindowBackground)]);
    EXPECT_EQ(window.backgroundColour().rgb(), kDarkColours[colourIndex(Colour::WindowBackground)]);
    EXPECT_EQ(uhr->palette().color(QPalette::Window).rgb(),
              kDarkColours[colourIndex(Colour::White)]);
    QApplication::setPalette(desktop);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.backBuffer(), classic) << "light again: the classic pixels";

    // "Dunkel" on a light desktop: the window's widgets dark too; back to classic, the desktop's.
    window.runMenuCommand(menuNumber(MenuId::DarkColours));
    EXPECT_EQ(window.palette().color(QPalette::Window).rgb(),
              kDarkColours[colourIndex(Colour::WindowBackground)]);
    EXPECT_EQ(canvas.colourTable, colourTableOf(kDarkColours));
    // The menus, dialogs and message boxes are windows of their own: the program's palette.
    EXPECT_EQ(QApplication::palette().color(QPalette::Window).rgb(),
              kDarkColours[colourIndex(Colour::WindowBackground)]);
    window.runMenuCommand(menuNumber(MenuId::SystemColours));
    EXPECT_EQ(canvas.colourTable, colourTableOf(kClassicColours))
        << "System after Dunkel follows the light desktop, not the dark palette";
    window.runMenuCommand(menuNumber(MenuId::DarkColours));
    window.runMenuCommand(menuNumber(MenuId::ClassicColours));
    EXPECT_EQ(QApplication::palette(), desktop);
    EXPECT_EQ(window.palette().color(QPalette::Window), desktop.color(QPalette::Window));
    EXPECT_EQ(uhr->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(window.backBuffer(), classic);

    // The check marks and the settings file, read again at the next start.
    TestWorld w;
    loadSettings(w.g());
    Win_0_MenuEvent(w.g(), menuNumber(MenuId::DarkColours));
    EXPECT_TRUE(w.platform.menuChecks[menuNumber(MenuId::DarkColours)]);
    EXPECT_FALSE(w.platform.menuChecks[menuNumber(MenuId::ClassicColours)]);
    EXPECT_FALSE(w.platform.menuChecks[menuNumber(MenuId::SystemColours)]);
    EXPECT_EQ(w.canvas.colourTable, colourTableOf(kDarkColours));
    for (const auto& [choice, scheme] :
         {std::pair{MenuId::SystemColours, ColourScheme::System},
          std::pair{MenuId::DarkColours, ColourScheme::Dark},
          std::pair{MenuId::ClassicColours, ColourScheme::Classic}}) {
        Win_0_MenuEvent(w.g(), menuNumber(choice));
        TestWorld next;
        QFile::copy(w.platform.path(kSettingsFileName), next.platform.path(kSettingsFileName));
        loadSettings(next.g());
        EXPECT_EQ(next.g().ui.colourScheme, scheme) << menuNumber(choice);
    }
    // Classic again: the file names no colours, as before there were any to choose.
    QFile file(w.platform.path(kSettingsFileName));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("Farben"));
}

TEST(Colours, PrintoutsKeepTheClassicColours) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    TestWorld w;
    Game& g = w.g();
    w.canvas.setRecording(true);
    g.state.board.givenValue(0, 1, 1) = g.state.board.cellValue(0, 1, 1) = 4;
    g.state.board.cellValue(2, 5, 5) = 7;
    const QString pdf = w.platform.path(w.platform.printFile);
    printBoard(g);
    const auto classicTexts = w.platform.printedTexts;
    const QImage classic = rasterised(pdf);
    ASSERT_FALSE(classic.isNull());
    QFile::remove(pdf);
    chooseColourScheme(g, ColourScheme::Dark);
    printBoard(g);
    EXPECT_EQ(rasterised(pdf), classic) << "the printed page as in the classic colours";
    ASSERT_EQ(w.platform.printedTexts.size(), classicTexts.size());
    for (size_t i = 0; i < classicTexts.size(); ++i) {
        EXPECT_EQ(w.platform.printedTexts[i].text, classicTexts[i].text);
        EXPECT_EQ(w.platform.printedTexts[i].colour, QColor(Qt::black)) << i;
    }
    // The booklet too: its solution page in black.
    w.platform.printedTexts.clear();
    w.platform.onModal = [](QWidget* form) {
        auto& heft = *static_cast<BookletDialog*>(form);
        heft.cmb1->setCurrentIndex(0);
        heft.spn1->setValue(1);
        heft.cmd1->click();
    };
    Win_0_MenuEvent(g, menuNumber(MenuId::PrintBooklet));
    ASSERT_FALSE(w.platform.printedTexts.empty());
    for (const Canvas::TextRecord& t : w.platform.printedTexts)
        EXPECT_EQ(t.colour, QColor(Qt::black)) << t.text.toStdString();
}
