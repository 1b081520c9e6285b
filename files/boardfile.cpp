// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "files/boardfile.h"

#include "app/game.h"

QString collectionFileName(int) {
    return {};
}
bool loadBoardRecord(Game&, int) {
    return false;
}
bool saveBoardRecord(Game&, int) {
    return false;
}
void loadBoard(Game&) {}
void saveBoard(Game&) {}
bool loadCollectionPuzzle(Game&) {
    return false;
}
