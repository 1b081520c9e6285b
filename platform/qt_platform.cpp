// The Qt implementation of the platform. Everything here runs on the user-interface
// thread except setClockLabel, which the clock ticker calls from its own thread.
#include "platform/qt_platform.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QEventLoop>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QUrl>

QtPlatform::QtPlatform() {
    clock_.start();
}

bool QtPlatform::windowGone() const {
    return window_.isNull() || !window_->isVisible();
}

Event QtPlatform::nextEvent() {
    while (queue_.empty()) {
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
    // Esc answers with the last button, the "no" or "cancel" of every question here.
    box.setEscapeButton(buttons.back());
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return static_cast<int>(i) + 1;
    return static_cast<int>(buttons.size());
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
    while (!done() && !windowGone() && form->isVisible())
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

void QtPlatform::openUrl(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}
