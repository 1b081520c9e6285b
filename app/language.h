// The interface language: the translators Qt uses for the game's texts and its own. German
// is the default whatever the system's locale; English is one menu choice away (menu 70
// "Deutsch", 71 "English", app/menu.cpp) and remembered in the settings file. The manual of
// the chosen language: help/help.h.
#pragma once

#include "platform/texts.h"

// Installs the translators of a language into the application: for English the game's
// English texts (compiled into the program) and none of Qt's German ones; for German no
// translator of the game's and Qt's German texts ("qtbase_de") where Debian installed them.
// Qt then tells every window (QEvent::LanguageChange): the main window rebuilds its menu
// bar. Returns false when the English texts cannot be loaded (the game stays German).
bool installLanguage(Language language);
// The language whose translators are installed now.
Language installedLanguage();
