// The button bar: six drawn buttons under the board with their hot-key letters.
#pragma once

#include <QString>

struct Game;

struct ButtonSpec {
    const char* caption;
    int x;
    int clickFrom, clickTo; // inclusive x range for 726 <= y <= 752
    char hotKey;
};
extern const ButtonSpec kButtons[6];

void drawButton(Game& g, int pressed, int x, int y, const QString& caption);
void drawHotKeyLetter(Game& g, int x, int y, QChar letter);
void drawAllButtons(Game& g);
// The button under (x, y), 0..5, or -1.
int buttonAt(int x, int y);
