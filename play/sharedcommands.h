// The commands that the play loop and the own-board editor run alike, and their rows of
// the key tables (play/playloop.cpp, play/editor.cpp): a key both modes share is one row
// here, placed in each table where its list of keyboard shortcuts shows it.
#pragma once

#include "play/buttons.h"
#include "play/commands.h"
#include "platform/platform.h"
#include "session/game.h"

#include <QtGlobal>

// Button `Button` of the bar (play/buttons.h) as its key or a click runs it; WithClock: the
// clock panel follows a loaded board.
template <int Button, bool WithClock = false> Outcome barAction(Game& g) {
    runButtonAction(g, Button, WithClock);
    return Outcome::Stay;
}

Outcome restartCommand(Game& g);   // N: back to the givens
Outcome hintCommand(Game& g);      // T: the hint (play/hintview.h)
Outcome keyListCommand(Game& g);   // F1: the list of keyboard shortcuts
Outcome solveFirstLetter(Game& g); // the hidden solve combination's first letter
// A left or right press on the board, mapped to its cell for the running table's cell
// command (nothing off the cells).
void boardClick(Game& g, bool rightButton);

inline constexpr KeyCommand kSaveKey{'S', QT_TRANSLATE_NOOP("PlayTexts", "Brett sichern"),
                                     barAction<kSichern>};
inline constexpr KeyCommand kPrintKey{'D', QT_TRANSLATE_NOOP("PlayTexts", "Brett drucken"),
                                      barAction<kDrucken>};
inline constexpr KeyCommand kHelpKey{'H', QT_TRANSLATE_NOOP("PlayTexts", "Hilfe"),
                                     barAction<kHilfe>};
inline constexpr KeyCommand kRestartKey{'N', QT_TRANSLATE_NOOP("PlayTexts", "Neustart"),
                                        restartCommand};
inline constexpr KeyCommand kHintKey{'T',
                                     QT_TRANSLATE_NOOP("PlayTexts", "Tipp"),
                                     hintCommand,
                                     {nullptr, QT_TRANSLATE_NOOP("PanelTexts", "Tipp")}};
inline constexpr KeyCommand kKeyListKey{kKeyF1, QT_TRANSLATE_NOOP("PlayTexts", "Tastenkürzel"),
                                        keyListCommand};
inline constexpr KeyCommand kSolveFirstKey{kSolveFirstLetter, "", solveFirstLetter};
