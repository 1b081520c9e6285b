// Help books: the on-disk form of the manual files "Quintor.chm" and "Quintor.hlp", read
// by the help viewers (help.cpp). Both files use one plain-text format:
//
//   QUINTOR-HILFE 1                      first line, always
//   # a comment                          header lines up to the first page: comments,
//   Stichwort: Menupunkte = Übersicht.htm   empty lines and keyword entries
//   @@ Übersicht.htm                     a page: its name, then its HTML on the lines
//   <h1>...</h1>                         below, up to the next "@@ " line or the end
//
// The text is UTF-8, lines end in LF or CR LF. The HTML help ("Quintor.chm") opens a page
// by its name; the classic help ("Quintor.hlp") looks a keyword up in its index (ignoring
// case) and opens the page it names, optionally at an anchor ("Erklärung.htm#uhr").
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

struct HelpBook {
    std::vector<std::pair<QString, QString>> pages;    // name, HTML; in file order
    std::vector<std::pair<QString, QString>> keywords; // keyword, target page[#anchor]

    const QString* page(const QString& name) const;
    // The target of a keyword, or an empty text when the index does not hold it.
    QString keywordTarget(const QString& keyword) const;
};

// nullopt when the bytes are not a help book (wrong first line, a keyword entry without
// "=", a page without a name, or no page at all).
std::optional<HelpBook> parseHelpBook(const QByteArray& bytes);
