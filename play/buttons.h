// The button bar: six drawn buttons under the board with their hot-key letters.
#pragma once

#include <QString>

struct Game;

struct ButtonSpec {
    const char* caption;
    int x;
    int clickFrom,
        clickTo; // inclusive x range within the button band (kButtonBandTop..kButtonBandBottom)
    char hotKey;
};
extern const ButtonSpec kButtons[6];
// A button's caption in the chosen language.
QString buttonCaption(const ButtonSpec& button);

void drawButton(Game& g, int pressed, int x, int y, const QString& caption);
void drawHotKeyLetter(Game& g, int x, int y, QChar letter);
void drawAllButtons(Game& g);
// The button under (x, y), 0..5, or -1.
int buttonAt(int x, int y);

// Laden, L and the menu's "Brett laden": a board from a slot of brett.qnt as a new puzzle,
// with a history of its own and its difficulty shown.
void loadBoardFromFile(Game& g);

// Indices into kButtons.
enum ButtonIndex { kLaden = 0, kSichern, kDrucken, kNeustart, kHilfe, kAbbruch };
// Draws button `index` of the bar at its place, pressed (1) or raised (0).
void drawBarButton(Game& g, int index, int pressed);
// The action of Laden, Sichern, Drucken, Neustart or Hilfe, shared by the play loop and the
// editor: the button is drawn pressed while the action runs and raised afterwards.
// withClock: Laden refreshes the clock after loading (the play loop's L key).
void runButtonAction(Game& g, int index, bool withClock = false);
