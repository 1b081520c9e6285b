// The real platform on Qt: an event queue fed by the main window, message boxes, modal
// forms, the monotonic clock, pointer shapes, the menu bar's state, the clock label and
// files in the working directory. Created by main; the main window feeds it.
#pragma once

#include "platform/platform.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QPalette>
#include <QPointer>

#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <vector>

class QLabel;

class QtPlatform : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override; // gives the program the desktop's palette back

    // Wiring done once by start-up.
    void setMainWindow(QWidget* window) { window_ = window; }
    void setMenuBar(QMenuBar* menuBar) { menuBar_ = menuBar; }
    void addMenuAction(int id, QAction* action) { actions_[id] = action; }
    void setClockLabelWidget(QLabel* label) { uhr_ = label; }
    // The main window's view scale: dialogs open at their offsets times the scale.
    void setViewScale(qreal scale) { viewScale_ = scale; }

    // The main window appends its converted Qt events here while a game loop reads them.
    void pushEvent(const Event& event) { queue_.push_back(event); }
    void clearEvents() { queue_.clear(); }
    bool hasEvents() const { return !queue_.empty(); }
    // The main window's close box was used while a command ran and no loop has read it yet.
    bool closeRequested() const;

    // Set by the main window while a menu command runs: calls due meanwhile wait for the
    // command's next event or its end.
    void setCommandRunning(bool running) { commandRunning_ = running; }
    // Runs the calls that are due (callLater).
    void runDueCalls();

    Event nextEvent() override;
    void waitNoMouseButton() override;
    int messageBox(const QString& text, const QString& captions, int defaultButton,
                   MessageIcon icon) override;
    int deliberateMessageBox(const QString& text, const QString& captions, int defaultButton,
                             MessageIcon icon) override;
    void callLater(int milliseconds, std::function<void()> call) override;
    void runModal(QWidget* form, QPoint offset, const std::function<bool()>& done) override;
    double now() override;
    QString dateText() override;
    void sleepMs(int milliseconds) override;
    void setPointer(PointerShape shape) override;
    void beep() override;
    void setMenuEnabled(bool enabled) override;
    void setMenuChecked(int id, bool checked) override;
    void setClockLabel(const QString& text) override;
    void setWidgetColours(const ColourTable& table, bool ownPalette) override;
    QString filePath(const QString& name) override { return name; } // the working directory
    void runInBackground(const std::function<void()>& work) override;
    void runCancellable(const QString& title, const std::function<void()>& work,
                        std::atomic<bool>& cancel,
                        const std::function<QString()>& progressText) override;
    void openUrl(const QString& url) override;
    QWidget* mainWindow() override { return window_; }

  private:
    bool windowGone() const;

    int showMessageBox(const QString& text, const QString& captions, int defaultButton,
                       MessageIcon icon, bool deliberate);

    std::deque<Event> queue_;
    std::vector<std::function<void()>> dueCalls_;
    QObject timerContext_;
    bool commandRunning_ = false;
    QPointer<QWidget> window_;
    QPointer<QMenuBar> menuBar_;
    std::map<int, QPointer<QAction>> actions_;
    QLabel* uhr_ = nullptr; // lives as long as the main window, which outlives the ticker
    // Clock label texts are numbered as they are set; a text queued by the ticker that
    // arrives after a newer one (set directly on the user-interface thread) is dropped.
    std::atomic<unsigned> labelSequence_{0};
    unsigned labelShown_ = 0; // user-interface thread only
    QElapsedTimer clock_;
    qreal viewScale_ = 1.0;
    bool ownPalette_ = false; // the window's widgets carry a palette of the screen's colours
    QPalette desktopPalette_; // the program's palette before it took the screen's colours
};
