// The state of the modal dialogs, private to this file.
#include "session/modal.h"

#include "platform/platform.h"
#include "session/game.h"

namespace {

struct ModalState {
    bool dialogDone = false;
    bool escapeConsumed = false;
};

ModalState& modalState(const Game& g) {
    return g.parts.part<ModalState>();
}

} // namespace

void runGameDialog(Game& g, QWidget* form, QPoint offset) {
    modalState(g).dialogDone = false;
    g.platform.runModal(form, offset, [&g] { return modalState(g).dialogDone; });
}

void endGameDialog(Game& g) {
    modalState(g).dialogDone = true;
}

bool dialogDone(const Game& g) {
    return modalState(g).dialogDone;
}

void consumeEscape(Game& g) {
    modalState(g).escapeConsumed = true;
}

void clearEscapeConsumed(Game& g) {
    modalState(g).escapeConsumed = false;
}

bool escapeConsumed(const Game& g) {
    return modalState(g).escapeConsumed;
}
