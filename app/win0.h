// The main window Win_0: the menu bar, the drawing area with its persistent back buffer,
// and the clock label uhr. It turns Qt events into the game's events: in the idle state
// menu commands and pointer moves run their handlers at once, while a command runs every
// event goes into the platform's queue for the game loops. Created by main.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPoint>

#include <functional>
#include <map>

class Canvas;
class QLabel;
class QtPlatform;
struct Game;

// The main window's outer size on the screen it was laid out for, and start-up's rule for
// its top-left corner: centred, 32 pixels higher, halves rounded to even, y not above 0.
// 1052 x 835 is the whole window there: border, caption and menu bar take 48 pixels of
// height. Here the rule still places the window by that size, but the drawing area is
// exactly 1052 x 787 (everything drawn lies in (0, 0)-(1051, 786)); the window is the
// menu bar plus that area, and the window manager's frame lies outside it.
constexpr int kWindowWidth = 1052;
constexpr int kWindowHeight = 835;
QPoint startPosition(int screenWidth, int screenHeight);

// The start of the window on a screen's available area (what desktop panels leave free):
// the view scale, 1 where the whole window fits, else the largest scale below 1 that fits
// (not below kMinimumViewScale), and the frame's top-left corner, by the rule above where
// the scale is 1, else centred the same way; the title bar always on the area. `decoration`
// is what the window adds to the picture: frame and title bar, and the menu bar's height.
struct StartLayout {
    qreal scale;
    QPoint position;
};
constexpr qreal kMinimumViewScale = 0.5;
StartLayout startLayout(const QRect& available, QSize decoration);

// The drawing area: everything the program draws, (0, 0)-(1051, 786).
constexpr int kClientWidth = 1052;
constexpr int kClientHeight = 787;

class Win_0 : public QMainWindow {
    Q_OBJECT
  public:
    explicit Win_0(QtPlatform& platform);
    ~Win_0() override;

    // The back buffer every drawing call goes to: the picture (1052 x 787) at the view scale
    // and the screen's device pixel ratio.
    QImage& backBuffer() { return backBuffer_; }
    // The canvas that draws into the back buffer: what it changes is repainted, and it
    // records its drawing so that the picture is redrawn sharp when the scale changes.
    void attachCanvas(Canvas& canvas);
    // Repaints a changed rectangle of the picture on the screen.
    void showChanged(const QRect& rect);
    // View scale s: the drawing area shows the picture at s, centred and letterboxed with
    // the background colour where the area's shape differs. setViewScale resizes the window
    // for the picture at s; resizing the window by hand changes s as well.
    qreal viewScale() const { return scale_; }
    void setViewScale(qreal scale);
    QWidget* drawingArea() const { return area_; }
    // The window background of the screen's colours (colour 12 of the current scheme).
    QColor backgroundColour() const;
    // The picture point under a position in the drawing area (rounded down).
    QPoint toPicture(QPointF areaPosition) const;
    // Chooses the start scale for the available area and places the window there; the
    // layout is checked again once the window manager has framed the window.
    void placeOnScreen(const QRect& available);
    // The game whose handlers the window calls; set once start-up created it. Assistive
    // technology reads the drawing area as that game's board (app/accessible.h).
    void setGame(Game* game);
    // Places the whole window, frame and title bar included, with its top-left corner at
    // `position` (screen coordinates). Called before show: the window manager's frame is
    // known only once it has framed the window, so the place is corrected then.
    void placeFrameAt(QPoint position);
    // Builds the menu bar from the menu item table in the installed language and wires its
    // commands; built anew when the language changes.
    void buildMenuBar();
    QLabel* createClockLabel();
    // True while a menu command runs (a game loop reads the events then).
    bool commandRunning() const { return commandRunning_; }
    // Runs one menu command; QuitRequested ends the program with status 0.
    void runMenuCommand(int id);
    // Ends the main loop with an exit status (main sets it to QCoreApplication::exit).
    std::function<void(int status)> endProgram;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    friend class DrawingArea;
    void pointerEvent(int kind, int x, int y);
    // Follows a new size of the drawing area: the scale, the picture's origin, the back
    // buffer redrawn at the new resolution, the clock label.
    void fitPictureToArea();
    QSize decoration() const;
    void quitProgram(int status);
    // The desktop's colours changed: "Wie das System" follows them.
    void followDesktopColours();

    QtPlatform& platform_;
    Game* game_ = nullptr;
    QWidget* area_ = nullptr;
    QImage backBuffer_;
    bool commandRunning_ = false;
    // Keys pressed while the current command runs: only their releases reach the game, so
    // the release of a key that chose a menu item ("&Spielstart" by S) is no game command.
    // Each keeps the modifiers held when it went down, so Ctrl+N stays a Ctrl key even when
    // Ctrl is let go before N.
    std::map<int, int> keysDown_;
    bool quitting_ = false;
    Canvas* canvas_ = nullptr;
    QLabel* uhr_ = nullptr;
    qreal scale_ = 1.0;
    qreal requestedScale_ = 1.0;
    QPointF origin_; // the picture's top-left corner in the drawing area
    QRect available_;
    QPoint framePosition_;
    int placementChecks_ = 0;
};

// Key code of a Qt key as the game loops expect it: letters as capitals, digits, Esc 27,
// Enter 13, and the usual codes for the other keys (0 for keys without one).
int gameKeyCode(int qtKey);
// The Shift, Ctrl and Alt keys held with a key event, as Event::modifiers bits.
int gameModifiers(Qt::KeyboardModifiers modifiers);
