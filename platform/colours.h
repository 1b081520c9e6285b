// The colours the game draws in: the 16-entry colour table, the roles beyond it that a
// scheme tells apart (the light side of 3-D frames, the cell marks), and the schemes that
// fill them: the classic colours of the game and a dark set. Every pixel of the screen
// comes from one of these; the canvas keeps which role a drawing call used, so a change of
// scheme repaints the whole picture in the new colours (Canvas::setColours).
#pragma once

#include <QColor>

#include <array>
#include <cstddef>

// Indices into the colour table: entries 0..15 are the table every part names colours by,
// filled at start (app/screen.cpp fillColourTable); from 16 on roles that the classic scheme
// draws in one of those colours (or in a cell mark's own) and a dark scheme needs apart.
enum class Colour {
    Black = 0,
    DarkRed = 1, // (208, 0, 0): shared-box outlines, hot-key letters
    Green = 2,
    Yellow = 3,
    Blue = 4, // (0, 0, 188): box lines, entered digits
    Purple = 5,
    Teal = 6,
    LightGrey = 7, // (192, 192, 192)
    DarkGrey = 8,  // (64, 64, 64): shaded frame edges
    Red = 9,       // (255, 0, 0): wrong verdicts
    Lime = 10,
    BrightYellow = 11,
    WindowBackground = 12, // (180, 201, 208)
    Magenta = 13,
    Cyan = 14,
    White = 15,       // panel and grid backgrounds
    FrameLight = 16,  // white: the light side of 3-D frames
    EmbossLight = 17, // white: the copy under an embossed text, one pixel down and right
    HouseTint = 18,   // the cell marks of play/highlight.h and play/hintview.cpp
    SameValueTint = 19,
    UnitTint = 20,
    CursorOutline = 21,
    TargetOutline = 22,
    WrongOutline = 23,
    GridLine = 24,  // black: the cell lines and the outer edge of each grid
    FrameEdge = 25, // black: the centre grid's frame edges in the gaps below and right of it
};
constexpr std::size_t kColourCount = 26;
constexpr std::size_t colourIndex(Colour c) {
    return static_cast<std::size_t>(c);
}

using ColourValues = std::array<QRgb, kColourCount>;
using ColourTable = std::array<QColor, kColourCount>;

// The game's own colours: entries 0..15 are the defined colour table.
constexpr ColourValues kClassicColours = {
    qRgb(0, 0, 0),       qRgb(208, 0, 0),     qRgb(0, 128, 0),     qRgb(255, 255, 0),
    qRgb(0, 0, 188),     qRgb(128, 0, 128),   qRgb(0, 128, 128),   qRgb(192, 192, 192),
    qRgb(64, 64, 64),    qRgb(255, 0, 0),     qRgb(0, 255, 0),     qRgb(255, 255, 0),
    qRgb(180, 201, 208), qRgb(255, 0, 255),   qRgb(0, 255, 255),   qRgb(255, 255, 255),
    qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(214, 230, 255), qRgb(190, 215, 255),
    qRgb(255, 240, 176), qRgb(190, 70, 0),    qRgb(0, 150, 0),     qRgb(255, 0, 0),
    qRgb(0, 0, 0),       qRgb(0, 0, 0),
};

// The dark scheme: light ink on dark paper inside a slate window. It keeps every pair the
// classic colours tell apart, digits at 4.5:1 or more against every background they stand
// on and lines and marks at 3:1 or more (tests/game/app_colours_test.cpp measures them).
constexpr ColourValues kDarkColours = {
    qRgb(230, 234, 238), // ink: texts, givens, notes, outlines
    qRgb(255, 158, 128), // shared-box outlines, hot-key letters
    qRgb(92, 200, 92),   qRgb(255, 224, 102),
    qRgb(140, 184, 255), // box lines, entered digits
    qRgb(199, 139, 216), qRgb(79, 193, 193),
    qRgb(74, 85, 99),    // the palette's highlighted square
    qRgb(11, 13, 16),    // shadow side of 3-D frames
    qRgb(255, 138, 138), // wrong digits, error figures
    qRgb(125, 255, 125), qRgb(255, 224, 102),
    qRgb(85, 98, 112), // window background
    qRgb(255, 128, 255), qRgb(128, 255, 255),
    qRgb(28, 33, 39),    // paper: grids, panel boxes, palette
    qRgb(163, 176, 189), // light side of 3-D frames
    qRgb(28, 33, 39),    // under embossed texts: a dark shadow of the light letters
    qRgb(38, 47, 61),    // house tint
    qRgb(47, 59, 82),    // same-value tint
    qRgb(58, 52, 36),    // a hint's unit
    qRgb(255, 179, 71),  // cursor outline
    qRgb(95, 208, 104),  // a hint's target
    qRgb(255, 96, 96),   // a hint's wrong entry
    qRgb(122, 134, 147), // cell lines: quieter than the digits, the box lines stand out
    qRgb(11, 13, 16),    // the centre frame's dark edges, as the shadow side
};

ColourTable colourTableOf(const ColourValues& values);

// The mark role whose classic colour is `classic` (cell marks are kept in their classic
// colours); -1 when no mark has that colour.
int markColourRole(QRgb classic);

// The player's choice (menu 72..74): the classic colours, the dark ones, or the dark ones
// while the desktop is dark.
enum class ColourScheme { Classic, Dark, System };
