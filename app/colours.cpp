// The screen's colour scheme: the player's choice resolved against the desktop, handed to
// the canvas and the window's widgets.
#include "app/colours.h"

#include "session/game.h"

#include <QGuiApplication>
#include <QPalette>
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#include <QStyleHints>
#endif

bool desktopIsDark() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    switch (QGuiApplication::styleHints()->colorScheme()) {
    case Qt::ColorScheme::Dark:
        return true;
    case Qt::ColorScheme::Light:
        return false;
    default:
        break; // the desktop says nothing: its palette does
    }
#endif
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

const ColourValues& chosenColours(const Game& g) {
    switch (g.ui.colourScheme) {
    case ColourScheme::Dark:
        return kDarkColours;
    case ColourScheme::System:
        return desktopIsDark() ? kDarkColours : kClassicColours;
    case ColourScheme::Classic:
        break;
    }
    return kClassicColours;
}

void applyColourScheme(Game& g) {
    const ColourTable table = colourTableOf(chosenColours(g));
    if (table != g.canvas.colourTable) g.canvas.setColours(table);
    // A dark screen chosen on a light desktop gets dark widgets around it too; otherwise the
    // window keeps the desktop's own.
    g.platform.setWidgetColours(table, g.ui.colourScheme == ColourScheme::Dark);
}

void chooseColourScheme(Game& g, ColourScheme scheme) {
    // Leaving Dunkel gives the program the desktop's palette back first, so that the
    // desktop's own colours, not the dark ones, decide what "System" shows.
    if (scheme != ColourScheme::Dark) g.platform.setWidgetColours(g.canvas.colourTable, false);
    g.ui.colourScheme = scheme;
    applyColourScheme(g);
}
