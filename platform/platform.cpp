// Default implementations of the platform's file, printer and help-window operations, shared
// by every platform that does not replace them.
#include "platform/platform.h"
#include "platform/texts.h"

#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>

#include <thread>

void Platform::runInBackground(const std::function<void()>& work) {
    std::thread worker(work);
    worker.join();
}

void Platform::runCancellable(const QString&, const std::function<void()>& work, std::atomic<bool>&,
                              const std::function<QString()>&) {
    runInBackground(work);
}

int Platform::dateNumber() {
    QDate date = QDate::fromString(dateText(), QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid()) date = QDate::currentDate();
    return date.year() * 10000 + date.month() * 100 + date.day();
}

QString Platform::clipboardText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}

void Platform::setClipboardText(const QString& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(text);
}

QString Platform::chooseTextFile(const QString& caption) {
    return QFileDialog::getOpenFileName(mainWindow(), caption, workingFolder(),
                                        AppTexts::tr("Textdateien (*.txt);;Alle Dateien (*)"));
}

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

bool Platform::fileExists(const QString& name) {
    // A dangling link counts too: something is there that a write would replace.
    const QFileInfo info(filePath(name));
    return info.exists() || info.isSymLink();
}

ReadResult Platform::readFile(const QString& name, qint64 maxSize) {
    return readWholeFile(filePath(name), maxSize);
}

WriteResult Platform::writeFile(const QString& name, const QByteArray& bytes) {
    return writeFileAtomically(filePath(name), bytes);
}

WriteResult Platform::renameFile(const QString& from, const QString& to) {
    return renameFileNoReplace(filePath(from), filePath(to));
}

bool Platform::removeFile(const QString& name) {
    const QString path = filePath(name);
    return QFile::remove(path) || !fileExists(name);
}

QString backupFileName(const QString& name, int number) {
    return name + QStringLiteral(".bak") + (number == 1 ? QString() : QString::number(number));
}

QString Platform::backupName(const QString& name) {
    for (int number = 1; number <= kBackupNames; ++number) {
        const QString candidate = backupFileName(name, number);
        if (!fileExists(candidate)) return candidate;
    }
    return {};
}

namespace {
WriteResult noBackupName() {
    return {false, AppTexts::tr("Alle Namen für Sicherungskopien sind vergeben.")};
}
} // namespace

WriteResult Platform::writeBackup(const QString& name, const QByteArray& bytes, QString& backup) {
    backup = backupName(name);
    return backup.isEmpty() ? noBackupName() : writeFile(backup, bytes);
}

WriteResult Platform::moveAside(const QString& name, QString& backup) {
    backup = backupName(name);
    return backup.isEmpty() ? noBackupName() : renameFile(name, backup);
}
