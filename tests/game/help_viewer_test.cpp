// Tests of the help decision, the help viewers over the manual files and the help books.
#include "help/help.h"
#include "help/helpbook.h"
#include "help/helpwindow.h"

#include "support/scripted_platform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// GetVersion-style value: major in the low byte, minor in the next, build above,
// top bit set outside the NT family.
constexpr std::uint32_t versionValue(int major, int minor, int build, bool ntFamily = true) {
    return (ntFamily ? 0u : 0x80000000u) | (std::uint32_t(build) << 16) |
           (std::uint32_t(minor) << 8) | std::uint32_t(major);
}

HelpWindow* shownWindow(const QPointer<QWidget>& slot) {
    return qobject_cast<HelpWindow*>(slot.data());
}

class HelpViewer : public testing::Test {
  protected:
    void SetUp() override {
        w.platform.copyDataFile(QStringLiteral("Quintor.chm"));
        w.platform.copyDataFile(QStringLiteral("Quintor.hlp"));
    }
    void TearDown() override {
        for (QWidget* window :
             {w.g().ui.help.htmlHelpWindow.data(), w.g().ui.help.classicHelpWindow.data()})
            delete window;
    }
    QString shownText(const QPointer<QWidget>& slot) {
        HelpWindow* window = shownWindow(slot);
        return window ? window->toPlainText() : QString();
    }
    TestWorld w;
};

} // namespace

TEST(HelpDecision, HtmlHelpFromNtVersionSixOn) {
    struct Case {
        std::uint32_t version;
        bool html;
    };
    const Case cases[] = {
        {versionValue(6, 1, 7601), true},
        {versionValue(5, 1, 2600), false},
        {versionValue(5, 2, 3790), false},
        {versionValue(6, 0, 6000), true},
        {versionValue(10, 0, 19045 & 0x7FFF), true},
        {versionValue(4, 10, 1998, false), false},
        {versionValue(6, 1, 7601, false), false},
    };
    for (const Case& c : cases) EXPECT_EQ(isHtmlHelpSystem(c.version), c.html) << c.version;
    EXPECT_TRUE(isHtmlHelpSystem(platformVersion()));
}

TEST_F(HelpViewer, HtmlHelpShowsTheMenuPageAndTheExplanation) {
    showHelpTopic(w.g(), QStringLiteral("Quintor.chm"), QStringLiteral("Übersicht.htm"));
    ASSERT_NE(shownWindow(w.g().ui.help.htmlHelpWindow), nullptr);
    EXPECT_EQ(w.platform.helpWindows.size(), 1u);
    EXPECT_TRUE(shownText(w.g().ui.help.htmlHelpWindow).contains(QStringLiteral("die Menüpunkte")));
    EXPECT_TRUE(w.platform.messages.empty());

    // The Hilfe button reuses the window for the explanation page.
    w.g().ui.help.htmlHelpAvailable = true;
    QWidget* first = w.g().ui.help.htmlHelpWindow;
    showExplanationHelp(w.g());
    EXPECT_EQ(w.g().ui.help.htmlHelpWindow.data(), first);
    EXPECT_TRUE(
        shownText(w.g().ui.help.htmlHelpWindow).contains(QStringLiteral("so wird gespielt")));
    EXPECT_FALSE(w.g().ui.help.classicHelpOpen);
}

TEST_F(HelpViewer, ClassicHelpLooksUpKeywordsAndClosesAtAMenuCommand) {
    w.g().ui.help.htmlHelpAvailable = false;
    showClassicHelp(w.g(), QStringLiteral("Quintor.hlp"), QStringLiteral("Menupunkte"));
    EXPECT_TRUE(w.g().ui.help.classicHelpOpen);
    EXPECT_TRUE(
        shownText(w.g().ui.help.classicHelpWindow).contains(QStringLiteral("die Menüpunkte")));
    EXPECT_EQ(w.g().ui.help.htmlHelpWindow.data(), nullptr);

    showExplanationHelp(w.g());
    EXPECT_TRUE(
        shownText(w.g().ui.help.classicHelpWindow).contains(QStringLiteral("so wird gespielt")));

    // An unknown keyword shows the keyword index.
    showClassicHelp(w.g(), QStringLiteral("Quintor.hlp"), QStringLiteral("Zauberei"));
    EXPECT_TRUE(shownText(w.g().ui.help.classicHelpWindow).contains(QStringLiteral("Stichwörter")));

    closeClassicHelp(w.g());
    EXPECT_FALSE(w.g().ui.help.classicHelpOpen);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.g().ui.help.classicHelpWindow.data(), nullptr);
    closeClassicHelp(w.g()); // nothing open: nothing to do
    EXPECT_TRUE(w.platform.messages.empty());
}

TEST_F(HelpViewer, MissingOrBrokenFilesAndTopicsGiveTheMessage) {
    struct Case {
        const char* file;
        const char* topic;
        bool classic;
        QByteArray replacement; // written over the file; "-" removes it
    };
    const Case cases[] = {
        {"Quintor.chm", "Übersicht.htm", false, "-"},
        {"Quintor.chm", "Übersicht.htm", false, "kein Hilfebuch\n"},
        {"Quintor.chm", "Fehlt.htm", false, {}},
        {"Quintor.hlp", "Menupunkte", true, "-"},
    };
    for (const Case& c : cases) {
        SetUp();
        const QString file = QString::fromUtf8(c.file);
        if (c.replacement == "-")
            QFile::remove(w.platform.path(file));
        else if (!c.replacement.isEmpty())
            w.platform.writeFile(file, c.replacement);
        w.platform.messages.clear();
        if (c.classic)
            showClassicHelp(w.g(), file, QString::fromUtf8(c.topic));
        else
            showHelpTopic(w.g(), file, QString::fromUtf8(c.topic));
        ASSERT_EQ(w.platform.messages.size(), 1u) << c.file << c.topic;
        EXPECT_EQ(w.platform.messages[0].text,
                  QStringLiteral("Error while trying to display a topic of ") + file);
        EXPECT_EQ(w.platform.messages[0].captions, QStringLiteral("OK"));
    }
    EXPECT_TRUE(w.platform.helpWindows.empty());
}

TEST(HelpBook, ParsesPagesKeywordsAndRejectsDamage) {
    const QByteArray good = "QUINTOR-HILFE 1\r\n# Kommentar\r\n\r\n"
                            "Stichwort: Uhr = B.htm#uhr\r\n"
                            "@@ A.htm\r\n<p>eins</p>\r\n@@ B.htm\r\n<p>zwei</p>\r\n<p>drei</p>";
    const std::optional<HelpBook> book = parseHelpBook(good);
    ASSERT_TRUE(book);
    ASSERT_EQ(book->pages.size(), 2u);
    EXPECT_EQ(*book->page(QStringLiteral("A.htm")), QStringLiteral("<p>eins</p>"));
    EXPECT_EQ(*book->page(QStringLiteral("B.htm")), QStringLiteral("<p>zwei</p>\n<p>drei</p>"));
    EXPECT_EQ(book->page(QStringLiteral("a.htm")), nullptr);
    EXPECT_EQ(book->keywordTarget(QStringLiteral("UHR")), QStringLiteral("B.htm#uhr"));
    EXPECT_TRUE(book->keywordTarget(QStringLiteral("Zeit")).isEmpty());

    const QByteArray damaged[] = {
        "",
        "QUINTOR-HILFE 2\n@@ A.htm\nx",
        "QUINTOR-HILFE 1\nStichwort: Uhr\n@@ A.htm\nx",
        "QUINTOR-HILFE 1\nStichwort:  = A.htm\n@@ A.htm\nx",
        "QUINTOR-HILFE 1\nirgendwas\n@@ A.htm\nx",
        "QUINTOR-HILFE 1\n@@ \nx",
        "QUINTOR-HILFE 1\n# nur ein Kommentar\n",
    };
    for (const QByteArray& bytes : damaged) EXPECT_FALSE(parseHelpBook(bytes)) << bytes.data();
}

TEST(HelpManual, BothFilesHoldTheSamePagesAndEveryMenuItemIsExplained) {
    auto read = [](const char* name) {
        QFile file(QStringLiteral(QUINTOR_DATA_DIR "/") + QString::fromLatin1(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return parseHelpBook(file.readAll());
    };
    const std::optional<HelpBook> chm = read("Quintor.chm");
    const std::optional<HelpBook> hlp = read("Quintor.hlp");
    ASSERT_TRUE(chm && hlp);
    EXPECT_EQ(chm->pages, hlp->pages);
    EXPECT_EQ(hlp->keywordTarget(QStringLiteral("Menupunkte")), QStringLiteral("Übersicht.htm"));
    EXPECT_EQ(hlp->keywordTarget(QStringLiteral("Erklärung")), QStringLiteral("Erklärung.htm"));

    const QString* overview = chm->page(QStringLiteral("Übersicht.htm"));
    const QString* explanation = chm->page(QStringLiteral("Erklärung.htm"));
    ASSERT_TRUE(overview && explanation);
    const char* menuItems[] = {
        "Neues Spiel",   "Spielstart",    "Neustart",        "Spieldruck",       "Beenden",
        "lade Brett",    "sichere Brett", "Brett lösen",     "Brett löschen",    "Brett drucken",
        "Brett mischen", "Eigenes Brett", "Leicht",          "Mittel",           "Schwer",
        "Extrem",        "Zahlen",        "Buchstaben",      "Zeige Kandidaten", "Rätsel-Symmetrie",
        "Ruhmeshalle",   "Anleitung",     "über Quintor...",
    };
    for (const char* item : menuItems)
        EXPECT_TRUE(overview->contains(QStringLiteral("<b>") + QString::fromUtf8(item))) << item;
    const char* subjects[] = {
        "gemeinsamen Kästen", "Auswahl", "Notizen", "Kandidaten", "Laden", "Esc", "Rot", "Uhr",
        "Ruhmeshalle"};
    for (const char* subject : subjects)
        EXPECT_TRUE(explanation->contains(QString::fromUtf8(subject))) << subject;

    // Every link between pages and every keyword lands on an existing page and anchor.
    auto lands = [&](const QString& from, const QString& target) {
        const QString pageName = target.section(QLatin1Char('#'), 0, 0);
        const QString anchor = target.section(QLatin1Char('#'), 1);
        const QString* page = pageName.isEmpty() ? chm->page(from) : chm->page(pageName);
        if (page == nullptr) return false;
        return anchor.isEmpty() ||
               page->contains(QStringLiteral("name=\"") + anchor + QLatin1Char('"'));
    };
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (const auto& [name, html] : chm->pages)
        for (const QRegularExpressionMatch& m : href.globalMatch(html))
            EXPECT_TRUE(lands(name, m.captured(1)))
                << name.toStdString() << " -> " << m.captured(1).toStdString();
    for (const auto& [word, target] : hlp->keywords)
        EXPECT_TRUE(lands(QString(), target)) << word.toStdString();
}

TEST(HelpManual, KeysPageNamesTheKeysNoMenuShows) {
    QFile file(QStringLiteral(QUINTOR_DATA_DIR "/Quintor.hlp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::optional<HelpBook> hlp = parseHelpBook(file.readAll());
    ASSERT_TRUE(hlp);
    EXPECT_EQ(hlp->keywordTarget(QStringLiteral("Tasten")), QStringLiteral("Tasten.htm"));
    const QString* keys = hlp->page(QStringLiteral("Tasten.htm"));
    ASSERT_NE(keys, nullptr);
    // The cursor (with the letters of letter display), undo, pause and the hint.
    for (const char* word : {"Pfeiltasten", "A bis I", "Strg+Z", "Strg+Y", "Pause", "Tipp"})
        EXPECT_TRUE(keys->contains(QString::fromUtf8(word))) << word;
    EXPECT_TRUE(hlp->page(QStringLiteral("Übersicht.htm"))->contains("href=\"Tasten.htm\""));
}

TEST(HelpWindowLinks, FollowsALinkToAnotherPage) {
    HelpBook book;
    book.pages = {{QStringLiteral("A.htm"), QStringLiteral("<a href=\"B.htm#x\">weiter</a>")},
                  {QStringLiteral("B.htm"), QStringLiteral("<a name=\"x\"></a>Seite B")}};
    HelpWindow window(QStringLiteral("Quintor.chm"), book, nullptr);
    window.showPage(QStringLiteral("A.htm"));
    EXPECT_EQ(window.toPlainText(), QStringLiteral("weiter"));
    window.setSource(QUrl(QStringLiteral("B.htm#x")));
    EXPECT_EQ(window.toPlainText().trimmed(), QStringLiteral("Seite B"));
}

TEST(HelpWindowPlace, BesideTheGameWhereTheScreenHasRoomNeverOverTheBoardWhenItFits) {
    // The game's frame is 1060 x 870 around a board of 700 x 700 pixels from (12, 60).
    struct Case {
        const char* what;
        QRect screen;
        QPoint game;    // the game frame's top-left
        QRect expected; // the help window's frame
    };
    const QSize wanted(656, 760);
    const Case cases[] = {
        {"room on the right", {0, 0, 2560, 1440}, {500, 100}, {1560, 100, 656, 760}},
        {"room on the left only", {0, 0, 1920, 1080}, {850, 50}, {194, 50, 656, 760}},
        {"over the panels", {0, 0, 1920, 1080}, {434, 90}, {1264, 90, 656, 760}},
        {"narrowed over the panels", {0, 0, 1280, 1024}, {114, 62}, {826, 62, 454, 760}},
        {"no room anywhere", {0, 0, 1024, 768}, {0, 0}, {368, 0, 656, 760}},
        {"kept on a low screen", {0, 24, 2560, 800}, {500, 300}, {1560, 64, 656, 760}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QRect frame(c.game, QSize(1060, 870));
        const QRect board(c.game + QPoint(12, 60), QSize(700, 700));
        const QRect place = helpWindowPlace(c.screen, frame, board, wanted);
        EXPECT_EQ(place, c.expected);
        EXPECT_TRUE(c.screen.contains(place));
        if (QByteArray(c.what) != "no room anywhere") {
            EXPECT_FALSE(place.intersects(board));
        }
    }
}

TEST(HelpWindowKeys, EscAndCtrlWCloseTheManualOtherKeysDoNot) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool closes;
    };
    const Case cases[] = {{Qt::Key_Escape, Qt::NoModifier, true},
                          {Qt::Key_W, Qt::ControlModifier, true},
                          {Qt::Key_W, Qt::NoModifier, false},
                          {Qt::Key_Down, Qt::NoModifier, false}};
    for (const Case& c : cases) {
        HelpWindow window(QStringLiteral("Quintor.chm"), HelpBook{}, nullptr);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
        QCoreApplication::sendEvent(&window, &press);
        EXPECT_EQ(window.isVisible(), !c.closes) << c.key;
    }
}
