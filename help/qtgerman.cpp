// Loads Qt's German translations from the directory Qt was built to look in (Debian ships
// them in qt6-translations-l10n).
#include "help/qtgerman.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QTranslator* installQtGermanTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    translator->setObjectName(kQtGermanTranslator);
    if (!translator->load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
