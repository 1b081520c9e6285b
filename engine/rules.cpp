// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "engine/rules.h"

bool isBoardValid(const Board&) {
    return false;
}
bool isBoxValid(const Board&, int, int, int) {
    return false;
}
bool hasNoDeadCell(Board&) {
    return false;
}
bool boxHasNoDeadCell(Board&, int, int, int) {
    return false;
}
