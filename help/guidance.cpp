// The first screen's hint and the game keys in the menus.
#include "help/guidance.h"

#include "session/game.h"
#include "session/menuid.h"
#include "session/look.h"
#include "panels/info.h"

#include <QAction>

void drawStartHint(Game& g) {
    // The strip's note, embossed like the program's caption at the strip's left end; it
    // goes once a game has been played in this session.
    g.ui.stripNote.clear();
    showStripText(g, StripField::Note, g.state.gameStarted ? QString() : kStartHint);
}

QString gameKeyOfCommand(int id) {
    switch (static_cast<MenuId>(id)) {
    case MenuId::LoadBoard:
        return QStringLiteral("L"); // the Laden button
    case MenuId::SaveBoard:
        return QStringLiteral("S"); // Sichern
    case MenuId::PrintBoard:
        return QStringLiteral("D"); // Drucken
    case MenuId::Restart:
        return QStringLiteral("N"); // Neustart
    case MenuId::ShowCandidates:
        return QStringLiteral("M"); // automatic candidates
    default:
        return QString();
    }
}

void showGameKey(QAction* action, int id) {
    const QString key = gameKeyOfCommand(id);
    // Text after a tab is what a menu shows in its shortcut column.
    if (action != nullptr && !key.isEmpty()) action->setText(action->text() + '\t' + key);
}
