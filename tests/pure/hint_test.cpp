// The technique ladder: each technique on a small board where it is the easiest step (in a
// corner grid, and across a shared box where the other grid makes the step), the sentence
// for the help line, and the grade of whole puzzles.
#include "engine/hint.h"
#include "play/hinttext.h"
#include "engine/search.h"
#include "support_pure/puzzles.h"
#include "tools/collections/generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>

namespace {
struct Value {
    int grid, column, row, digit;
};
// A board holding the values (both copies of a shared cell).
Board boardWith(const std::vector<Value>& values) {
    Board b;
    for (const Value& v : values) {
        b.cellValue(v.grid, v.column, v.row) = static_cast<std::uint8_t>(v.digit);
        int og, oc, orow;
        if (otherCopy(v.grid, v.column, v.row, og, oc, orow))
            b.cellValue(og, oc, orow) = static_cast<std::uint8_t>(v.digit);
    }
    return b;
}
// A row of grid g filled at the given columns with the given digits.
std::vector<Value> rowOf(int g, int row, std::initializer_list<int> columns,
                         std::initializer_list<int> digits) {
    std::vector<Value> values;
    auto d = digits.begin();
    for (int c : columns) values.push_back({g, c, row, *d++});
    return values;
}
std::vector<Value> operator+(std::vector<Value> a, const std::vector<Value>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
} // namespace

TEST(Hint, EachTechniqueIsFoundWhereItIsTheEasiestStep) {
    struct Case {
        const char* name;
        Board board;
        Technique technique;
        HintUnit unit;                  // the first unit of the hint
        int digit;                      // its first digit
        std::optional<HintCell> target; // the cell a single fills
        std::optional<Removal> removed; // one of the removals
        const char* text;
        const char* english = nullptr; // the sentence in English
    };
    const Case cases[] = {
        {"naked single, corner grid",
         boardWith({{0, 2, 1, 1},
                    {0, 3, 1, 2},
                    {0, 4, 1, 3},
                    {0, 5, 1, 4},
                    {0, 1, 4, 5},
                    {0, 1, 5, 6},
                    {0, 1, 6, 7},
                    {0, 2, 2, 8}}),
         Technique::NakedSingle,
         {0, UnitKind::Row, 1},
         9,
         HintCell{0, 1, 1},
         {},
         "Tipp: In Gitter 1 passt in Zeile 1, Spalte 1 nur noch die 9."},
        {"naked single, shared cell seen by grids 1 and 3",
         boardWith({{0, 1, 7, 1},
                    {0, 2, 7, 2},
                    {0, 3, 7, 3},
                    {0, 4, 7, 4},
                    {2, 1, 4, 5},
                    {2, 1, 5, 6},
                    {2, 1, 6, 7},
                    {2, 1, 7, 8}}),
         Technique::NakedSingle,
         {0, UnitKind::Row, 7},
         9,
         HintCell{0, 7, 7},
         {},
         nullptr},
        {"hidden single in a box, corner grid",
         boardWith({{0, 5, 2, 5}, {0, 8, 3, 5}, {0, 2, 5, 5}, {0, 3, 8, 5}}),
         Technique::HiddenSingleBox,
         {0, UnitKind::Box, 1},
         5,
         HintCell{0, 1, 1},
         {},
         "Tipp: In Gitter 1 passt die 5 in Kasten 1 nur in Zeile 1, Spalte 1."},
        {"hidden single in a shared box, closed by both grids",
         boardWith({{0, 1, 8, 5}, {0, 4, 9, 5}, {2, 2, 5, 5}, {2, 3, 8, 5}}),
         Technique::HiddenSingleBox,
         {0, UnitKind::Box, 9},
         5,
         HintCell{0, 7, 7},
         {},
         nullptr},
        {"hidden single in a row",
         boardWith(rowOf(3, 5, {4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6}) +
                   std::vector<Value>{{3, 1, 1, 7}, {3, 3, 8, 7}}),
         Technique::HiddenSingleRow,
         {3, UnitKind::Row, 5},
         7,
         HintCell{3, 2, 5},
         {},
         "Tipp: In Gitter 4 passt die 7 in Zeile 5 nur in Spalte 2.",
         "Hint: In grid 4, the 7 can go in row 5 only in column 2."},
        {"hidden single in a column",
         boardWith(std::vector<Value>{{1, 5, 4, 1},
                                      {1, 5, 5, 2},
                                      {1, 5, 6, 3},
                                      {1, 5, 7, 4},
                                      {1, 5, 8, 5},
                                      {1, 5, 9, 6},
                                      {1, 1, 1, 7},
                                      {1, 8, 3, 7}}),
         Technique::HiddenSingleColumn,
         {1, UnitKind::Column, 5},
         7,
         HintCell{1, 5, 2},
         {},
         "Tipp: In Gitter 2 passt die 7 in Spalte 5 nur in Zeile 2."},
        {"pointing, corner grid",
         boardWith(rowOf(0, 2, {1, 2, 3}, {1, 2, 3}) + rowOf(0, 3, {1, 2, 3}, {5, 6, 8})),
         Technique::LockedPointing,
         {0, UnitKind::Box, 1},
         4,
         {},
         Removal{{0, 4, 1}, 4},
         nullptr},
        {"pointing, shared box locked by the centre grid",
         boardWith({{2, 5, 2, 4}, {2, 8, 3, 4}}),
         Technique::LockedPointing,
         {0, UnitKind::Box, 9},
         4,
         {},
         Removal{{0, 1, 7}, 4},
         "Tipp: Gesperrter Kandidat – in Gitter 1 steht die 4 in Kasten 9 nur in Zeile 7, also "
         "nirgends sonst in Zeile 7.",
         "Hint: Locked Candidate – in grid 1, the 4 lies in box 9 only in row 7, so nowhere else "
         "in row 7."},
        {"claiming, corner grid",
         boardWith(rowOf(3, 5, {4, 5, 6, 7, 8, 9}, {1, 2, 3, 5, 6, 7})),
         Technique::LockedClaiming,
         {3, UnitKind::Row, 5},
         4,
         {},
         Removal{{3, 1, 4}, 4},
         nullptr},
        {"naked pair",
         boardWith(rowOf(3, 5, {5, 6, 7, 8, 9}, {1, 2, 3, 4, 5}) +
                   std::vector<Value>{{3, 1, 1, 6}, {3, 1, 8, 7}, {3, 2, 2, 7}, {3, 2, 9, 6}}),
         Technique::NakedPair,
         {3, UnitKind::Row, 5},
         8,
         {},
         Removal{{3, 3, 5}, 8},
         nullptr},
        {"naked triple",
         boardWith(rowOf(3, 5, {7, 8, 9}, {1, 2, 3}) + rowOf(3, 4, {1, 2, 9}, {4, 5, 6}) +
                   rowOf(3, 6, {3, 7, 8}, {6, 4, 5})),
         Technique::NakedTriple,
         {3, UnitKind::Row, 5},
         7,
         {},
         Removal{{3, 4, 5}, 7},
         nullptr},
        {"hidden triple",
         boardWith(rowOf(0, 5, {5, 6}, {4, 5}) + rowOf(0, 4, {1, 2, 7, 8, 9}, {4, 5, 1, 2, 3}) +
                   rowOf(0, 6, {4, 5, 6}, {1, 2, 3})),
         Technique::HiddenTriple,
         {0, UnitKind::Row, 5},
         1,
         {},
         Removal{{0, 2, 5}, 9},
         nullptr},
        {"hidden pair",
         boardWith(rowOf(0, 5, {4, 5, 6}, {3, 4, 5}) + std::vector<Value>{{0, 8, 4, 1},
                                                                          {0, 9, 4, 2},
                                                                          {0, 4, 6, 1},
                                                                          {0, 5, 6, 2},
                                                                          {0, 3, 1, 1},
                                                                          {0, 3, 8, 2}}),
         Technique::HiddenPair,
         {0, UnitKind::Row, 5},
         1,
         {},
         Removal{{0, 1, 5}, 6},
         nullptr},
        {"X-wing",
         boardWith(rowOf(1, 2, {1, 2, 7, 9}, {1, 2, 3, 4}) +
                   rowOf(1, 7, {1, 2, 7, 9}, {3, 4, 1, 2}) +
                   std::vector<Value>{{1, 5, 1, 5}, {1, 4, 9, 5}}),
         Technique::XWing,
         {1, UnitKind::Row, 2},
         5,
         {},
         Removal{{1, 3, 3}, 5},
         "Tipp: X-Wing – in Gitter 2 passt die 5 in Zeile 2 und Zeile 7 nur in Spalte 3 und "
         "Spalte 8, also nirgends sonst in diesen beiden Linien.",
         "Hint: X-Wing – in grid 2, the 5 can go in rows 2 and 7 only in columns 3 and 8, so "
         "nowhere else in those two columns."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Hint> hint = nextHint(c.board);
        ASSERT_TRUE(hint.has_value());
        SCOPED_TRACE(hintText(*hint));
        EXPECT_EQ(hint->technique, c.technique) << techniqueName(hint->technique);
        EXPECT_EQ(hint->units.front(), c.unit);
        EXPECT_EQ(hint->digits.front(), c.digit);
        if (c.target) {
            EXPECT_TRUE(hint->found);
            EXPECT_EQ(hint->target, *c.target);
            EXPECT_EQ(hint->targetDigit, c.digit);
            EXPECT_TRUE(hint->removed.empty());
        }
        if (c.removed) {
            EXPECT_NE(std::find(hint->removed.begin(), hint->removed.end(), *c.removed),
                      hint->removed.end());
        }
        if (c.text) {
            EXPECT_EQ(hintText(*hint), c.text);
        }
        if (c.english) {
            EXPECT_EQ(hintText(*hint, true, HintLanguage::English), c.english);
        }
    }
}

TEST(Hint, GradesWholeBoardsAndRefusesBrokenOnes) {
    const Board solved = puzzles::solvedBoard();
    EXPECT_FALSE(nextHint(solved).has_value());
    const Grade full = gradeBoard(solved);
    EXPECT_TRUE(full.solved);
    EXPECT_EQ(full.steps, 0);

    Board broken = solved;
    broken.cellValue(4, 5, 5) = 0;
    broken.cellValue(4, 6, 5) = broken.cellValue(4, 7, 5); // a repeated digit
    EXPECT_FALSE(nextHint(broken).has_value());
    EXPECT_FALSE(gradeBoard(broken).solved);
    EXPECT_EQ(gradeBoard(broken).hardest, Technique::Guess);

    // A puzzle the two rules complete needs singles only, one step per empty cell; the
    // first hint fills a cell with the digit of the solution.
    Random random(5);
    const Board easy = puzzles::thinOut(solved, random, true);
    const Grade twoRules = gradeBoard(easy);
    EXPECT_TRUE(twoRules.solved);
    EXPECT_LE(twoRules.hardest, Technique::HiddenSingleColumn);
    EXPECT_EQ(twoRules.steps, 369 - puzzles::countGivens(easy));
    const std::optional<Hint> first = nextHint(easy);
    ASSERT_TRUE(first && first->found);
    EXPECT_EQ(solved.cellValue(first->target.grid, first->target.column, first->target.row),
              first->targetDigit);

    // Puzzles thinned out as far as the search allows need more than singles, or guessing.
    for (std::uint32_t seed : {1u, 2u}) {
        Random r(seed);
        const FieldValues solution = makeSolution(r);
        const Board hard = puzzleBoard(thinOutBySearch(solution, r));
        const Grade grade = gradeBoard(hard);
        EXPECT_GT(grade.hardest, Technique::HiddenSingleColumn) << seed;
        EXPECT_EQ(grade.solved, grade.hardest != Technique::Guess) << seed;
        const std::optional<Hint> hint = nextHint(hard);
        ASSERT_TRUE(hint.has_value());
        if (hint->found) {
            EXPECT_EQ(
                solution[fieldIndexOf(hint->target.grid, hint->target.column, hint->target.row)],
                hint->targetDigit);
        }
    }
}

namespace {
void place(Board& b, const HintCell& c, int digit) {
    b.cellValue(c.grid, c.column, c.row) = static_cast<std::uint8_t>(digit);
    int og, oc, orow;
    if (otherCopy(c.grid, c.column, c.row, og, oc, orow))
        b.cellValue(og, oc, orow) = static_cast<std::uint8_t>(digit);
}
// The data of a hint names all a sentence needs: its digits and pattern cells, the units of
// a step on units, and for a forcing chain the placements from the tried candidate (the
// one removed) into open cells, ending where they break down; a digit twice in a unit is
// there once the chain stands on the board.
void checkComplete(const Board& b, const Hint& hint) {
    ASSERT_FALSE(hint.digits.empty());
    ASSERT_FALSE(hint.cells.empty());
    if (hint.technique <= Technique::Swordfish) {
        ASSERT_FALSE(hint.units.empty());
    }
    if (hint.technique != Technique::ForcingChain) {
        EXPECT_TRUE(hint.chain.empty());
        return;
    }
    ASSERT_FALSE(hint.chain.empty());
    EXPECT_EQ(hint.chain.front(), (Placement{hint.removed.at(0).cell, hint.removed.at(0).digit}));
    ASSERT_NE(hint.contradiction.kind, ContradictionKind::None);
    Board after = b;
    for (const Placement& p : hint.chain) {
        ASSERT_EQ(after.cellValue(p.cell.grid, p.cell.column, p.cell.row), 0);
        place(after, p.cell, p.digit);
    }
    if (hint.contradiction.kind != ContradictionKind::DigitTwiceInUnit) return;
    const HintUnit& u = hint.contradiction.unit;
    int count = 0;
    for (int k = 0; k < 9; ++k) {
        int column = k + 1, row = u.number;
        if (u.kind == UnitKind::Column) std::swap(column, row);
        if (u.kind == UnitKind::Box) {
            column = (u.number - 1) % 3 * 3 + k % 3 + 1;
            row = (u.number - 1) / 3 * 3 + k / 3 + 1;
        }
        count += after.cellValue(u.grid, column, row) == hint.contradiction.digit ? 1 : 0;
    }
    EXPECT_GE(count, 2);
}
} // namespace

// Step by step through puzzles thinned out as far as the search allows, the player taking
// every placement and every elimination: no placed digit differs from the solution, no
// removed candidate is the solution's, an elimination names a placement only when the
// very next step makes it, and every step's data is complete.
TEST(Hint, StepsAreTrueAndNameOnlyThePlacementTheyMakeAtOnce) {
    std::set<Technique> seen;
    int finished = 0;
    const std::uint32_t seeds = 40;
    for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
        SCOPED_TRACE(seed);
        Random r(seed);
        const FieldValues solution = makeSolution(r);
        Board b = puzzleBoard(thinOutBySearch(solution, r));
        const BoardArray sol = puzzleBoard(solution).cellValue;
        const auto at = [&](const HintCell& c) { return sol(c.grid, c.column, c.row); };
        std::vector<Removal> known;
        for (int n = 0; n < 2000; ++n) {
            const std::optional<Hint> hint = nextHint(b, &sol, known);
            if (!hint) {
                finished += isBoardComplete(b) ? 1 : 0;
                break;
            }
            seen.insert(hint->technique);
            SCOPED_TRACE(hintText(*hint));
            checkComplete(b, *hint);
            for (const Removal& removal : hint->removed) ASSERT_NE(at(removal.cell), removal.digit);
            if (hint->found) {
                ASSERT_EQ(at(hint->target), hint->targetDigit);
            }
            if (hint->removed.empty()) {
                ASSERT_TRUE(hint->found);
                const HintCell& c = hint->target;
                b.cellValue(c.grid, c.column, c.row) = static_cast<std::uint8_t>(hint->targetDigit);
                int og, oc, orow;
                if (otherCopy(c.grid, c.column, c.row, og, oc, orow))
                    b.cellValue(og, oc, orow) = static_cast<std::uint8_t>(hint->targetDigit);
                continue;
            }
            known.insert(known.end(), hint->removed.begin(), hint->removed.end());
            if (hint->found) {
                const std::optional<Hint> next = nextHint(b, &sol, known);
                ASSERT_TRUE(next && next->removed.empty());
                EXPECT_EQ(at(next->target), hint->targetDigit);
                EXPECT_EQ(next->targetDigit, hint->targetDigit);
            }
        }
    }
    // The ladder finishes these puzzles, and the walk went through the new rungs.
    EXPECT_EQ(finished, static_cast<int>(seeds));
    for (Technique t :
         {Technique::Swordfish, Technique::XYWing, Technique::XYZWing, Technique::Skyscraper,
          Technique::TwoStringKite, Technique::SimpleColouring, Technique::ForcingChain})
        EXPECT_TRUE(seen.count(t)) << techniqueName(t);
}
