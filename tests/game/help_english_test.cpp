// The English manual beside the German one: the same pages, sections, items, links and
// keyword targets, so a topic added to the German manual without its English text fails;
// and the menu page of each explains every item of its menu bar.
#include "app/language.h"
#include "app/menu.h"
#include "help/helpbook.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <optional>

namespace {

std::optional<HelpBook> readManual(const char* name) {
    QFile file(QStringLiteral(QUINTOR_DATA_DIR "/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return parseHelpBook(file.readAll());
}

// The outline of a page: its anchors and links in order, and how many headings, menu
// items, list items and table rows it has. Texts aside, the two languages agree on it.
std::string outline(const QString& html) {
    static const QRegularExpression marks(
        QStringLiteral("name=\"[^\"]*\"|href=\"[^\"]*\"|<h[12]>|<dt>|<li>|<tr>"));
    QStringList found;
    for (const QRegularExpressionMatch& m : marks.globalMatch(html)) found << m.captured();
    return found.join(QLatin1Char('\n')).toStdString();
}

QString firstHeading(const QString& html) {
    static const QRegularExpression h1(QStringLiteral("<h1>(.*)</h1>"));
    return h1.match(html).captured(1);
}

} // namespace

TEST(HelpManualEnglish, HasEveryPageSectionItemAndKeywordTargetOfTheGermanManual) {
    const std::optional<HelpBook> germanChm = readManual("Quintor.chm");
    const std::optional<HelpBook> germanHlp = readManual("Quintor.hlp");
    const std::optional<HelpBook> englishChm = readManual("Quintor_en.chm");
    const std::optional<HelpBook> englishHlp = readManual("Quintor_en.hlp");
    ASSERT_TRUE(germanChm && germanHlp);
    ASSERT_TRUE(englishChm && englishHlp) << "data/Quintor_en.chm or .hlp missing or damaged";
    EXPECT_TRUE(englishChm->pages == englishHlp->pages)
        << "Quintor_en.chm and Quintor_en.hlp hold different pages";

    ASSERT_EQ(englishChm->pages.size(), germanChm->pages.size());
    for (std::size_t i = 0; i < germanChm->pages.size(); ++i) {
        const auto& [name, german] = germanChm->pages[i];
        const auto& [englishName, english] = englishChm->pages[i];
        SCOPED_TRACE(name.toStdString());
        // The game opens pages by these names in any language.
        EXPECT_EQ(englishName.toStdString(), name.toStdString());
        EXPECT_EQ(outline(english), outline(german))
            << "the English page lacks or adds a section, item, row or link of the German one";
        EXPECT_NE(firstHeading(english), firstHeading(german)) << "page not translated";
    }

    // The two keywords the game looks up stay; every German target has an English keyword.
    for (const char* word : {"Menupunkte", "Erklärung"})
        EXPECT_EQ(englishHlp->keywordTarget(QString::fromUtf8(word)).toStdString(),
                  germanHlp->keywordTarget(QString::fromUtf8(word)).toStdString())
            << word;
    std::set<std::string> germanTargets, englishTargets;
    for (const auto& [word, target] : germanHlp->keywords)
        germanTargets.insert(target.toStdString());
    for (const auto& [word, target] : englishHlp->keywords)
        englishTargets.insert(target.toStdString());
    EXPECT_EQ(englishTargets, germanTargets);
}

// The menu page explains every item of the menu bar, as the menu names it, in each language:
// a command added to the menu without its entry in the manual fails here.
TEST(HelpManual, TheMenuPageExplainsEveryMenuItemInBothLanguages) {
    for (const auto& [language, file] : {std::pair{Language::Deutsch, "Quintor.chm"},
                                         std::pair{Language::English, "Quintor_en.chm"}}) {
        SCOPED_TRACE(file);
        const std::optional<HelpBook> manual = readManual(file);
        ASSERT_TRUE(manual);
        const QString* page = manual->page(QStringLiteral("Übersicht.htm"));
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(installLanguage(language));
        const std::vector<QString> table =
            language == Language::Deutsch ? menuItemTable() : translatedMenuItemTable();
        for (QString entry : table) {
            // Items ("number:text") and nested drop-downs (">text"); titles and lines aside.
            const qsizetype colon = entry.indexOf(QLatin1Char(':'));
            if (entry.startsWith(QLatin1Char('>')))
                entry.remove(0, 1);
            else if (colon > 0 && entry.left(colon).toInt() > 0)
                entry.remove(0, colon + 1);
            else
                continue;
            entry.remove(QLatin1Char('&'));
            EXPECT_TRUE(page->contains(QStringLiteral("<b>") + entry + QStringLiteral("</b>")))
                << "the manual's menu page does not explain \"" << entry.toStdString() << "\"";
        }
    }
    ASSERT_TRUE(installLanguage(Language::Deutsch));
}
