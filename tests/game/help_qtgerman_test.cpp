// Qt's own dialogs in German, and the file the printer-selection dialog offers.
#include "help/qtgerman.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

TEST(QtGerman, QtTextsAreGermanAndThePrintFileLiesInTheDocumentsFolder) {
    QTranslator* translator = installQtGermanTranslations(*QCoreApplication::instance());
    ASSERT_NE(translator, nullptr) << "Qt's German translations (qt6-translations-l10n) missing";
    // The printer dialog's title, a text field's context menu, a dialog button.
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Drucken"));
    EXPECT_EQ(QCoreApplication::translate("QWidgetTextControl", "&Copy"),
              QStringLiteral("&Kopieren"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    QCoreApplication::removeTranslator(translator);
    delete translator;

    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    const QFileInfo file(printDialogFile());
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    if (oldConfig.isEmpty()) qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(file.absolutePath(), home.path() + QStringLiteral("/Documents"));
    EXPECT_TRUE(file.dir().exists());
    EXPECT_EQ(file.suffix(), QStringLiteral("pdf"));
}
