// What the layers above call instead of the operating system: events, message boxes,
// modal forms, time, sleep, pointer shapes, files, the clock label and the web browser.
// QtPlatform (qt_platform.h) is the real one; tests/support has the scripted double.
#pragma once

#include "platform/colours.h"
#include "platform/fileio.h"

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>
#include <stdexcept>

class Canvas;
class QPrinter;
class QWidget;

// One window event, as the game loops see it.
struct Event {
    enum class Kind {
        None,
        Menu,
        KeyRelease,
        Char,
        LeftPress,
        RightPress,
        PointerMove,
        CloseRequest,
        WindowMinimised // the main window was minimised (a game in progress pauses)
    };
    Kind kind = Kind::None;
    int code = 0;      // menu id; key code (letters as capitals, Esc 27, Enter 13); character code
    int x = 0, y = 0;  // pointer position for presses and moves
    int modifiers = 0; // keys held with a key event: a sum of the Modifier bits below

    enum Modifier { Shift = 1, Ctrl = 2, Alt = 4 };
    bool ctrl() const { return (modifiers & Ctrl) != 0; }
    bool alt() const { return (modifiers & Alt) != 0; }
    bool shift() const { return (modifiers & Shift) != 0; }
};

// Key codes of the key events that are not letters or digits (letters are their capitals,
// digits their characters).
constexpr int kKeyBackspace = 8;
constexpr int kKeyTab = 9;
constexpr int kKeyEnter = 13;
constexpr int kKeyEsc = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyPageUp = 33;
constexpr int kKeyPageDown = 34;
constexpr int kKeyEnd = 35;
constexpr int kKeyHome = 36;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
constexpr int kKeyInsert = 45;
constexpr int kKeyDelete = 46;
constexpr int kKeyF1 = 112;

// The backups of a file: "name.bak", then "name.bak2" .. "name.bak99".
constexpr int kBackupNames = 99;
QString backupFileName(const QString& name, int number);

enum class MessageIcon { None, Information, Question, Warning, Critical };
enum class PointerShape { Arrow, Hourglass };

// A form property: the form finishes its input before the main window's close box acts.
constexpr const char* kWaitsOnCloseProperty = "waitsOnClose";

// Thrown when the player confirmed "Spiel beenden?": unwinds any game loop up to the
// top-level handler, which ends the program with status 0.
struct QuitRequested {};

// A scripted test double ran out of events: the test fails instead of waiting.
struct ScriptRanDry : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // Events: the next window event; waits for one (the scripted double throws when dry).
    virtual Event nextEvent() = 0;
    virtual void waitNoMouseButton() = 0;

    // Modal message box: "|"-separated captions with "&" access keys; defaultButton and
    // the result count from 1.
    virtual int messageBox(const QString& text, const QString& captions, int defaultButton,
                           MessageIcon icon) = 0;
    // A warning the player only acknowledges: the text with one "OK" button.
    void warning(const QString& text) {
        messageBox(text, QStringLiteral("OK"), 1, MessageIcon::Warning);
    }
    // A question whose answers must be chosen on purpose: as messageBox, but Esc and the
    // close box answer 0, and a letter alone chooses nothing (access keys need Alt).
    virtual int deliberateMessageBox(const QString& text, const QString& captions,
                                     int defaultButton, MessageIcon icon) {
        return messageBox(text, captions, defaultButton, icon);
    }

    // Runs `call` on the user-interface thread once `milliseconds` have passed, at the
    // next moment the game waits for an event (in a game loop or idle), never in the
    // middle of a command's work.
    virtual void callLater(int milliseconds, std::function<void()> call) = 0;

    // Runs a form modally: the main window is disabled, the form is shown with its top-left
    // corner at the main window's top-left plus offset, and events are processed until
    // done() is true or the main window is gone. The main window is enabled and activated
    // again afterwards. The scripted double hands the form to the test instead.
    // The main window's close box ends the wait (the form closes, the quit question follows)
    // unless the form carries the property kWaitsOnCloseProperty set to true.
    virtual void runModal(QWidget* form, QPoint offset, const std::function<bool()>& done) = 0;

    // Time: monotonic seconds with fractions; today's date as a short text.
    virtual double now() = 0;
    virtual QString dateText() = 0;
    virtual void sleepMs(int milliseconds) = 0;
    virtual void setPointer(PointerShape shape) = 0;
    virtual void beep() = 0;

    // Menu bar: enable or disable the whole bar; check marks.
    virtual void setMenuEnabled(bool enabled) = 0;
    virtual void setMenuChecked(int id, bool checked) = 0;

    // The clock label `uhr`; safe to call from any thread (the text reaches the widget on
    // the user-interface thread).
    virtual void setClockLabel(const QString& text) = 0;
    // The screen's colours (platform/colours.h) for the widgets the window shows beside the
    // drawing: the clock label in paper and ink; with `ownPalette` the window's widgets in a
    // palette made from the table, else in the desktop's.
    virtual void setWidgetColours(const ColourTable& table, bool ownPalette) {
        (void)table, (void)ownPalette;
    }

    // Files, named relative to the working directory; filePath gives the path to open
    // (the defaults in platform.cpp work on it). Reads refuse pipes, devices, folders and
    // files above maxSize; writes are atomic: a failed or interrupted write leaves the old
    // file as it was. Every failure comes with a German reason.
    virtual QString filePath(const QString& name) = 0;
    virtual bool fileExists(const QString& name);
    virtual ReadResult readFile(const QString& name, qint64 maxSize = kDefaultReadLimit);
    virtual WriteResult writeFile(const QString& name, const QByteArray& bytes);
    // Renames a file; never replaces an existing one.
    virtual WriteResult renameFile(const QString& from, const QString& to);
    // Removes a file; true when it is gone (also when it was never there).
    virtual bool removeFile(const QString& name);
    // A free name for a backup of `name` (backupFileName 1..kBackupNames), so an older
    // backup is never replaced; empty when all are taken.
    QString backupName(const QString& name);
    // Writes `bytes` as a new backup of `name` / moves `name` itself aside as one; `backup`
    // receives the name used.
    WriteResult writeBackup(const QString& name, const QByteArray& bytes, QString& backup);
    WriteResult moveAside(const QString& name, QString& backup);
    // The folder the file names above are relative to, for messages (default: the working
    // directory).
    virtual QString workingFolder();

    // Runs work on a worker thread and returns when it has finished. Meanwhile the
    // user-interface thread keeps the window alive: it paints, and input goes into the
    // event queue for the game loop to read afterwards; the pointer shows the hourglass.
    // work must not touch the window or anything the user-interface thread changes. The
    // default (used by the test doubles) starts the thread and waits for it.
    virtual void runInBackground(const std::function<void()>& work);

    // Runs work as runInBackground does, beside a small window titled `title` that shows
    // progressText() (asked a few times a second) and an "Abbrechen" button. The button,
    // Esc, that window's close box and the main window's close box set cancel; work looks
    // at it and ends soon after. Input given to the main window meanwhile is dropped, except
    // its close box, which the command's end then answers. The default (used by the test
    // doubles) runs work as runInBackground does.
    virtual void runCancellable(const QString& title, const std::function<void()>& work,
                                std::atomic<bool>& cancel,
                                const std::function<QString()>& progressText);

    // Today's date as yyyymmdd, the day dateText names (the default reads dateText).
    virtual int dateNumber();

    // The clipboard's text (empty when it holds none) and putting a text there.
    virtual QString clipboardText();
    virtual void setClipboardText(const QString& text);
    // The file dialog for opening a text file, starting in the working folder; the chosen
    // file's path, empty on Cancel.
    virtual QString chooseTextFile(const QString& caption);

    // Opens a web address in the browser.
    virtual void openUrl(const QString& url) = 0;

    // Printer (defaults in platform.cpp). useDefaultPrinter directs `printer` to the
    // system's default printer and returns false when there is none; choosePrinter shows
    // the printer-selection dialog (which also offers printing into a PDF file) and
    // returns false on Cancel. The dialog offers printDialogFile() for printing into a file.
    virtual bool useDefaultPrinter(QPrinter& printer);
    virtual bool choosePrinter(QPrinter& printer);
    // The page just printed, drawn on a canvas of its own whose journal names every text
    // on it: the test platform keeps those texts, the game's own platform has no use for it.
    virtual void pagePrinted(const Canvas& page) { (void)page; }

    // Shows a help window (a top-level window of its own that the game keeps open beside
    // the board) and brings it to the front.
    virtual void showHelpWindow(QWidget* window);

    // The main window, as parent and anchor of forms (nullptr in pure tests).
    virtual QWidget* mainWindow() = 0;
};

// The PDF file the printer-selection dialog offers: "Quintor-Brett.pdf" in the player's
// documents folder (made when missing), not in the home folder's root.
QString printDialogFile();
