// The in-game help window over a help book.
#include "help/helpwindow.h"
#include "platform/texts.h"

#include <QScreen>
#include <QKeyEvent>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

HelpWindow::HelpWindow(const QString& file, HelpBook book, QWidget* parent)
    : QTextBrowser(parent), file_(file), book_(std::move(book)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(HelpTexts::tr("Quintor-Anleitung (") + file + QLatin1Char(')'));
    setOpenExternalLinks(true);
    resize(640, 720);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Esc and Ctrl+W close the manual like any document window.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) ||
        (event->key() == Qt::Key_W && modifiers == Qt::ControlModifier)) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

QRect helpWindowPlace(const QRect& screen, const QRect& gameFrame, const QRect& board,
                      QSize wanted) {
    const int width = std::min(wanted.width(), screen.width());
    const int height = std::min(wanted.height(), screen.height());
    const int top = std::clamp(gameFrame.top(), screen.top(), screen.bottom() + 1 - height);
    const auto at = [&](int left, int w) { return QRect(left, top, w, height); };

    if (screen.right() - gameFrame.right() >= width) return at(gameFrame.right() + 1, width);
    if (gameFrame.left() - screen.left() >= width) return at(gameFrame.left() - width, width);
    const int roomRight = screen.right() - board.right();
    const int roomLeft = board.left() - screen.left();
    if (roomRight >= width) return at(screen.right() + 1 - width, width);
    if (roomLeft >= width) return at(screen.left(), width);
    if (roomRight >= kHelpWindowMinWidth) return at(board.right() + 1, roomRight);
    if (roomLeft >= kHelpWindowMinWidth) return at(screen.left(), roomLeft);
    return at(screen.right() + 1 - width, width);
}

void HelpWindow::placeBeside(const QWidget& game, const QRect& board) {
    const QScreen* screen = game.screen();
    if (screen == nullptr) return;
    const QSize frameExtra = frameGeometry().size() - size();
    const QSize gameFrameExtra = game.frameGeometry().size() - game.size();
    const QSize decoration = frameExtra.isEmpty() ? gameFrameExtra : frameExtra;
    const QRect place = helpWindowPlace(screen->availableGeometry(), game.frameGeometry(), board,
                                        size() + decoration);
    resize(place.size() - decoration);
    move(place.topLeft());
}

void HelpWindow::showPage(const QString& target) {
    const qsizetype hash = target.indexOf(QLatin1Char('#'));
    QUrl url;
    url.setPath(hash < 0 ? target : target.left(hash));
    if (hash >= 0) url.setFragment(target.mid(hash + 1));
    setSource(url, QTextDocument::HtmlResource);
}

void HelpWindow::showKeywordIndex() {
    QString html = HelpTexts::tr("<h2>Stichwörter</h2><ul>");
    for (const auto& [word, target] : book_.keywords)
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                    .arg(target.toHtmlEscaped(), word.toHtmlEscaped());
    html += QStringLiteral("</ul>");
    setHtml(html);
}

QVariant HelpWindow::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::HtmlResource && name.scheme().isEmpty()) {
        if (const QString* html = book_.page(name.path().section(QLatin1Char('/'), -1)))
            return *html;
        return QString();
    }
    return QTextBrowser::loadResource(type, name);
}
