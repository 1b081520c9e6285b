// The interface language: the translators Qt uses for the game's texts and its own.
#include "app/language.h"

#include "help/qtgerman.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

// The game's English texts, compiled from translations/quintor_en.ts into the program.
const QString kEnglishTexts = QStringLiteral("quintor_en");
const QString kEnglishTextsDirectory = QStringLiteral(":/i18n");

QTranslator* installedTranslator(const QString& name) {
    QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr ? app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly)
                          : nullptr;
}

void removeTranslator(const QString& name) {
    if (QTranslator* translator = installedTranslator(name)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

bool installLanguage(Language language) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return false;
    if (language == Language::Deutsch) {
        removeTranslator(kEnglishTexts);
        if (installedTranslator(kQtGermanTranslator) == nullptr) installQtGermanTranslations(*app);
        return true;
    }
    if (installedTranslator(kEnglishTexts) == nullptr) {
        auto* translator = new QTranslator(app);
        translator->setObjectName(kEnglishTexts);
        if (!translator->load(kEnglishTexts, kEnglishTextsDirectory) ||
            !QCoreApplication::installTranslator(translator)) {
            delete translator;
            return false;
        }
    }
    // Qt's own dialogs keep their English source texts.
    removeTranslator(kQtGermanTranslator);
    return true;
}

Language installedLanguage() {
    return installedTranslator(kEnglishTexts) != nullptr ? Language::English : Language::Deutsch;
}
