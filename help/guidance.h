// Guidance for a newcomer beside the defined screen: how to begin, shown in the status
// strip of the first screen, and the game keys shown beside the menu commands they match.
// Called by the start screen and by the menu bar's builder.
#pragma once

#include "platform/texts.h"

#include <QString>

struct Game;
class QAction;

// The hint in the status strip, and where it starts (right of the program's caption,
// clear of the strip's frame).
inline const QString kStartHint =
    QStringLiteral(QT_TRANSLATE_NOOP("PanelTexts", "Neues Spiel: Menü Quintor → Neues Spiel"));
inline constexpr int kStartHintX = 620; // the strip note's place (panels/info.h)
void drawStartHint(Game& g);

// The key that does in a game what menu command `id` does: "L" for lade Brett, "S", "D",
// "N", "M"; empty for the others (H opens another page of the manual than Anleitung, and
// X shuffles only in the own-board editor).
QString gameKeyOfCommand(int id);
// Shows that key in the shortcut column of the command's menu item. Only the column
// shows it: no shortcut is registered, so the key keeps its meaning in a game and does
// nothing while no game runs, and the item's caption and access key stay as they are.
void showGameKey(QAction* action, int id);
