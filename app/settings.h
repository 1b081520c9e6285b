// The player's choices kept from one start to the next in a small file of their own,
// "einstellungen.ini" in the working directory: the difficulty, digits or letters, the
// puzzle symmetry, the interface language and the screen's colours. Start-up reads it; the menu
// handler writes it after a command that changed one of them. No other file of the game is read or
// written here.
#pragma once

#include <QByteArray>
#include <QString>

struct Game;

inline const QString kSettingsFileName = QStringLiteral("einstellungen.ini");

// The file's text for the current choices.
QByteArray settingsText(const Game& g);
// Takes the choices from the file. A missing file, or an entry that is missing or holds
// no known value, leaves the start value of that choice (Leicht, digits, symmetric, German,
// classic colours).
void loadSettings(Game& g);
// Writes the file atomically when the choices differ from what it holds (only after
// loadSettings has run); a failed write is tried again after the next command.
void saveSettings(Game& g);
