// Qt's own texts in German: the printer dialog, the context menus of text fields and the
// standard buttons speak the game's language. Installed by main after QApplication, and
// again when the player goes back to German (app/language.*).
#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

// The object name of the installed translator, by which it is found to be removed.
inline const QString kQtGermanTranslator = QStringLiteral("qtbase_de");

// Installs Qt's German translations ("qtbase_de" from Qt's translations directory) into
// the application. Returns the installed translator (owned by the application), or
// nullptr when the translations are not installed: Qt then keeps its English texts.
QTranslator* installQtGermanTranslations(QCoreApplication& app);
