// Reading help books, the format of the manual files (see helpbook.h).
#include "help/helpbook.h"

#include <QStringList>

namespace {
const QString kMagic = QStringLiteral("QUINTOR-HILFE 1");
const QString kPagePrefix = QStringLiteral("@@ ");
const QString kKeywordPrefix = QStringLiteral("Stichwort:");
} // namespace

const QString* HelpBook::page(const QString& name) const {
    for (const auto& [pageName, html] : pages)
        if (pageName == name) return &html;
    return nullptr;
}

QString HelpBook::keywordTarget(const QString& keyword) const {
    for (const auto& [word, target] : keywords)
        if (word.compare(keyword, Qt::CaseInsensitive) == 0) return target;
    return {};
}

std::optional<HelpBook> parseHelpBook(const QByteArray& bytes) {
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (lines.isEmpty() || lines.front().trimmed() != kMagic) return std::nullopt;

    HelpBook book;
    QStringList html;
    bool inPage = false;
    auto finishPage = [&] {
        if (inPage) book.pages.back().second = html.join(QLatin1Char('\n'));
        html.clear();
    };
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(kPagePrefix)) {
            finishPage();
            const QString name = line.mid(kPagePrefix.size()).trimmed();
            if (name.isEmpty()) return std::nullopt;
            book.pages.emplace_back(name, QString());
            inPage = true;
        } else if (inPage) {
            html.append(line);
        } else if (line.startsWith(kKeywordPrefix)) {
            const QString entry = line.mid(kKeywordPrefix.size());
            const qsizetype equals = entry.indexOf(QLatin1Char('='));
            if (equals < 0) return std::nullopt;
            const QString word = entry.left(equals).trimmed();
            const QString target = entry.mid(equals + 1).trimmed();
            if (word.isEmpty() || target.isEmpty()) return std::nullopt;
            book.keywords.emplace_back(word, target);
        } else if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#'))) {
            return std::nullopt;
        }
    }
    finishPage();
    if (book.pages.empty()) return std::nullopt;
    return book;
}
