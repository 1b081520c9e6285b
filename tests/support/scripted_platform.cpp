// The scripted platform and the test world.
#include "support/scripted_platform.h"

#include "app/screen.h"

#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QWidget>

#include <cerrno>

ScriptedPlatform::ScriptedPlatform() = default;

void ScriptedPlatform::callLater(int milliseconds, std::function<void()> call) {
    laterCalls.emplace_back(now() + milliseconds / 1000.0, std::move(call));
}

void ScriptedPlatform::runDueCalls() {
    const double t = now();
    std::vector<std::function<void()>> due;
    for (auto it = laterCalls.begin(); it != laterCalls.end();) {
        if (it->first <= t + 1e-9) {
            due.push_back(std::move(it->second));
            it = laterCalls.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto& call : due) call();
}

Event ScriptedPlatform::nextEvent() {
    runDueCalls();
    if (events.empty()) throw ScriptRanDry("the scripted event queue ran dry");
    Event e = events.front();
    events.pop_front();
    if (onEvent) onEvent(e);
    return e;
}

int ScriptedPlatform::messageBox(const QString& text, const QString& captions, int defaultButton,
                                 MessageIcon icon) {
    messages.push_back({text, captions, defaultButton, icon});
    if (onMessage) onMessage(messages.back());
    if (answers.empty()) return defaultButton;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedPlatform::runModal(QWidget* form, QPoint offset, const std::function<bool()>& done) {
    modalForms.push_back(form ? form->objectName() : QString());
    modalOffsets.push_back(offset);
    if (onModal) onModal(form);
    if (!done())
        throw ScriptRanDry("a modal form was left open by the script: " +
                           form->objectName().toStdString());
}

void ScriptedPlatform::setClockLabel(const QString& text) {
    std::lock_guard<std::mutex> lock(labelMutex);
    clockLabels.push_back(text);
}

QString ScriptedPlatform::clockLabel() const {
    std::lock_guard<std::mutex> lock(labelMutex);
    return clockLabels.empty() ? QString() : clockLabels.back();
}

void ScriptedPlatform::copyDataFile(const QString& name) {
    QFile::remove(path(name));
    QFile::copy(QStringLiteral(QUINTOR_DATA_DIR "/") + name, path(name));
}

WriteResult ScriptedPlatform::writeFile(const QString& name, const QByteArray& bytes) {
    std::optional<WriteFault> fault;
    if (failWrites) fault = WriteFault{WriteStage::Write, ENOSPC};
    if (writeFault && (writeFaultFile.isEmpty() || writeFaultFile == name)) fault = writeFault;
    const WriteResult result = writeFileAtomically(path(name), bytes, fault);
    if (result.ok) writtenFiles.push_back(name);
    return result;
}

bool ScriptedPlatform::useDefaultPrinter(QPrinter& printer) {
    if (!hasDefaultPrinter) return false;
    preparePdfPrinter(printer);
    return true;
}

bool ScriptedPlatform::choosePrinter(QPrinter& printer) {
    ++printerDialogs;
    offeredPrintFile = printer.outputFileName();
    if (printerDialogAccepts) preparePdfPrinter(printer);
    return printerDialogAccepts;
}

void ScriptedPlatform::preparePdfPrinter(QPrinter& printer) const {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path(printFile));
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QSizeF(8, 11), QPageSize::Inch));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
}

void ScriptedPlatform::showHelpWindow(QWidget* window) {
    helpWindows.push_back(window->windowTitle());
}

TestWorld::TestWorld(std::uint32_t seed) : image(1052, 787, QImage::Format_RGB32) {
    image.fill(Qt::black);
    canvas.setDevice(&image);
    canvas.keepJournal = true;
    game = std::make_unique<Game>(platform, canvas, seed);
    fillColourTable(*game);
}

QColor colour(int index) {
    static const QColor table[16] = {
        {0, 0, 0},       {208, 0, 0},     {0, 128, 0},   {255, 255, 0},  {0, 0, 188}, {128, 0, 128},
        {0, 128, 128},   {192, 192, 192}, {64, 64, 64},  {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
        {180, 201, 208}, {255, 0, 255},   {0, 255, 255}, {255, 255, 255}};
    return table[index & 15];
}

std::vector<Canvas::TextRecord> ScriptedPlatform::printedTextsAt(int x, int y) const {
    std::vector<Canvas::TextRecord> found;
    for (const Canvas::TextRecord& r : printedTexts)
        if (r.x == x && r.y == y) found.push_back(r);
    return found;
}
