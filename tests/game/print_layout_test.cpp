// Tests of the printout's page layout, footer and value texts, without a printer.
#include "print/printout.h"

#include "support/scripted_platform.h"

#include <gtest/gtest.h>

TEST(PrintLayout, PageUnitsAndPlacesFollowThePrintableArea) {
    struct Case {
        int width, height;
        int unitX, unitY, cellWidth, cellHeight;
        QPoint centreCorner;
        int footerY, halfCellY;
    };
    const Case cases[] = {
        // 68.5 and 1.5 units come out whole for an even unit.
        {4800, 6600, 55, 94, 220, 282, {1375, 2162}, 6439, 141},
        // Odd units: the halves go to the even neighbour (3082.5 -> 3082, 67.5 -> 68).
        {4300 + 85, 3150 + 69, 50, 45, 200, 135, {1250, 1035}, 3082, 68},
        // 3219.5 -> 3220, 70.5 -> 70.
        {86 * 47, 70 * 47, 47, 47, 188, 141, {1175, 1081}, 3220, 70},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        const PrintLayout l = printLayout(c.width, c.height);
        EXPECT_EQ(l.unitX, c.unitX);
        EXPECT_EQ(l.unitY, c.unitY);
        EXPECT_EQ(l.cellWidth, c.cellWidth);
        EXPECT_EQ(l.cellHeight, c.cellHeight);
        EXPECT_EQ(l.gridCorner[2], c.centreCorner);
        EXPECT_EQ(l.footer, QPoint(c.unitX, c.footerY));
        EXPECT_EQ(l.halfCellY, c.halfCellY);
        EXPECT_EQ(l.title, QPoint(29 * c.unitX, c.unitY));
    }
}

TEST(PrintLayout, SharedBoxesOfNeighbouringGridsFallOnTheSameSpot) {
    const PrintLayout l = printLayout(4800, 6600);
    EXPECT_EQ(l.gridCorner[0], QPoint(55, 470));
    EXPECT_EQ(l.gridCorner[1], QPoint(49 * 55, 470));
    EXPECT_EQ(l.gridCorner[3], QPoint(55, 41 * 94));
    EXPECT_EQ(l.gridCorner[4], QPoint(49 * 55, 41 * 94));
    // Every shared cell lies on its other copy's place on the page, and the hatched cells
    // are exactly the shared ones: 4 boxes in the corner grids, 4 x 9 cells in the centre.
    int shared[5] = {};
    for (int g = 0; g < 5; ++g) {
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                int og = 0, oc = 0, orow = 0;
                if (!otherCopy(g, c, r, og, oc, orow)) {
                    EXPECT_FALSE(isSharedCell(g, c, r));
                    continue;
                }
                EXPECT_TRUE(isSharedCell(g, c, r));
                ++shared[g];
                const QPoint here = l.gridCorner[g] + QPoint((c - 1) * 220, (r - 1) * 282);
                const QPoint there = l.gridCorner[og] + QPoint((oc - 1) * 220, (orow - 1) * 282);
                EXPECT_EQ(here, there) << g << c << r;
            }
        }
    }
    EXPECT_EQ(shared[0], 9);
    EXPECT_EQ(shared[1], 9);
    EXPECT_EQ(shared[2], 36);
    EXPECT_EQ(shared[3], 9);
    EXPECT_EQ(shared[4], 9);
}

TEST(PrintFooter, NamesTheStoredDifficultyAndCountsSharedGivensOnce) {
    TestWorld w;
    Board& b = w.g().state.board;
    // One given in a shared box, stored in both copies, and one in grid 4 alone.
    b.givenValue(0, 7, 7) = 5;
    b.givenValue(2, 1, 1) = 5;
    b.givenValue(4, 9, 9) = 3;
    b.cellValue(4, 8, 8) = 2; // a player's entry is no given
    const QString expected[] = {
        QStringLiteral("Schwierigkeitsgrad:  Leicht mit 2 Zahlen"),
        QStringLiteral("Schwierigkeitsgrad:  Mittel mit 2 Zahlen"),
        QStringLiteral("Schwierigkeitsgrad: Schwer mit 2 Zahlen"),
        QStringLiteral("Schwierigkeitsgrad: Extrem mit 2 Zahlen"),
    };
    for (int d = 0; d < 4; ++d) {
        w.g().state.difficulty = static_cast<Difficulty>(d);
        EXPECT_EQ(footerText(w.g()), expected[d]);
    }
}

TEST(PrintFooter, CountsEmptyAndFullBoards) {
    TestWorld w;
    Board& b = w.g().state.board;
    EXPECT_EQ(countGivens(b), 0);
    for (int g = 0; g < 5; ++g)
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r) b.givenValue(g, c, r) = 1;
    EXPECT_EQ(countGivens(b), 369);
    const Board before = b;
    countGivens(b);
    EXPECT_EQ(b.givenValue, before.givenValue);
}

TEST(PrintValues, DigitsAndLettersWithTheirShifts) {
    struct Case {
        bool digits;
        int value;
        const char* text;
        int shift;
    };
    const Case cases[] = {{true, 1, "1", 7},  {true, 9, "9", 7},  {false, 1, "A", 4},
                          {false, 5, "E", 4}, {false, 8, "H", 4}, {false, 9, "I", 11}};
    for (const Case& c : cases) {
        EXPECT_EQ(printedValueText(c.digits, c.value), QString::fromLatin1(c.text));
        EXPECT_EQ(printedValueShift(c.digits, c.value), c.shift) << c.text;
    }
}
