// The in-game help window: one page of a help book at a time, with the links between the
// pages working inside the window. Opened by the help viewers (help.cpp).
#pragma once

#include "help/helpbook.h"

#include <QTextBrowser>

// Where the help window's frame goes, in screen coordinates: beside the game window's
// frame where the screen has room (right, then left), else over the panels right of the
// board (narrowed to the room there, down to kHelpWindowMinWidth), else at the screen's
// right edge. `screen` is the available area, `board` the board's place on the screen,
// `wanted` the frame size the window would like. Never over the board when it fits
// elsewhere; always on the screen.
inline constexpr int kHelpWindowMinWidth = 400;
QRect helpWindowPlace(const QRect& screen, const QRect& gameFrame, const QRect& board,
                      QSize wanted);

class HelpWindow : public QTextBrowser {
    Q_OBJECT
  public:
    HelpWindow(const QString& file, HelpBook book, QWidget* parent);
    const QString& file() const { return file_; }
    void setBook(HelpBook book) { book_ = std::move(book); }
    // Shows a page by its name, optionally with "#anchor".
    void showPage(const QString& target);
    // Shows the keyword index, each keyword a link to its page.
    void showKeywordIndex();
    // Puts the window beside the game window `game`, whose board covers `board` on the
    // screen, by helpWindowPlace.
    void placeBeside(const QWidget& game, const QRect& board);

  protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QString file_;
    HelpBook book_;
};
