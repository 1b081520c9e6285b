// The scripted platform: events from a queue (a dry queue fails the test), message boxes
// answered from a queue, forms handed to a test callback, a fake clock, files in a
// temporary working directory. Plus TestWorld: a fresh game on an offscreen image.
#pragma once

#include "session/game.h"
#include "platform/platform.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

class ScriptedPlatform : public Platform {
  public:
    ScriptedPlatform();

    // Script.
    std::deque<Event> events;
    void key(int code, int modifiers = 0) {
        events.push_back({Event::Kind::KeyRelease, code, 0, 0, modifiers});
    }
    void typed(int character) { events.push_back({Event::Kind::Char, character, 0, 0}); }
    void move(int x, int y) { events.push_back({Event::Kind::PointerMove, 0, x, y}); }
    void leftClick(int x, int y) {
        move(x, y);
        events.push_back({Event::Kind::LeftPress, 0, x, y});
    }
    void rightClick(int x, int y) {
        move(x, y);
        events.push_back({Event::Kind::RightPress, 0, x, y});
    }
    void menu(int id) { events.push_back({Event::Kind::Menu, id, 0, 0}); }
    void closeRequest() { events.push_back({Event::Kind::CloseRequest, 0, 0, 0}); }
    // Called with each event as a game loop takes it, before the loop acts on it: the
    // moment to look at the screen or move the fake clock on.
    std::function<void(const Event&)> onEvent;

    // Message boxes: answers taken in order; with none left, the default button is pressed.
    struct Message {
        QString text, captions;
        int defaultButton;
        MessageIcon icon;
    };
    std::deque<int> answers;
    std::vector<Message> messages;
    // Called with each message as it is shown, before it is answered.
    std::function<void(const Message&)> onMessage;

    // Forms: called with the form once it is shown; it must make done() true (for
    // example by calling the form's handlers). The form's object name tells which it is.
    std::function<void(QWidget* form)> onModal;
    std::vector<QString> modalForms; // object names of the forms shown, in order
    std::vector<QPoint> modalOffsets;

    // Fake clock, advanced by tests and by sleepMs.
    double time = 1000.0;
    std::mutex timeMutex; // guards time between the test thread and the clock ticker
    QString date = QStringLiteral("09.12.2026");
    std::vector<int> sleeps;
    std::vector<PointerShape> pointers;
    int beeps = 0;
    bool menuEnabled = true;
    std::vector<bool> menuEnabledLog; // every setMenuEnabled call, in order
    std::map<int, bool> menuChecks;
    std::vector<QString> clockLabels;
    std::vector<QString> openedUrls;

    // Files live in a temporary working directory and go through the real file code.
    // failWrites makes every write fail for want of space; writeFault makes the stage it
    // names fail, for every file or only for writeFaultFile when that is set.
    QTemporaryDir workDir;
    bool failWrites = false;
    std::optional<WriteFault> writeFault;
    QString writeFaultFile;
    std::vector<QString> writtenFiles; // names of the files written successfully, in order
    QString path(const QString& name) const { return QDir(workDir.path()).filePath(name); }
    void copyDataFile(const QString& name); // from the repository's data/
    QString workingFolder() override { return workDir.path(); }

    // Calls made later (callLater): run by nextEvent and runDueCalls once the fake clock
    // has reached them.
    void callLater(int milliseconds, std::function<void()> call) override;
    void runDueCalls();
    std::vector<std::pair<double, std::function<void()>>> laterCalls;

    Event nextEvent() override;
    void waitNoMouseButton() override {}
    int messageBox(const QString& text, const QString& captions, int defaultButton,
                   MessageIcon icon) override;
    void runModal(QWidget* form, QPoint offset, const std::function<bool()>& done) override;
    // The clock ticker reads the time on its own thread while the play loop sleeps on the
    // user-interface thread: both go through timeMutex.
    double now() override {
        std::lock_guard<std::mutex> lock(timeMutex);
        return time;
    }
    QString dateText() override { return date; }
    void sleepMs(int milliseconds) override {
        sleeps.push_back(milliseconds);
        std::lock_guard<std::mutex> lock(timeMutex);
        time += milliseconds / 1000.0;
    }
    void setPointer(PointerShape shape) override { pointers.push_back(shape); }
    // Work run off the user-interface thread: counted, then run as the real platform runs it.
    int backgroundRuns = 0;
    void runInBackground(const std::function<void()>& work) override {
        ++backgroundRuns;
        Platform::runInBackground(work);
    }
    // Cancellable work: run as runInBackground runs it; cancelWork sets the cancel flag
    // first, as the "Abbrechen" button pressed at once would. The titles and the last
    // progress text of each run are kept.
    bool cancelWork = false;
    std::vector<QString> cancellableTitles, progressTexts;
    void runCancellable(const QString& title, const std::function<void()>& work,
                        std::atomic<bool>& cancel,
                        const std::function<QString()>& progressText) override {
        cancellableTitles.push_back(title);
        if (cancelWork) cancel = true;
        runInBackground(work);
        progressTexts.push_back(progressText());
    }
    // The clipboard's text, and the answers of the file dialog in order (none left or an
    // empty one: Cancel).
    QString clipboard;
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    std::deque<QString> chosenFiles;
    std::vector<QString> fileDialogs; // captions, in order
    QString chooseTextFile(const QString& caption) override {
        fileDialogs.push_back(caption);
        if (chosenFiles.empty()) return {};
        QString file = chosenFiles.front();
        chosenFiles.pop_front();
        return file;
    }
    void beep() override { ++beeps; }
    void setMenuEnabled(bool enabled) override {
        menuEnabled = enabled;
        menuEnabledLog.push_back(enabled);
    }
    void setMenuChecked(int id, bool checked) override { menuChecks[id] = checked; }
    void setClockLabel(const QString& text) override;
    QString clockLabel() const;
    QString filePath(const QString& name) override { return path(name); }
    WriteResult writeFile(const QString& name, const QByteArray& bytes) override;
    void openUrl(const QString& url) override { openedUrls.push_back(url); }

    // Printer: the default printer is the PDF file printFile in the working directory, at
    // 600 dpi on a page whose printable area is 4800 x 6600 pixels. Without a default
    // printer the selection dialog is counted and picks that file when printerDialogAccepts.
    bool hasDefaultPrinter = true;
    bool printerDialogAccepts = true;
    int printerDialogs = 0;
    QString offeredPrintFile; // the PDF file the last selection dialog was given to offer
    QString printFile = QStringLiteral("druck.pdf");
    bool useDefaultPrinter(QPrinter& printer) override;
    bool choosePrinter(QPrinter& printer) override;
    void preparePdfPrinter(QPrinter& printer) const;
    // The texts of the page printed last, from the journal of its own canvas.
    std::vector<Canvas::TextRecord> printedTexts;
    void pagePrinted(const Canvas& page) override { printedTexts = page.journal; }
    // The printed texts at exactly (x, y), newest last.
    std::vector<Canvas::TextRecord> printedTextsAt(int x, int y) const;

    // Help windows are recorded (by title), not shown.
    std::vector<QString> helpWindows;
    void showHelpWindow(QWidget* window) override;
    QWidget* mainWindow() override { return nullptr; }

  private:
    mutable std::mutex labelMutex;
};

// A fresh game drawing into a 1052 x 787 offscreen image, with the scripted platform.
struct TestWorld {
    explicit TestWorld(std::uint32_t seed = 1);
    QImage image;
    ScriptedPlatform platform;
    Canvas canvas;
    std::unique_ptr<Game> game;
    Game& g() { return *game; }
    QColor pixel(int x, int y) const { return image.pixelColor(x, y); }
};

// Colours of the colour table, for probing.
QColor colour(int index);
