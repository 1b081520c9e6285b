// The first screen's hint and the game keys in the menus.
#include "help/guidance.h"

#include "app/game.h"
#include "app/menu.h"
#include "app/screen.h"

#include <QAction>

void drawStartHint(Game& g) {
    // Embossed like the program's caption at the strip's left end.
    drawEmbossedText(g, 16, Colour::Black, kStartHintX, 782, kStartHint);
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
    case MenuId::Manual:
        return QStringLiteral("H"); // Hilfe
    case MenuId::ShowCandidates:
        return QStringLiteral("M"); // automatic candidates
    case MenuId::ShuffleBoard:
        return QStringLiteral("X"); // in the own-board editor
    default:
        return QString();
    }
}

void showGameKey(QAction* action, int id) {
    const QString key = gameKeyOfCommand(id);
    // Text after a tab is what a menu shows in its shortcut column.
    if (action != nullptr && !key.isEmpty()) action->setText(action->text() + '\t' + key);
}
