// Board files: loading and saving records, the slot dialog frm1, and drawing a new
// game's puzzle from the collection file of the current difficulty.
#pragma once

#include "engine/board.h"

#include <QString>

struct Game;

// The collection file of a difficulty: "leicht.qnt", "mittel.qnt", "schwer.qnt", "extrem.qnt".
QString collectionFileName(Difficulty difficulty);
// Reads record slot of boardFileName into the board; false (board unchanged) when the
// file is missing, too short or damaged. Shows the German message for a damaged file.
bool loadBoardRecord(Game& g, int slot);
// Writes the board into record slot of boardFileName; false (with a German message)
// when the file cannot be written.
bool saveBoardRecord(Game& g, int slot);
void loadBoard(Game& g);
void saveBoard(Game& g);
// boardFileName := the collection file of the difficulty; a record 0..3 drawn and loaded.
// Returns false (after a German message naming the file) when the file is missing.
bool loadCollectionPuzzle(Game& g);
