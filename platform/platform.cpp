// Default implementations of the platform's printer and help-window operations, shared by
// every platform that does not replace them; called by the printout and the help viewers.
#include "platform/platform.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>

QString Platform::workingFolder() {
    return QDir::currentPath();
}

bool Platform::useDefaultPrinter(QPrinter& printer) {
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) return false;
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(printerInfo.printerName());
    return printer.isValid();
}

QString printDialogFile() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(documents);
    return QDir(documents).filePath(QStringLiteral("Quintor-Brett.pdf"));
}

bool Platform::choosePrinter(QPrinter& printer) {
    // Without a file name of its own the dialog would offer one in the home folder's root.
    if (printer.outputFileName().isEmpty()) printer.setOutputFileName(printDialogFile());
    QPrintDialog dialog(&printer, mainWindow());
    return dialog.exec() == QDialog::Accepted;
}

void Platform::showHelpWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
