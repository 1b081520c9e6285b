// Qt's own texts in German: the printer dialog, the context menus of text fields and the
// standard buttons speak the game's language. Called once by main after QApplication.
#pragma once

class QCoreApplication;
class QTranslator;

// Installs Qt's German translations ("qtbase_de" from Qt's translations directory) into
// the application. Returns the installed translator (owned by the application), or
// nullptr when the translations are not installed: Qt then keeps its English texts.
QTranslator* installQtGermanTranslations(QCoreApplication& app);
