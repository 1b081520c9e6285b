// Default implementations of the platform's printer and help-window operations, shared by
// every platform that does not replace them; called by the printout and the help viewers.
#include "platform/platform.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
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

bool Platform::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, mainWindow());
    return dialog.exec() == QDialog::Accepted;
}

void Platform::showHelpWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
