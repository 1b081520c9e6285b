// The Qt implementation of the platform. Everything here runs on the user-interface
// thread except setClockLabel, which the clock ticker calls from its own thread.
#include "platform/qt_platform.h"
#include "platform/texts.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <QUrl>

#include <algorithm>
#include <thread>

QtPlatform::QtPlatform() {
    clock_.start();
}

QtPlatform::~QtPlatform() {
    if (ownPalette_) QApplication::setPalette(desktopPalette_);
}

bool QtPlatform::windowGone() const {
    return window_.isNull() || !window_->isVisible();
}

bool QtPlatform::closeRequested() const {
    return std::any_of(queue_.begin(), queue_.end(),
                       [](const Event& e) { return e.kind == Event::Kind::CloseRequest; });
}

void QtPlatform::callLater(int milliseconds, std::function<void()> call) {
    // Timed on an object of this platform's own: a call never outlives the platform.
    QTimer::singleShot(std::max(0, milliseconds), &timerContext_, [this, call = std::move(call)] {
        dueCalls_.push_back(call);
        if (!commandRunning_) runDueCalls();
    });
}

void QtPlatform::runDueCalls() {
    std::vector<std::function<void()>> calls;
    calls.swap(dueCalls_);
    for (const auto& call : calls) call();
}

Event QtPlatform::nextEvent() {
    for (;;) {
        runDueCalls();
        if (!queue_.empty()) break;
        // The window closed under a running game: leave every loop, the program ends.
        if (windowGone()) throw QuitRequested{};
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    }
    Event e = queue_.front();
    queue_.pop_front();
    return e;
}

void QtPlatform::waitNoMouseButton() {
    while (QGuiApplication::mouseButtons() != Qt::NoButton && !windowGone())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
}

int QtPlatform::messageBox(const QString& text, const QString& captions, int defaultButton,
                           MessageIcon icon) {
    return showMessageBox(text, captions, defaultButton, icon, false);
}

int QtPlatform::deliberateMessageBox(const QString& text, const QString& captions,
                                     int defaultButton, MessageIcon icon) {
    return showMessageBox(text, captions, defaultButton, icon, true);
}

namespace {
// Lets a letter key through to a message box only with Alt: QMessageBox takes a plain
// letter as the access key of the button that carries it.
class PlainLetterFilter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z &&
                !(key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

int QtPlatform::showMessageBox(const QString& text, const QString& captions, int defaultButton,
                               MessageIcon icon, bool deliberate) {
    static const std::map<MessageIcon, QMessageBox::Icon> icons = {
        {MessageIcon::None, QMessageBox::NoIcon},
        {MessageIcon::Information, QMessageBox::Information},
        {MessageIcon::Question, QMessageBox::Question},
        {MessageIcon::Warning, QMessageBox::Warning},
        {MessageIcon::Critical, QMessageBox::Critical}};
    QMessageBox box(icons.at(icon), window_ ? window_->windowTitle() : QString(), text,
                    QMessageBox::NoButton, window_);
    std::vector<QPushButton*> buttons;
    for (const QString& caption : captions.split(QLatin1Char('|')))
        buttons.push_back(box.addButton(caption, QMessageBox::AcceptRole));
    if (defaultButton >= 1 && defaultButton <= static_cast<int>(buttons.size()))
        box.setDefaultButton(buttons[static_cast<size_t>(defaultButton - 1)]);
    PlainLetterFilter letters;
    if (deliberate) {
        // Esc and the close box choose none of the answers.
        QPushButton* dismiss = box.addButton(AppTexts::tr("Abbrechen"), QMessageBox::RejectRole);
        dismiss->hide();
        box.setEscapeButton(dismiss);
        box.installEventFilter(&letters);
        for (QPushButton* button : buttons) button->installEventFilter(&letters);
    } else {
        // Esc answers with the last button, the "no" or "cancel" of every question here.
        box.setEscapeButton(buttons.back());
    }
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return static_cast<int>(i) + 1;
    return deliberate ? 0 : static_cast<int>(buttons.size());
}

void QtPlatform::runModal(QWidget* form, QPoint offset, const std::function<bool()>& done) {
    if (form == nullptr) return;
    QWidget* window = window_;
    if (window != nullptr) {
        window->setEnabled(false);
        if (form->parentWidget() == nullptr) form->setParent(window, Qt::Dialog);
        // The offset is one of the picture, so it scales with it; the dialog is no larger
        // than the screen's free area.
        const QPoint position = window->frameGeometry().topLeft() + offset * viewScale_;
        if (const QScreen* screen = window->screen())
            form->resize(form->size().boundedTo(screen->availableGeometry().size()));
        form->move(position);
    }
    form->setEnabled(true);
    form->show();
    form->raise();
    form->activateWindow();
    // The main window's close box closes the form too, unless the form holds input of the
    // player's own (kWaitsOnCloseProperty); the request stays queued for the game loop or
    // the command's end, which ask the quit question.
    const bool closesWithWindow = !form->property(kWaitsOnCloseProperty).toBool();
    while (!done() && !windowGone() && form->isVisible() && !(closesWithWindow && closeRequested()))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    form->hide();
    if (!window_.isNull()) {
        window_->setEnabled(true);
        window_->raise();
        window_->activateWindow();
    }
}

double QtPlatform::now() {
    return static_cast<double>(clock_.nsecsElapsed()) / 1e9;
}

QString QtPlatform::dateText() {
    return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

void QtPlatform::sleepMs(int milliseconds) {
    // Show what was drawn just before the pause (a pressed button) while it lasts.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(static_cast<unsigned long>(std::max(0, milliseconds)));
}

void QtPlatform::setPointer(PointerShape shape) {
    if (window_.isNull()) return;
    window_->setCursor(shape == PointerShape::Hourglass ? Qt::WaitCursor : Qt::ArrowCursor);
    if (shape == PointerShape::Hourglass)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPlatform::runInBackground(const std::function<void()>& work) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    std::thread worker([&work, &loop] {
        work();
        // Ends the loop below on the user-interface thread; a call queued before exec
        // starts waits for it, so an early finish is not missed.
        QMetaObject::invokeMethod(
            &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    QApplication::restoreOverrideCursor();
}

namespace {
// The window beside long work: its progress and a cancel button. Esc and its close box
// cancel as the button does; the window stays until the work has ended.
class ProgressWindow : public QDialog {
  public:
    ProgressWindow(QWidget* parent, const QString& title, std::atomic<bool>& cancel)
        : QDialog(parent), cancel_(cancel) {
        setObjectName(QStringLiteral("wart"));
        setWindowTitle(title);
        if (parent) setWindowIcon(parent->windowIcon());
        auto* layout = new QVBoxLayout(this);
        label = new QLabel(this);
        label->setObjectName(QStringLiteral("lbl1"));
        label->setMinimumWidth(260);
        layout->addWidget(label);
        button = new QPushButton(AppTexts::tr("Abbrechen"), this);
        button->setObjectName(QStringLiteral("cmd1"));
        connect(button, &QPushButton::clicked, this, [this] { cancelWork(); });
        layout->addWidget(button, 0, Qt::AlignHCenter);
    }
    void cancelWork() {
        cancel_ = true;
        button->setEnabled(false);
        label->setText(AppTexts::tr("Wird abgebrochen …"));
    }
    QLabel* label = nullptr;

  protected:
    void reject() override { cancelWork(); }
    void closeEvent(QCloseEvent* event) override {
        cancelWork();
        event->ignore(); // it closes when the work has ended
    }

  private:
    std::atomic<bool>& cancel_;
    QPushButton* button = nullptr;
};
} // namespace

void QtPlatform::runCancellable(const QString& title, const std::function<void()>& work,
                                std::atomic<bool>& cancel,
                                const std::function<QString()>& progressText) {
    QWidget* window = window_;
    ProgressWindow progress(window, title, cancel);
    if (window != nullptr) {
        progress.setWindowFlag(Qt::Dialog);
        progress.adjustSize();
        progress.move(window->frameGeometry().center() - progress.rect().center());
    }
    const auto refresh = [&] {
        if (!cancel) progress.label->setText(progressText());
        // The main window's close box: the work stops, the command's end asks the question.
        if (closeRequested()) progress.cancelWork();
    };
    refresh();
    progress.show();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &progress, refresh);
    timer.start(150);
    runInBackground(work);
    timer.stop();
    progress.hide();
    if (!window_.isNull()) {
        window_->raise();
        window_->activateWindow();
    }
    // Clicks and keys given while the work ran were meant for the board before it.
    const bool closePending = closeRequested();
    queue_.clear();
    if (closePending) queue_.push_back({Event::Kind::CloseRequest, 0, 0, 0});
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::setMenuEnabled(bool enabled) {
    if (!menuBar_.isNull()) menuBar_->setEnabled(enabled);
}

void QtPlatform::setMenuChecked(int id, bool checked) {
    const auto it = actions_.find(id);
    if (it == actions_.end() || it->second.isNull()) return;
    if (checked) it->second->setCheckable(true);
    it->second->setChecked(checked);
}

void QtPlatform::setClockLabel(const QString& text) {
    QLabel* label = uhr_;
    if (label == nullptr) return;
    const unsigned sequence = ++labelSequence_;
    if (QThread::currentThread() == label->thread()) {
        labelShown_ = sequence;
        label->setText(text);
        return;
    }
    // From the ticker: the text reaches the widget on the user-interface thread, unless a
    // newer text (the final time, the stopped clock) was set there meanwhile.
    QMetaObject::invokeMethod(
        label,
        [this, label, text, sequence] {
            if (sequence < labelShown_) return;
            labelShown_ = sequence;
            label->setText(text);
        },
        Qt::QueuedConnection);
}

namespace {

QColor halfway(const QColor& a, const QColor& b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

// A widget palette in the screen's colours: the window's background, paper and ink.
QPalette paletteOf(const ColourTable& table) {
    const auto at = [&table](Colour c) { return table[colourIndex(c)]; };
    const QColor window = at(Colour::WindowBackground), paper = at(Colour::White),
                 ink = at(Colour::Black);
    QPalette p(ink, window, at(Colour::FrameLight), at(Colour::DarkGrey),
               halfway(window, at(Colour::DarkGrey)), ink, ink, paper, window);
    p.setColor(QPalette::AlternateBase, at(Colour::LightGrey));
    p.setColor(QPalette::Highlight, at(Colour::Blue));
    p.setColor(QPalette::HighlightedText, paper);
    p.setColor(QPalette::ToolTipBase, paper);
    p.setColor(QPalette::ToolTipText, ink);
    p.setColor(QPalette::Link, at(Colour::Blue));
    p.setColor(QPalette::PlaceholderText, halfway(ink, paper));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, halfway(ink, window));
    return p;
}

} // namespace

void QtPlatform::setWidgetColours(const ColourTable& table, bool ownPalette) {
    if (uhr_ != nullptr) {
        QPalette palette = uhr_->palette();
        palette.setColor(QPalette::Window, table[colourIndex(Colour::White)]);
        palette.setColor(QPalette::WindowText, table[colourIndex(Colour::Black)]);
        uhr_->setPalette(palette);
    }
    // The program's palette too, so that the drop-down menus, the dialogs, the message boxes
    // and the manual, which are windows of their own, turn dark with the window.
    if (ownPalette) {
        if (!ownPalette_) desktopPalette_ = QApplication::palette();
        QApplication::setPalette(paletteOf(table));
    } else if (ownPalette_) {
        QApplication::setPalette(desktopPalette_); // the desktop's again
    }
    const bool hadOwnPalette = ownPalette_;
    ownPalette_ = ownPalette;
    if (window_.isNull()) return;
    // The window's own at once too: the program's palette reaches it only with the events
    // that follow.
    if (ownPalette)
        window_->setPalette(paletteOf(table));
    else if (hadOwnPalette)
        window_->setPalette(QPalette());
    // The letterbox around the picture is painted in the window background.
    window_->update();
    for (QWidget* child : window_->findChildren<QWidget*>()) child->update();
}

void QtPlatform::openUrl(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}
