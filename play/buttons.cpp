// The button bar under the board: six drawn buttons with dark red hot-key letters.
// Drawn and hit-tested by the play loop and the own-board editor.
#include "play/buttons.h"

#include "session/game.h"
#include "session/look.h"
#include "files/boardfile.h"
#include "help/help.h"
#include "panels/info.h"
#include "play/changes.h"
#include "play/render.h"
#include "play/undo.h"
#include "print/printout.h"

// Captions carry an underscore before the hot letter; the click ranges are inclusive and
// the last one stops one pixel short of the Abbruch button's right edge.
// A caption's length sets its button's width: a translation keeps the length and the
// underscore before the same hot letter.
const ButtonSpec kButtons[6] = {
    {QT_TRANSLATE_NOOP("PlayTexts", "    _Laden    "), 18, 18, 140, 'L'},
    {QT_TRANSLATE_NOOP("PlayTexts", "   _Sichern   "), 141, 141, 263, 'S'},
    {QT_TRANSLATE_NOOP("PlayTexts", "  _Drucken  "), 264, 264, 370, 'D'},
    {QT_TRANSLATE_NOOP("PlayTexts", "  _Neustart  "), 371, 371, 485, 'N'},
    {QT_TRANSLATE_NOOP("PlayTexts", "   _Hilfe   "), 486, 486, 592, 'H'},
    {QT_TRANSLATE_NOOP("PlayTexts", "  _Abbruch   "), 593, 593, 706, 'A'},
};

namespace {
constexpr int kButtonTop = 727;

// Extra shift of the hot letter in the large-font layout, whose variable-pitch caption
// font puts the blank elsewhere.
int largeFontLetterShift(QChar letter) {
    switch (letter.toLatin1()) {
    case 'L':
        return 6;
    case 'S':
    case 'H':
        return 9;
    case 'D':
    case 'N':
    case 'A':
        return 13;
    default:
        return 0;
    }
}
} // namespace

QString buttonCaption(const ButtonSpec& button) {
    return PlayTexts::tr(button.caption);
}

void drawButton(Game& g, int pressed, int x, int y, const QString& caption) {
    const int h = static_cast<int>(caption.indexOf(QLatin1Char('_'))) + 1; // 1-based, 0 if none
    const int n = static_cast<int>(caption.length()) - 1;
    QString shown = caption;
    QChar letter;
    if (h != 0 && h < caption.length()) {
        letter = caption.at(h);
        // The underscore and the letter become one blank; the letter is painted into it.
        shown = caption.left(h - 1) + QLatin1Char(' ') + caption.mid(h + 1);
    }

    drawFrame3D(g, pressed, 2, x, y, x + 8 * n + 18, y + 25);
    Canvas& c = g.canvas;
    c.setLineWidth(1);
    c.setPenColour(Colour::Black);
    c.box(x - 1, y - 1, x + 8 * n + 18, y + 25);

    int textX = x + 4 * (n - 1 - static_cast<int>(shown.length())) + 14;
    if (g.draw.largeFontMode) textX -= 8;
    const int textY = y + 20;
    drawEmbossedText(g, 14, Colour::Black, textX, textY, shown);

    if (!letter.isNull()) {
        int letterX = textX + 8 * (h - 1);
        if (h == 1) letterX -= 1;
        if (g.draw.largeFontMode) letterX += largeFontLetterShift(letter);
        drawHotKeyLetter(g, letterX, textY, letter);
    }

    c.setOpaqueText(true);
    c.setPenColour(Colour::Black);
    c.setBackColour(Colour::White);
}

void drawHotKeyLetter(Game& g, int x, int y, QChar letter) {
    selectFont(g, 14);
    Canvas& c = g.canvas;
    c.setOpaqueText(false);
    c.setPenColour(Colour::EmbossLight);
    c.text(x, y - 14, QString(letter));
    c.setPenColour(Colour::DarkRed);
    c.text(x - 1, y - 15, QString(letter));
}

void drawAllButtons(Game& g) {
    for (const ButtonSpec& b : kButtons) drawButton(g, 0, b.x, kButtonTop, buttonCaption(b));
}

int buttonAt(int x, int y) {
    if (y < kButtonBandTop || y > kButtonBandBottom) return -1;
    for (int i = 0; i < 6; ++i)
        if (x >= kButtons[i].clickFrom && x <= kButtons[i].clickTo) return i;
    return -1;
}

void drawBarButton(Game& g, int index, int pressed) {
    drawButton(g, pressed, kButtons[index].x, kButtonTop, buttonCaption(kButtons[index]));
}

void loadBoardFromFile(Game& g) {
    g.state.boardFileName = QStringLiteral("brett.qnt");
    loadBoard(g);
    startNewHistory(g);
    updateDifficultyPanel(g);
}

void runButtonAction(Game& g, int index, bool withClock) {
    drawBarButton(g, index, 1);
    switch (index) {
    case kLaden:
        loadBoardFromFile(g);
        showBoard(g);
        if (withClock) updateClock(g);
        break;
    case kSichern:
        saveBoard(g);
        break;
    case kDrucken:
        printBoard(g);
        break;
    case kNeustart:
        restartPuzzle(g.state.board);
        noteChange(g, Change::Board);
        break;
    case kHilfe:
        showExplanationHelp(g);
        break;
    default:
        return;
    }
    // The actions that open a window or dialog let go of the mouse before the button rises,
    // so the click that closed the dialog does not reach the board.
    if (index != kNeustart) g.platform.waitNoMouseButton();
    drawBarButton(g, index, 0);
}
