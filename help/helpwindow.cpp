// The in-game help window over a help book.
#include "help/helpwindow.h"

#include <QTextDocument>
#include <QUrl>

HelpWindow::HelpWindow(const QString& file, HelpBook book, QWidget* parent)
    : QTextBrowser(parent), file_(file), book_(std::move(book)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Quintor-Anleitung (") + file + QLatin1Char(')'));
    setOpenExternalLinks(true);
    resize(640, 720);
}

void HelpWindow::showPage(const QString& target) {
    const qsizetype hash = target.indexOf(QLatin1Char('#'));
    QUrl url;
    url.setPath(hash < 0 ? target : target.left(hash));
    if (hash >= 0) url.setFragment(target.mid(hash + 1));
    setSource(url, QTextDocument::HtmlResource);
}

void HelpWindow::showKeywordIndex() {
    QString html = QStringLiteral("<h2>Stichwörter</h2><ul>");
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
