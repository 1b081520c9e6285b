// The first screen and the drawing primitives, drawn into an offscreen image and probed
// at the layout's coordinates.
#include "session/game.h"
#include "app/screen.h"
#include "support/scripted_platform.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

struct Probe {
    int x, y, colourIndex;
    const char* what;
};

void expectProbes(const TestWorld& w, const std::vector<Probe>& probes) {
    for (const Probe& p : probes)
        EXPECT_EQ(w.pixel(p.x, p.y), colour(p.colourIndex))
            << p.what << " at (" << p.x << ", " << p.y << ")";
}

// Start-up steps 6, 8 and 10 on a fresh world.
void drawFirstScreen(TestWorld& w) {
    w.canvas.clear(Colour::WindowBackground);
    captureBackgroundStrips(w.g());
    drawStartScreen(w.g());
}

} // namespace

TEST(StartScreen, BackgroundFramesGridsAndGaps) {
    TestWorld w;
    drawFirstScreen(w);
    expectProbes(w, {
                        {2, 2, 12, "background"},
                        {1040, 100, 12, "background right of the board"},
                        {360, 100, 12, "between the top corner grids"},
                        // Raised frame of grid 0, width 1: two lines per edge.
                        {100, 6, 15, "grid 0 frame top, outer"},
                        {100, 7, 15, "grid 0 frame top, inner"},
                        {100, 8, 12, "inside grid 0 frame"},
                        {6, 100, 15, "grid 0 frame left"},
                        {100, 320, 8, "grid 0 frame bottom, outer"},
                        {100, 319, 8, "grid 0 frame bottom, inner"},
                        {320, 100, 8, "grid 0 frame right"},
                        {716, 100, 8, "grid 1 frame right"},
                        {100, 715, 8, "grid 3 frame bottom"},
                        {716, 600, 8, "grid 4 frame right"},
                        // Sunken button-bar strip, width 2: two lines per edge.
                        {300, 725, 8, "button bar top"},
                        {300, 726, 8, "button bar top, inner"},
                        {300, 727, 12, "button bar inside"},
                        {300, 754, 15, "button bar bottom"},
                        {300, 753, 15, "button bar bottom, inner"},
                        {16, 740, 8, "button bar left"},
                        {709, 740, 15, "button bar right"},
                        // Raised status strip, width 2: three lines per edge.
                        {500, 764, 15, "status strip top"},
                        {500, 766, 15, "status strip top, third line"},
                        {500, 767, 12, "status strip inside"},
                        {500, 786, 8, "status strip bottom"},
                        {500, 784, 8, "status strip bottom, third line"},
                        {1051, 775, 8, "status strip right"},
                        // Grid 0: cell lines black, box lines blue and 2 pixels wide.
                        {30, 30, 15, "cell interior"},
                        {48, 30, 0, "cell line"},
                        {114, 30, 4, "box line"},
                        {115, 30, 4, "box line, second pixel"},
                        {30, 114, 4, "box line, horizontal"},
                        {14, 30, 0, "grid outline"},
                        // Dark red outlines of the shared boxes, over the centre grid's lines.
                        {250, 213, 1, "shared box 0 top"},
                        {250, 214, 1, "shared box 0 top, second pixel"},
                        {213, 250, 1, "shared box 0 left"},
                        {312, 250, 1, "shared box 0 right"},
                        {250, 313, 1, "shared box 0 bottom"},
                        {510, 450, 1, "shared box 3 right"},
                        {450, 411, 1, "shared box 3 top"},
                        {411, 250, 1, "shared box 1 left"},
                        {250, 510, 1, "shared box 2 bottom"},
                        // The centre grid's own lines inside the shared box.
                        {246, 230, 0, "centre grid cell line in a shared box"},
                        // Gap patches: the corner frames' edges are erased in the gaps, the
                        // centre grid's frame drawn there instead.
                        {350, 203, 15, "top gap, white line"},
                        {350, 204, 15, "top gap, white line, second pixel"},
                        {320, 208, 12, "top gap erased grid 0 frame"},
                        {204, 350, 15, "left gap, white line"},
                        {205, 350, 15, "left gap, white line, second pixel"},
                        {208, 320, 12, "left gap erased grid 0 frame"},
                        {350, 519, 0, "bottom gap, black line"},
                        {350, 520, 0, "bottom gap, second black line"},
                        {518, 350, 0, "right gap, black line"},
                        {519, 350, 0, "right gap, second black line"},
                        {401, 519, 0, "bottom gap line reaches 401"},
                        // The panels drawn by the start screen: raised frames, white boxes.
                        {800, 222, 15, "statistics panel frame"},
                        {1000, 290, 15, "statistics panel white box"},
                        {762, 500, 15, "difficulty panel frame"},
                        {770, 690, 15, "clock panel white box"},
                        {900, 609, 8, "help panel frame shadow"},
                    });
}

TEST(StartScreen, CaptionAndStripsHoldBackgroundOnly) {
    TestWorld w;
    drawFirstScreen(w);
    // Caption: white copy at the point minus 14, coloured copy one pixel up and left.
    const auto white = w.canvas.textsAt(10, 768);
    const auto black = w.canvas.textsAt(9, 767);
    ASSERT_EQ(white.size(), 1u);
    ASSERT_EQ(black.size(), 1u);
    EXPECT_EQ(white[0].text, QStringLiteral("Quintor XP V6.0"));
    EXPECT_EQ(white[0].colour, colour(15));
    EXPECT_EQ(black[0].colour, colour(0));

    Game& g = w.g();
    const std::vector<std::pair<const QImage*, QSize>> strips = {
        {&g.draw.buttonBarBlank, {690, 26}}, {&g.draw.gapBlankTop, {85, 9}},
        {&g.draw.gapBlankBottom, {85, 9}},   {&g.draw.gapBlankLeft, {9, 83}},
        {&g.draw.gapBlankRight, {9, 83}},
    };
    for (const auto& [image, size] : strips) {
        EXPECT_EQ(image->size(), size);
        for (int y = 0; y < image->height(); ++y)
            for (int x = 0; x < image->width(); ++x) ASSERT_EQ(image->pixelColor(x, y), colour(12));
    }
}

TEST(StartScreen, ButtonBarBlankErasesTheButtons) {
    TestWorld w;
    drawFirstScreen(w);
    w.canvas.fillRect(20, 728, 700, 750, colour(3));
    w.canvas.paste(w.g().draw.buttonBarBlank, 18, 727);
    EXPECT_EQ(w.pixel(20, 728), colour(12));
    EXPECT_EQ(w.pixel(700, 750), colour(12));
    EXPECT_EQ(w.pixel(300, 754), colour(15)); // the strip's frame is left alone
}

TEST(DrawFrame3D, LinesPerEdge) {
    struct Case {
        int style, width, lines;
        int light, dark;
    };
    // Raised: width + 1 lines, light top-left; sunken: width lines, dark top-left.
    for (const Case& c : {Case{0, 1, 2, 15, 8}, Case{0, 2, 3, 15, 8}, Case{1, 2, 2, 8, 15}}) {
        TestWorld w;
        w.canvas.clear(Colour::WindowBackground);
        drawFrame3D(w.g(), c.style, c.width, 100, 100, 200, 200);
        for (int i = 0; i < c.lines; ++i) {
            EXPECT_EQ(w.pixel(150, 100 + i), colour(c.light)) << c.style << c.width << " top " << i;
            EXPECT_EQ(w.pixel(100 + i, 150), colour(c.light))
                << c.style << c.width << " left " << i;
            EXPECT_EQ(w.pixel(150, 200 - i), colour(c.dark))
                << c.style << c.width << " bottom " << i;
            EXPECT_EQ(w.pixel(200 - i, 150), colour(c.dark))
                << c.style << c.width << " right " << i;
        }
        EXPECT_EQ(w.pixel(150, 100 + c.lines), colour(12));
        EXPECT_EQ(w.pixel(150, 200 - c.lines), colour(12));
        EXPECT_EQ(w.pixel(201, 200), colour(c.dark)) << "bottom edge reaches x2 + 1";
        EXPECT_EQ(w.g().canvas.penRGB(), colour(0));
    }
}

TEST(DrawPanel, FramesTitleAndWhiteBox) {
    TestWorld w;
    w.canvas.clear(Colour::WindowBackground);
    Game& g = w.g();
    drawPanel(g, 762, 537, 234, 72, QStringLiteral("HILFEFENSTER:"), 826, 557);
    expectProbes(w, {
                        {800, 537, 15, "raised frame top"},
                        {800, 539, 15, "raised frame top, third line"},
                        {800, 540, 12, "between the frames"},
                        {800, 609, 8, "raised frame bottom"},
                        {800, 607, 8, "raised frame bottom, third line"},
                        {996, 580, 8, "raised frame right"},
                        {762, 580, 15, "raised frame left"},
                        {800, 559, 0, "white box outline top"},
                        {800, 580, 15, "white box interior"},
                        {800, 602, 0, "white box outline bottom"},
                        {800, 603, 15, "sunken frame bottom"},
                        {768, 580, 0, "white box outline left"},
                        {989, 580, 0, "white box outline right"},
                        {990, 580, 15, "sunken frame right"},
                        {767, 580, 12, "left of the sunken frame"},
                    });
    const auto title = g.canvas.textsAt(825, 542);
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].text, QStringLiteral("HILFEFENSTER:"));
    // Ready for the contents: font 8, black on white, opaque.
    EXPECT_EQ(g.draw.currentFont, 8);
    EXPECT_EQ(g.canvas.penRGB(), colour(0));
    EXPECT_EQ(g.canvas.backRGB(), colour(15));
    EXPECT_TRUE(g.canvas.opaqueText());
}

TEST(EmbossedText, LargeFontModeMovesOnlyFont14) {
    for (bool large : {false, true}) {
        for (int font : {14, 16}) {
            TestWorld w;
            w.g().draw.largeFontMode = large;
            drawEmbossedText(w.g(), font, Colour::DarkRed, 100, 200, QStringLiteral("Abbruch"));
            const int x = (large && font == 14) ? 131 : 100;
            ASSERT_EQ(w.canvas.textsAt(x, 186).size(), 1u) << large << font;
            EXPECT_EQ(w.canvas.textsAt(x - 1, 185)[0].colour, colour(1));
            // Leaves opaque black text on light grey in font 8.
            EXPECT_TRUE(w.canvas.opaqueText());
            EXPECT_EQ(w.canvas.backRGB(), colour(7));
            EXPECT_EQ(w.g().draw.currentFont, 8);
        }
    }
}

TEST(Fonts, LargeFontTest) {
    EXPECT_FALSE(isLargeFontSystem(16));
    EXPECT_TRUE(isLargeFontSystem(17));
    EXPECT_EQ(standardTextHeight(), 16); // the offscreen desktop reports 96 dots per inch
    TestWorld w;
    selectFont(w.g(), 8);
    selectFont(w.g(), 8);
    EXPECT_FALSE(w.g().draw.largeFontMode);
}

// On a large-font desktop the panels keep their layout: the "Fehler" line stays inside the
// status panel's white box and the difficulty panel shows the given count once.
TEST(Fonts, LargeFontModeKeepsThePanelContentsInside) {
    for (bool large : {false, true}) {
        TestWorld w;
        w.g().draw.largeFontMode = large;
        w.canvas.keepJournal = true;
        drawFirstScreen(w);
        for (int x = 832; x <= 900; ++x)
            ASSERT_EQ(w.pixel(x, 394), colour(0))
                << "status box outline at x " << x << ", " << large;
        int counts = 0;
        for (const Canvas::TextRecord& r : w.canvas.journal)
            if (r.y == 455 && r.text.contains(QLatin1Char('0'))) ++counts;
        EXPECT_EQ(counts, large ? 1 : 2) << "given count texts"; // the fixed face overlays both
        EXPECT_EQ(w.canvas.textsAt(950, 455).size(), 1u);
    }
}

TEST(Fonts, CellHeightsAndWidths) {
    TestWorld w;
    struct Case {
        int n, height, width; // width 0: proportional, not checked
    };
    for (const Case& c : {Case{4, 14, 7}, Case{5, 14, 8}, Case{6, 22, 10}, Case{18, 18, 10},
                          Case{20, 36, 18}, Case{16, 16, 0}}) {
        const QFontMetricsF m(numberedFont(w.g(), c.n), &w.image);
        EXPECT_LE(m.height(), c.height + 0.5) << "font " << c.n;
        EXPECT_GE(m.height(), c.height - 2.5) << "font " << c.n;
        if (c.width > 0) {
            EXPECT_NEAR(m.averageCharWidth(), c.width, 0.75) << "font " << c.n;
        }
    }
    // The fixed faces: 8 pixels per character, so the panel texts fit their boxes.
    for (int n : {8, 14}) {
        const QFontMetricsF m(numberedFont(w.g(), n), &w.image);
        EXPECT_NEAR(m.horizontalAdvance(QStringLiteral("Bitte Menupunkt auswählen!")), 208, 1)
            << "font " << n;
    }
    EXPECT_LE(QFontMetricsF(numberedFont(w.g(), 8), &w.image).height(), 12.5);
}
