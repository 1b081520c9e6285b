// The difficulty, help-window and clock panels, and the clock with its ticker thread.
#pragma once

#include "platform/texts.h"

#include <QString>
#include <string>

struct Game;

// Panel contents are written black on white, opaque, in the given font (8 mostly).
void contentStyle(Game& g, int font);
void drawDifficultyPanel(Game& g);
void updateDifficultyPanel(Game& g);
void drawHelpPanel(Game& g);
void showHelpText(Game& g);
// Why a game is not, or no longer, timed, as the status strip's note tells it.
inline constexpr const char* kTimingThirdError =
    QT_TRANSLATE_NOOP("PanelTexts", "Zeit gestoppt: 3. Fehler");
inline constexpr const char* kTimingKeyM =
    QT_TRANSLATE_NOOP("PanelTexts", "Zeit gestoppt: Taste M");
inline constexpr const char* kTimingCandidates =
    QT_TRANSLATE_NOOP("PanelTexts", "Zeit gestoppt: Kandidaten");
inline constexpr const char* kUntimedCandidates =
    QT_TRANSLATE_NOOP("PanelTexts", "Ohne Zeit: Kandidaten an");
inline constexpr const char* kUntimedResumed =
    QT_TRANSLATE_NOOP("PanelTexts", "Ohne Zeit: nur Neues Spiel");
// Keeps such a note for the rest of the game and shows it in the status strip; the help
// line keeps its own texts. The strip and the help line show their texts translated
// (PanelTexts): a text given to them is marked with QT_TRANSLATE_NOOP("PanelTexts", ...).
void showTimingNote(Game& g, const char* note);
// The status strip beside the program's caption: the keys of the running game loop on its
// left half, as shown (built from the loop's key tables in the chosen language,
// play/keylist.h), and a note on its right half, as its source like the help line's texts.
// A field is redrawn only when its text changes.
enum class StripField { Keys, Note };
inline constexpr int kStripKeysX = 170, kStripNoteX = 620, kStripRight = 1046;
void showStripText(Game& g, StripField field, const QString& text);
void drawClockPanel(Game& g);
void updateClock(Game& g);
// Starts the game clock of a new timed game: startTime := now, finishTime := "X",
// finishingGame off, clockRunning on (the elapsed-time fields are written under the lock).
void startGameClock(Game& g);
// Starts the clock ticker thread, after joining any earlier one.
void startClockTicker(Game& g);
// Ends the running ticker, if any, and waits for it (it ends within 50 ms).
void joinClockTicker(Game& g);
// The ticker's body; runs on its own thread.
void clockTicker(Game& g);
// The running label text " hh:mm:ss" and the final text hh:mm:ss.s for a number of
// elapsed seconds (with the carry of the rounded tenth into minutes and hours).
QString runningClockText(int hours, int minutes, double seconds);
std::string finalClockText(int hours, int minutes, double seconds);
