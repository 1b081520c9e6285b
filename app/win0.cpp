// The main window Win_0 and its drawing area. Qt event handlers here never let an
// exception through: the quit question's QuitRequested is caught at this level and ends
// the program with status 0.
#include "app/win0.h"

#include "app/game.h"
#include "app/menu.h"
#include "platform/qt_platform.h"
#include "play/playloop.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <cmath>
#include <cstdio>

QPoint startPosition(int screenWidth, int screenHeight) {
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    const int x = static_cast<int>(std::nearbyint((screenWidth - kWindowWidth) / 2.0));
    int y = static_cast<int>(std::nearbyint((screenHeight - kWindowHeight) / 2.0 - 32));
    if (y < 0) y = 0;
    return {x, y};
}

int gameKeyCode(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // capitals and digits are their own codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Escape:
        return kKeyEsc;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyEnter;
    case Qt::Key_Backspace:
        return kKeyBackspace;
    case Qt::Key_Tab:
        return kKeyTab;
    case Qt::Key_Space:
        return kKeySpace;
    case Qt::Key_PageUp:
        return kKeyPageUp;
    case Qt::Key_PageDown:
        return kKeyPageDown;
    case Qt::Key_End:
        return kKeyEnd;
    case Qt::Key_Home:
        return kKeyHome;
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Down:
        return kKeyDown;
    case Qt::Key_Insert:
        return kKeyInsert;
    case Qt::Key_Delete:
        return kKeyDelete;
    default:
        return 0;
    }
}

int gameModifiers(Qt::KeyboardModifiers m) {
    int bits = 0;
    if (m & Qt::ShiftModifier) bits |= Event::Shift;
    if (m & Qt::ControlModifier) bits |= Event::Ctrl;
    if (m & Qt::AltModifier) bits |= Event::Alt;
    return bits;
}

// The client area below the menu bar: shows the back buffer and reports the pointer.
class DrawingArea : public QWidget {
  public:
    explicit DrawingArea(Win_0* window) : QWidget(window), window_(window) {
        setFixedSize(kClientWidth, kClientHeight);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QImage& buffer = window_->backBuffer();
        const QRect r = event->rect();
        const qreal ratio = buffer.devicePixelRatio();
        painter.drawImage(
            r, buffer, QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
        // Start-up measurement (bench/startup_memory.sh): end once the first screen is painted.
        if (!firstPaintDone_ && qEnvironmentVariableIsSet("QUINTOR_EXIT_AFTER_FIRST_PAINT"))
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        firstPaintDone_ = true;
    }
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint p = event->position().toPoint();
        if (event->button() == Qt::LeftButton)
            window_->pointerEvent(static_cast<int>(Event::Kind::LeftPress), p.x(), p.y());
        else if (event->button() == Qt::RightButton)
            window_->pointerEvent(static_cast<int>(Event::Kind::RightPress), p.x(), p.y());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        const QPoint p = event->position().toPoint();
        window_->pointerEvent(static_cast<int>(Event::Kind::PointerMove), p.x(), p.y());
    }

  private:
    bool firstPaintDone_ = false;
    Win_0* window_;
};

Win_0::Win_0(QtPlatform& platform) : platform_(platform) {
    setObjectName(QStringLiteral("Win_0"));
    setWindowTitle(QStringLiteral("Quintor XP V6.0 by Velmo"));
    auto* area = new DrawingArea(this);
    area_ = area;
    setCentralWidget(area_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    const qreal ratio = devicePixelRatioF();
    backBuffer_ = QImage(QSize(kClientWidth, kClientHeight) * ratio, QImage::Format_RGB32);
    backBuffer_.setDevicePixelRatio(ratio);
    backBuffer_.fill(Qt::white);
    platform_.setMainWindow(this);
    area_->setFocus();
}

Win_0::~Win_0() = default;

void Win_0::showChanged(const QRect& rect) {
    area_->update(rect);
}

void Win_0::placeFrameAt(QPoint position) {
    framePosition_ = position;
    move(position);
    // Until the window manager has framed the window, Qt may have put the client area at
    // the point. Look for the frame for two seconds after showing (none without a window
    // manager), then move the frame's corner to the point once.
    placementChecks_ = 40;
    auto* timer = new QTimer(this);
    timer->setInterval(50);
    connect(timer, &QTimer::timeout, this, [this, timer] {
        if (!isVisible()) return;
        const bool framed = frameGeometry() != geometry();
        if (framed && frameGeometry().topLeft() != framePosition_) move(framePosition_);
        if (framed || --placementChecks_ <= 0) timer->deleteLater();
    });
    timer->start();
}

void Win_0::buildMenuBar() {
    std::vector<MenuItem> bar;
    if (!parseMenuTable(menuItemTable(), bar))
        throw std::runtime_error("the menu item table is malformed");
    QMenuBar* menuBar = ::buildMenuBar(bar, this, [this](int id, QAction* action) {
        platform_.addMenuAction(id, action);
        // Queued, so the menu has closed before a long command (a whole game) runs.
        connect(action, &QAction::triggered, this, [this, id] {
            QMetaObject::invokeMethod(
                this, [this, id] { runMenuCommand(id); }, Qt::QueuedConnection);
        });
    });
    setMenuBar(menuBar); // replaces and destroys any earlier bar
    platform_.setMenuBar(menuBar);
}

QLabel* Win_0::createClockLabel() {
    auto* uhr = new QLabel(QStringLiteral(" 99:99:99"), area_);
    uhr->setObjectName(QStringLiteral("uhr"));
    uhr->setGeometry(804, 662, 160, 30);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(24);
    uhr->setFont(font);
    uhr->setAutoFillBackground(true);
    QPalette palette = uhr->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    uhr->setPalette(palette);
    uhr->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    uhr->show();
    platform_.setClockLabelWidget(uhr);
    return uhr;
}

void Win_0::runMenuCommand(int id) {
    if (game_ == nullptr || quitting_) return;
    if (commandRunning_) {
        platform_.pushEvent({Event::Kind::Menu, id, 0, 0});
        return;
    }
    commandRunning_ = true;
    keysDown_.clear();
    platform_.clearEvents();
    try {
        Win_0_MenuEvent(*game_, id);
    } catch (const QuitRequested&) {
        commandRunning_ = false;
        quitProgram(0);
        return;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quintor: %s\n", e.what());
        commandRunning_ = false;
        quitProgram(1);
        return;
    }
    commandRunning_ = false;
    // The idle state has no handler for what a game loop left unread.
    platform_.clearEvents();
}

void Win_0::quitProgram(int status) {
    quitting_ = true;
    hide();
    if (endProgram) endProgram(status);
}

void Win_0::closeEvent(QCloseEvent* event) {
    if (quitting_ || game_ == nullptr) {
        event->accept();
        return;
    }
    // The window never closes by itself: the quit question decides.
    event->ignore();
    if (commandRunning_) {
        platform_.pushEvent({Event::Kind::CloseRequest, 0, 0, 0});
        return;
    }
    try {
        Win_0_Close(*game_);
    } catch (const QuitRequested&) {
        event->accept();
        quitProgram(0);
    }
}

void Win_0::keyPressEvent(QKeyEvent* event) {
    if (!commandRunning_) return;
    const int modifiers = gameModifiers(event->modifiers());
    keysDown_[event->key()] |= modifiers;
    if (event->key() == Qt::Key_Escape) {
        platform_.pushEvent({Event::Kind::Char, kKeyEsc, 0, 0, modifiers});
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        platform_.pushEvent({Event::Kind::Char, kKeyEnter, 0, 0, modifiers});
    } else {
        for (QChar c : event->text())
            if (c.unicode() >= 32 || c.unicode() == kKeyBackspace)
                platform_.pushEvent({Event::Kind::Char, c.unicode(), 0, 0, modifiers});
    }
}

void Win_0::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || !commandRunning_) return;
    const auto down = keysDown_.find(event->key());
    if (down == keysDown_.end()) return; // pressed before the command began
    const int modifiers = down->second | gameModifiers(event->modifiers());
    keysDown_.erase(down);
    platform_.pushEvent({Event::Kind::KeyRelease, gameKeyCode(event->key()), 0, 0, modifiers});
}

void Win_0::pointerEvent(int kind, int x, int y) {
    const auto k = static_cast<Event::Kind>(kind);
    if (commandRunning_) {
        platform_.pushEvent({k, 0, x, y});
        return;
    }
    // Idle: the mouse-move handler keeps the pointer position.
    if (k != Event::Kind::PointerMove || game_ == nullptr) return;
    try {
        Win_0_MouseMove(*game_, static_cast<int>(QGuiApplication::mouseButtons()), 0,
                        static_cast<float>(x), static_cast<float>(y));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quintor: %s\n", e.what());
    }
}
