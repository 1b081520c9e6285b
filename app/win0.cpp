// The main window Win_0 and its drawing area. Qt event handlers here never let an
// exception through: the quit question's QuitRequested is caught at this level and ends
// the program with status 0.
#include "app/win0.h"

#include "app/accessible.h"
#include "app/colours.h"
#include "session/game.h"
#include "app/menu.h"
#include "platform/canvas.h"
#include "platform/qt_platform.h"
#include "play/events.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#include <QStyleHints>
#endif
#include <QTimer>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdio>

QPoint startPosition(int screenWidth, int screenHeight) {
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    const int x = static_cast<int>(std::nearbyint((screenWidth - kWindowWidth) / 2.0));
    int y = static_cast<int>(std::nearbyint((screenHeight - kWindowHeight) / 2.0 - 32));
    if (y < 0) y = 0;
    return {x, y};
}

StartLayout startLayout(const QRect& available, QSize decoration) {
    const qreal fitWidth = (available.width() - decoration.width()) / qreal(kClientWidth);
    const qreal fitHeight = (available.height() - decoration.height()) / qreal(kClientHeight);
    qreal scale = std::min({1.0, fitWidth, fitHeight});
    scale = std::max(kMinimumViewScale, std::floor(scale * 1000) / 1000);
    const int outerWidth = qCeil(kClientWidth * scale) + decoration.width();
    const int outerHeight = qCeil(kClientHeight * scale) + decoration.height();
    QPoint p =
        scale == 1.0
            ? startPosition(available.width(), available.height())
            : QPoint(
                  static_cast<int>(std::nearbyint((available.width() - outerWidth) / 2.0)),
                  static_cast<int>(std::nearbyint((available.height() - outerHeight) / 2.0 - 32)));
    // The whole window stays on the area where it fits; the title bar always does.
    p.setX(std::max(0, std::min(p.x(), available.width() - outerWidth)));
    p.setY(std::max(0, std::min(p.y(), available.height() - outerHeight)));
    return {scale, available.topLeft() + p};
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

// The client area below the menu bar: shows the back buffer, letterboxed, and reports the
// pointer in picture coordinates.
class DrawingArea : public QWidget {
  public:
    explicit DrawingArea(Win_0* window) : QWidget(window), window_(window) {
        setMinimumSize(qCeil(kClientWidth * kMinimumViewScale),
                       qCeil(kClientHeight * kMinimumViewScale));
        resize(kClientWidth, kClientHeight);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QSize sizeHint() const override { return preferred_; }
    QSize preferred_{kClientWidth, kClientHeight};

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QImage& buffer = window_->backBuffer();
        const qreal ratio = buffer.devicePixelRatio();
        const QRectF picture(window_->origin_, QSizeF(buffer.size()) / ratio);
        // Letterbox: the area around the picture in the background colour 12.
        const QRegion outside = QRegion(event->rect()) - QRegion(picture.toAlignedRect());
        for (const QRect& r : outside) painter.fillRect(r, window_->backgroundColour());
        const QRectF r = QRectF(event->rect()) & picture;
        if (!r.isEmpty()) {
            const QRectF source((r.x() - picture.x()) * ratio, (r.y() - picture.y()) * ratio,
                                r.width() * ratio, r.height() * ratio);
            painter.drawImage(r, buffer, source);
        }
        // Start-up measurement (bench/startup_memory.sh): end once the first screen is painted.
        if (!firstPaintDone_ && qEnvironmentVariableIsSet("QUINTOR_EXIT_AFTER_FIRST_PAINT"))
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        firstPaintDone_ = true;
    }
    void resizeEvent(QResizeEvent*) override { window_->fitPictureToArea(); }
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint p = window_->toPicture(event->position());
        // A press on the letterbox is no press on the picture.
        if (!QRect(0, 0, kClientWidth, kClientHeight).contains(p)) return;
        if (event->button() == Qt::LeftButton)
            window_->pointerEvent(static_cast<int>(Event::Kind::LeftPress), p.x(), p.y());
        else if (event->button() == Qt::RightButton)
            window_->pointerEvent(static_cast<int>(Event::Kind::RightPress), p.x(), p.y());
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        const QPoint p = window_->toPicture(event->position());
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
    const qreal ratio = devicePixelRatioF();
    backBuffer_ = QImage(QSize(kClientWidth, kClientHeight) * ratio, QImage::Format_RGB32);
    backBuffer_.setDevicePixelRatio(ratio);
    backBuffer_.fill(Qt::white);
    platform_.setMainWindow(this);
    area_->setFocus();
    setViewScale(1.0); // the window's size: the picture at scale 1 below the menu bar
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this,
            [this] { followDesktopColours(); });
#endif
}

Win_0::~Win_0() = default;

void Win_0::attachCanvas(Canvas& canvas) {
    canvas_ = &canvas;
    canvas.setDevice(&backBuffer_);
    canvas.setViewScale(scale_);
    canvas.setRecording(true);
    canvas.changed = [this](QRect r) { showChanged(r); };
}

void Win_0::setGame(Game* game) {
    game_ = game;
    attachAccessibleBoard(area_, game, [this](const QRect& r) {
        return QRectF(origin_ + QPointF(r.topLeft()) * scale_, QSizeF(r.size()) * scale_)
            .toAlignedRect();
    });
}

void Win_0::showChanged(const QRect& rect) {
    accessibleBoardChanged(area_); // nothing while no assistive technology is active
    if (scale_ == 1.0 && origin_.isNull()) {
        area_->update(rect);
        return;
    }
    const QRectF onArea(origin_ + QPointF(rect.topLeft()) * scale_, QSizeF(rect.size()) * scale_);
    area_->update(onArea.toAlignedRect().adjusted(-1, -1, 1, 1));
}

QPoint Win_0::toPicture(QPointF p) const {
    return {static_cast<int>(std::floor((p.x() - origin_.x()) / scale_)),
            static_cast<int>(std::floor((p.y() - origin_.y()) / scale_))};
}

QSize Win_0::decoration() const {
    const int menuHeight = menuWidget() != nullptr ? menuWidget()->sizeHint().height() : 0;
    const QRect frame = frameGeometry(), client = geometry();
    return {frame.width() - client.width(), frame.height() - client.height() + menuHeight};
}

void Win_0::setViewScale(qreal scale) {
    requestedScale_ = std::max(kMinimumViewScale, scale);
    auto* area = static_cast<DrawingArea*>(area_);
    area->preferred_ =
        QSize(qRound(kClientWidth * requestedScale_), qRound(kClientHeight * requestedScale_));
    const int menuHeight = menuWidget() != nullptr ? menuWidget()->sizeHint().height() : 0;
    resize(area->preferred_ + QSize(0, menuHeight));
    area->resize(area->preferred_);
    fitPictureToArea();
}

void Win_0::fitPictureToArea() {
    const QSize size = area_->size();
    qreal scale =
        std::min(size.width() / qreal(kClientWidth), size.height() / qreal(kClientHeight));
    // The size chosen by setViewScale keeps its scale exactly (the area is rounded).
    if (std::abs(scale - requestedScale_) * kClientWidth < 1.0) scale = requestedScale_;
    scale = std::max(kMinimumViewScale, scale);
    const qreal ratio = area_->devicePixelRatioF();
    // The picture's corner on a whole device pixel, so the back buffer maps 1:1.
    origin_ = QPointF(std::floor((size.width() - kClientWidth * scale) / 2 * ratio) / ratio,
                      std::floor((size.height() - kClientHeight * scale) / 2 * ratio) / ratio);
    if (origin_.x() < 0) origin_.setX(0);
    if (origin_.y() < 0) origin_.setY(0);
    if (scale != scale_ || ratio != backBuffer_.devicePixelRatio()) {
        if (canvas_ != nullptr && canvas_->inBatch()) {
            // Not in the middle of a redraw: once it is done.
            QTimer::singleShot(0, this, [this] { fitPictureToArea(); });
            return;
        }
        scale_ = scale;
        backBuffer_ = QImage(qCeil(kClientWidth * scale * ratio),
                             qCeil(kClientHeight * scale * ratio), QImage::Format_RGB32);
        backBuffer_.setDevicePixelRatio(ratio);
        backBuffer_.fill(backgroundColour());
        platform_.setViewScale(scale);
        if (canvas_ != nullptr) {
            canvas_->setDevice(&backBuffer_);
            canvas_->setViewScale(scale);
            canvas_->replay();
        }
    }
    if (uhr_ != nullptr) {
        uhr_->setGeometry(
            QRectF(origin_ + QPointF(804, 662) * scale_, QSizeF(160, 30) * scale_).toRect());
        QFont font = uhr_->font();
        font.setPixelSize(std::max(1, static_cast<int>(qRound(32 * scale_))));
        uhr_->setFont(font);
    }
    area_->update();
}

void Win_0::placeOnScreen(const QRect& available) {
    available_ = available;
    const StartLayout layout = startLayout(available, decoration());
    setViewScale(layout.scale);
    placeFrameAt(layout.position);
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
        if (framed && !available_.isEmpty()) {
            // Now the frame is known: the scale that fits with it, and the place.
            const StartLayout layout = startLayout(available_, decoration());
            if (layout.scale != requestedScale_ || scale_ != requestedScale_)
                setViewScale(layout.scale);
            framePosition_ = layout.position;
        }
        if (framed && frameGeometry().topLeft() != framePosition_) move(framePosition_);
        if (framed || --placementChecks_ <= 0) timer->deleteLater();
    });
    timer->start();
}

void Win_0::buildMenuBar() {
    std::vector<MenuItem> bar;
    if (!parseMenuTable(translatedMenuItemTable(), bar))
        throw std::runtime_error("the menu item table is malformed");
    QMenuBar* menuBar = ::buildMenuBar(bar, this, [this](int id, QAction* action) {
        platform_.addMenuAction(id, action);
        // Queued, so the menu has closed before a long command (a whole game) runs.
        connect(action, &QAction::triggered, this, [this, id] {
            QMetaObject::invokeMethod(
                this, [this, id] { runMenuCommand(id); }, Qt::QueuedConnection);
        });
    });
    menuBar->setEnabled(!commandRunning_);
    setMenuBar(menuBar);           // replaces and destroys any earlier bar
    setViewScale(requestedScale_); // the window grows by the menu bar, the picture keeps its size
    platform_.setMenuBar(menuBar);
    if (game_ != nullptr) updateMenuChecks(*game_);
}

QLabel* Win_0::createClockLabel() {
    auto* uhr = new QLabel(QStringLiteral(" 99:99:99"), area_);
    uhr->setObjectName(QStringLiteral("uhr"));
    uhr->setGeometry(804, 662, 160, 30);
    // Arial 24 points at 96 dots per inch, in pixels: on a large-font desktop a size in
    // points would outgrow the label and cut off the time.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(32);
    uhr->setFont(font);
    uhr->setAutoFillBackground(true);
    QPalette palette = uhr->palette();
    palette.setColor(QPalette::Window,
                     canvas_ != nullptr ? canvas_->colour(Colour::White) : QColor(Qt::white));
    palette.setColor(QPalette::WindowText,
                     canvas_ != nullptr ? canvas_->colour(Colour::Black) : QColor(Qt::black));
    uhr->setPalette(palette);
    uhr->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    uhr->show();
    uhr_ = uhr;
    fitPictureToArea();
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
    platform_.setCommandRunning(true);
    keysDown_.clear();
    platform_.clearEvents();
    try {
        Win_0_MenuEvent(*game_, id);
    } catch (const QuitRequested&) {
        commandRunning_ = false;
        platform_.setCommandRunning(false);
        quitProgram(0);
        return;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quintor: %s\n", e.what());
        commandRunning_ = false;
        platform_.setCommandRunning(false);
        quitProgram(1);
        return;
    }
    commandRunning_ = false;
    platform_.setCommandRunning(false);
    platform_.runDueCalls(); // what fell due while the command showed a dialog
    // The idle state has no handler for what a game loop left unread, except the close box
    // used while a dialog of the command was open: it closed the dialog, now it asks.
    const bool closePending = platform_.closeRequested();
    platform_.clearEvents();
    if (!closePending) return;
    try {
        Win_0_Close(*game_);
    } catch (const QuitRequested&) {
        quitProgram(0);
    }
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

void Win_0::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Minimising the window during a game pauses it.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && commandRunning_)
        platform_.pushEvent({Event::Kind::WindowMinimised, 0, 0, 0});
    // Another language's translators (menu 70/71): the menu bar in that language.
    if (event->type() == QEvent::LanguageChange && menuWidget() != nullptr) buildMenuBar();
}

QColor Win_0::backgroundColour() const {
    return canvas_ != nullptr
               ? canvas_->colour(Colour::WindowBackground)
               : QColor::fromRgb(kClassicColours[colourIndex(Colour::WindowBackground)]);
}

bool Win_0::event(QEvent* event) {
    if (event->type() == QEvent::ApplicationPaletteChange) followDesktopColours();
    return QMainWindow::event(event);
}

void Win_0::followDesktopColours() {
    if (game_ == nullptr || game_->ui.colourScheme != ColourScheme::System) return;
    if (canvas_ != nullptr && canvas_->inBatch()) {
        // Not in the middle of a redraw: once it is done.
        QTimer::singleShot(0, this, [this] { followDesktopColours(); });
        return;
    }
    applyColourScheme(*game_);
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
