// The in-game help window: one page of a help book at a time, with the links between the
// pages working inside the window. Opened by the help viewers (help.cpp).
#pragma once

#include "help/helpbook.h"

#include <QTextBrowser>

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

  protected:
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    QString file_;
    HelpBook book_;
};
