// The state of the modal dialogs, private to this file.
#include "session/modal.h"

#include "platform/platform.h"
#include "session/game.h"

namespace {

struct ModalState {
    bool dialogEnded = false;
    bool escapeTaken = false;
};

ModalState& modalState(const Game& g) {
    return g.parts.part<ModalState>();
}

} // namespace

void runGameDialog(Game& g, QWidget* form, QPoint offset) {
    modalState(g).dialogEnded = false;
    g.platform.runModal(form, offset, [&g] { return modalState(g).dialogEnded; });
}

void endGameDialog(Game& g) {
    modalState(g).dialogEnded = true;
}

bool gameDialogEnded(const Game& g) {
    return modalState(g).dialogEnded;
}

void takeEscape(Game& g) {
    modalState(g).escapeTaken = true;
}

void releaseEscape(Game& g) {
    modalState(g).escapeTaken = false;
}

bool escapeTaken(const Game& g) {
    return modalState(g).escapeTaken;
}
