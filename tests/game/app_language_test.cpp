// The interface language: the English translation complete and sound, and a switch of
// language on the real window (menu bar, panels, status strip, Qt's own texts) that goes
// back to the defined German texts.
#include "session/game.h"
#include "app/accessible.h"
#include "app/language.h"
#include "app/menu.h"
#include "app/screen.h"
#include "app/settings.h"
#include "app/win0.h"
#include "halloffame/forms.h"
#include "help/help.h"
#include "help/qtgerman.h"
#include "panels/info.h"
#include "panels/statistics.h"
#include "platform/texts.h"
#include "session/look.h"
#include "play/buttons.h"
#include "play/keylist.h"
#include "play/playloop.h"
#include "platform/qt_platform.h"
#include "support/scripted_platform.h"
#include "tests/game/play_helpers.h"
#include "tests/game/window_world.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>
#include <set>

using window_test::WindowWorld;

namespace {

struct Message {
    QString context, source, translation, type;
};

std::vector<Message> readTs(const QString& path) {
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message")) messages.push_back(m);
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            m = Message{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// The access keys of the items of each drop-down, and the titles of the bar.
void expectUniqueAccessKeys(const std::vector<MenuItem>& items, const QString& where) {
    std::map<QChar, QString> keys;
    for (const MenuItem& item : items) {
        const qsizetype amp = item.text.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < item.text.size()) {
            const QChar key = item.text[amp + 1].toLower();
            EXPECT_FALSE(keys.count(key)) << where.toStdString() << ": " << item.text.toStdString()
                                          << " and " << keys[key].toStdString();
            keys[key] = item.text;
        }
        if (item.kind == MenuItem::Kind::SubMenu) expectUniqueAccessKeys(item.items, item.text);
    }
}

// The ids and kinds of a parsed table, in order.
void collectShape(const std::vector<MenuItem>& items, std::vector<int>& shape) {
    for (const MenuItem& item : items) {
        shape.push_back(item.kind == MenuItem::Kind::Command ? item.id
                                                             : -1 - static_cast<int>(item.kind));
        if (item.kind == MenuItem::Kind::SubMenu) {
            collectShape(item.items, shape);
            shape.push_back(-100);
        }
    }
}

QStringList menuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* a : bar->actions()) titles << a->text();
    return titles;
}

QAction* findItem(QMenuBar* bar, const QString& text) {
    for (QMenu* menu : bar->findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            if (a->text() == text) return a;
    return nullptr;
}

bool drew(const Canvas& c, const QString& text) {
    for (const Canvas::TextRecord& r : c.journal)
        if (r.text == text) return true;
    return false;
}

} // namespace

TEST(Translation, EnglishIsCompleteUpToDateAndKeepsTheTextsShape) {
    const QString ts = QStringLiteral(QUINTOR_TESTS_DIR "/../translations/quintor_en.ts");
    const std::vector<Message> messages = readTs(ts);
    ASSERT_GT(messages.size(), 50u);
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (const Message& m : messages) {
        const std::string where = m.context.toStdString() + " \"" + m.source.toStdString() + "\"";
        EXPECT_EQ(m.type, QString()) << where << ": unfinished or vanished";
        EXPECT_FALSE(m.translation.isEmpty()) << where;
        // The same placeholders, and the same trailing blanks at least: a text drawn over a
        // longer one at the same place covers it by them.
        QStringList want, got;
        for (const auto& p : placeholder.globalMatch(m.source)) want << p.captured();
        for (const auto& p : placeholder.globalMatch(m.translation)) got << p.captured();
        want.sort();
        got.sort();
        EXPECT_EQ(got, want) << where;
        if (m.source.endsWith(QLatin1Char(' '))) {
            EXPECT_TRUE(m.translation.endsWith(' ')) << where;
        }
    }

    // lupdate over the sources finds no text that the file lacks and none that it holds in
    // vain (run on a copy: the file in the sources stays as it is).
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.ts"));
    ASSERT_TRUE(QFile::copy(ts, copy));
    QStringList arguments;
    for (const QString& layer : QStringLiteral(QUINTOR_TRANSLATED_DIRS).split(QLatin1Char(',')))
        arguments << QStringLiteral(QUINTOR_TESTS_DIR "/../") + layer;
    arguments << QStringLiteral("-source-language") << QStringLiteral("de_DE")
              << QStringLiteral("-locations") << QStringLiteral("none") << QStringLiteral("-ts")
              << copy;
    QProcess lupdate;
    lupdate.start(QStringLiteral(QUINTOR_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    for (const Message& m : readTs(copy))
        EXPECT_EQ(m.type, QString())
            << m.context.toStdString() << " \"" << m.source.toStdString()
            << "\": new in the sources or gone from them (ninja update_translations, then "
               "translate)";

    // The English menu table: the same commands in the same places, each access key once
    // per drop-down.
    ASSERT_TRUE(installLanguage(Language::English));
    std::vector<MenuItem> english, german;
    ASSERT_TRUE(parseMenuTable(translatedMenuItemTable(), english));
    ASSERT_TRUE(installLanguage(Language::Deutsch));
    ASSERT_TRUE(parseMenuTable(menuItemTable(), german));
    std::vector<int> englishShape, germanShape;
    collectShape(english, englishShape);
    collectShape(german, germanShape);
    EXPECT_EQ(englishShape, germanShape);
    expectUniqueAccessKeys(english, QStringLiteral("menu bar"));
    // A button's caption sets its width and marks its key: the same length, the same letter.
    ASSERT_TRUE(installLanguage(Language::English));
    for (const ButtonSpec& b : kButtons) {
        const QString caption = buttonCaption(b);
        EXPECT_EQ(caption.size(), qsizetype(qstrlen(b.caption))) << b.caption;
        const qsizetype mark = caption.indexOf(QLatin1Char('_'));
        ASSERT_GE(mark, 0) << b.caption;
        EXPECT_EQ(caption[mark + 1].toUpper(), QLatin1Char(b.hotKey)) << b.caption;
    }
    ASSERT_TRUE(installLanguage(Language::Deutsch));
    EXPECT_EQ(translatedMenuItemTable(), menuItemTable()) << "German is the table as it stands";
    delete QCoreApplication::instance()->findChild<QTranslator*>(kQtGermanTranslator);
}

// Texts drawn over each other at one place cover each other by their width, trailing blanks
// included (the panels are not cleared before): where a German text covers the glyphs of
// another of its group, the English one covers that one's English too ("No errors!" over
// "Wrong number!" left "er!" standing).
TEST(Translation, EnglishTextsCoverWhatTheGermanOnesCoverAtTheSamePlace) {
    TestWorld w;
    selectFont(w.g(), 20);
    const QFontMetrics metrics(w.canvas.font());
    const auto covers = [&metrics](const QString& over, const QString& under) {
        QString glyphs = under;
        while (glyphs.endsWith(QLatin1Char(' '))) glyphs.chop(1);
        return metrics.horizontalAdvance(over) >= metrics.horizontalAdvance(glyphs);
    };
    const std::vector<std::vector<QString (*)()>> groups = {
        {[] { return statusText(Verdict::WrongNumber); },
         [] { return statusText(Verdict::NotSolvable); },
         [] { return statusText(Verdict::NoErrors); }, [] { return statusText(Verdict::Solved); }},
        // The difficulty panel's name, with the two blanks it is drawn with.
        {[] { return difficultyText(Difficulty::Leicht, {}) + QStringLiteral("  "); },
         [] { return difficultyText(Difficulty::Mittel, {}) + QStringLiteral("  "); },
         [] { return difficultyText(Difficulty::Schwer, {}) + QStringLiteral("  "); },
         [] { return difficultyText(Difficulty::Extrem, {}) + QStringLiteral("  "); }},
    };
    for (const auto& group : groups) {
        std::vector<QString> german, english;
        for (const auto& text : group) german.push_back(text());
        ASSERT_TRUE(installLanguage(Language::English));
        for (const auto& text : group) english.push_back(text());
        ASSERT_TRUE(installLanguage(Language::Deutsch));
        for (std::size_t a = 0; a < group.size(); ++a)
            for (std::size_t b = 0; b < group.size(); ++b) {
                if (covers(german[a], german[b])) {
                    EXPECT_TRUE(covers(english[a], english[b]))
                        << '"' << english[a].toStdString() << "\" does not cover \""
                        << english[b].toStdString() << '"';
                }
            }
    }
}

TEST(Translation, SwitchOnTheRealWindowAndBackToTheDefinedTexts) {
    WindowWorld world;
    Win_0& window = world.window;
    Canvas& canvas = world.canvas;
    Game& g = world.game;
    canvas.keepJournal = true;
    world.drawStart();
    const QStringList germanTitles = {QStringLiteral("&Quintor"), QStringLiteral("&Optionen"),
                                      QStringLiteral("Sch&wierigkeit"), QStringLiteral("&Hilfe")};
    ASSERT_EQ(menuTitles(window.menuBar()), germanTitles);
    QAction* deutsch = findItem(window.menuBar(), QStringLiteral("Deutsch"));
    ASSERT_NE(deutsch, nullptr);
    EXPECT_TRUE(deutsch->isChecked());
    window.runMenuCommand(menuNumber(MenuId::Leicht)); // the idle screen after a command
    const QImage germanScreen = window.backBuffer().copy();

    canvas.journal.clear();
    window.runMenuCommand(menuNumber(MenuId::English));
    QCoreApplication::sendPostedEvents(); // Qt tells the window of the new translators
    EXPECT_EQ(g.ui.language, Language::English);
    EXPECT_EQ(menuTitles(window.menuBar()),
              (QStringList{QStringLiteral("&Quintor"), QStringLiteral("&Options"),
                           QStringLiteral("&Difficulty"), QStringLiteral("&Help")}));
    ASSERT_NE(findItem(window.menuBar(), QStringLiteral("&New Game")), nullptr);
    EXPECT_TRUE(findItem(window.menuBar(), QStringLiteral("English"))->isChecked());
    EXPECT_FALSE(findItem(window.menuBar(), QStringLiteral("Deutsch"))->isChecked());
    EXPECT_TRUE(window.menuBar()->isEnabled());
    // Every panel, the help line and the status strip anew in English.
    for (const char* text :
         {"STATISTICS:", "STATUS MESSAGE:", "DIFFICULTY LEVEL:", "HELP WINDOW:", "TIME TAKEN:",
          "Please choose a menu item!", "New game: menu Quintor → New Game", " Easy     "})
        EXPECT_TRUE(drew(canvas, QString::fromUtf8(text))) << text;
    EXPECT_FALSE(drew(canvas, QStringLiteral("STATISTIK:")));
    // Qt's own dialogs speak English too.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    canvas.journal.clear();
    window.runMenuCommand(menuNumber(MenuId::Deutsch));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(g.ui.language, Language::Deutsch);
    EXPECT_EQ(menuTitles(window.menuBar()), germanTitles);
    EXPECT_TRUE(findItem(window.menuBar(), QStringLiteral("Deutsch"))->isChecked());
    EXPECT_TRUE(drew(canvas, QStringLiteral("STATISTIK:")));
    EXPECT_TRUE(drew(canvas, QStringLiteral("Bitte Menupunkt auswählen!")));
    EXPECT_EQ(window.backBuffer(), germanScreen) << "the defined screen, pixel for pixel";
    // Qt's German texts are back where Debian installed them (the other tests run without).
    if (QTranslator* qtGerman =
            QCoreApplication::instance()->findChild<QTranslator*>(kQtGermanTranslator)) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QStringLiteral("Abbrechen"));
        delete qtGerman;
    }
}

TEST(Translation, LanguageRememberedAndTheManualOfTheChosenLanguage) {
    TestWorld w;
    loadSettings(w.g());
    Win_0_MenuEvent(w.g(), menuNumber(MenuId::English));
    EXPECT_TRUE(w.platform.menuChecks[menuNumber(MenuId::English)]);
    EXPECT_FALSE(w.platform.menuChecks[menuNumber(MenuId::Deutsch)]);
    // Without an English manual the German one is shown; with it, the English one.
    EXPECT_EQ(manualFile(w.g(), QStringLiteral("Quintor.chm")), QStringLiteral("Quintor.chm"));
    QFile english(w.platform.path(QStringLiteral("Quintor_en.chm")));
    ASSERT_TRUE(english.open(QIODevice::WriteOnly));
    english.close();
    EXPECT_EQ(manualFile(w.g(), QStringLiteral("Quintor.chm")), QStringLiteral("Quintor_en.chm"));

    TestWorld next;
    QFile::copy(w.platform.path(kSettingsFileName), next.platform.path(kSettingsFileName));
    loadSettings(next.g());
    EXPECT_EQ(next.g().ui.language, Language::English);
    Win_0_MenuEvent(w.g(), menuNumber(MenuId::Deutsch));
    EXPECT_EQ(manualFile(w.g(), QStringLiteral("Quintor.chm")), QStringLiteral("Quintor.chm"));
    delete QCoreApplication::instance()->findChild<QTranslator*>(kQtGermanTranslator);
}

// English chosen, a game in play shows no German word: not in the panels and the status
// strip, the hint's sentence and the question before it, the key list, nor in what a screen
// reader reads of the board and the panels. Back in German, the defined texts return.
TEST(Translation, EnglishGameShowsNoGermanText) {
    const QRegularExpression german(QStringLiteral(
        "[äöüÄÖÜß]|\\b(der|die|das|und|nicht|ist|mit|Brett|Spiel|Spielfeld|Gitter|Zeile|Spalte|"
        "Kasten|Tipp|Fehler|leer|Eintrag|vorgegeben|falsch|verdeckt|Notizen|Bitte|Zeit|Hilfe|"
        "Abbruch|Laden|Sichern|Drucken|Neustart|Strg|Pfeile|Pfeiltasten|Eingabe|Leertaste|"
        "Zahlen|Statistik|Statuszeile|Ansage|Kandidaten|Taste|Cursor zeigen|Leicht|Mittel|Schwer|"
        "Stufe|Begonnen|Datum|Einsteiger|Meister)\\b"));
    const auto expectEnglish = [&](const QString& text, const char* where) {
        EXPECT_FALSE(text.contains(german)) << where << ": " << text.toStdString();
    };
    ASSERT_TRUE(installLanguage(Language::English));
    TestWorld w;
    Game& g = w.g();
    g.ui.language = Language::English;
    w.canvas.keepJournal = true;
    play_test::fillSolvedBoard(g.state.board);
    play_test::openCell(g.state.board, 0, 1, 1);
    play_test::openCell(g.state.board, 1, 5, 5);
    const int wrong = play_test::fieldValue(1, 5, 5) % 9 + 1;
    g.state.board.cellValue(1, 5, 5) = static_cast<std::uint8_t>(wrong);
    g.state.board.noteFlag(0, 1, 1, 3) = true;
    drawStartScreen(g);
    g.state.clock.clockRunning = true; // the hint asks first
    w.platform.answers.push_back(1);
    w.platform.key('T');
    w.platform.key('A');
    playLoop(g);
    joinClockTicker(g);
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text, QStringLiteral("A hint stops the clock. Go ahead?"));
    expectEnglish(w.platform.messages[0].captions, "message box");
    bool hintShown = false;
    for (const Canvas::TextRecord& r : w.canvas.journal) {
        expectEnglish(r.text, "drawn");
        hintShown |= r.text.startsWith(QStringLiteral("Hint: The "));
    }
    EXPECT_TRUE(hintShown);
    expectEnglish(keyListHtml(), "key list");
    EXPECT_EQ(keyList().front().title, QStringLiteral("In a game"));

    // The statistics window: its column heads, its levels and its tabs.
    {
        StatistikForm statistics(g, 20261210);
        for (const QTreeWidget* view : statistics.findChildren<QTreeWidget*>()) {
            for (int c = 0; c < view->columnCount(); ++c)
                expectEnglish(view->headerItem()->text(c), "statistics");
            for (int i = 0; i < view->topLevelItemCount(); ++i)
                expectEnglish(view->topLevelItem(i)->text(0), "statistics");
        }
        for (int i = 0; i < statistics.tbsBest->count(); ++i)
            expectEnglish(statistics.tbsBest->tabText(i), "statistics");
        EXPECT_EQ(statistics.lvLevels->headerItem()->text(0), QStringLiteral("Level"));
    }

    // The accessible tree of the same game, its names and texts.
    QWidget area;
    attachAccessibleBoard(&area, &g);
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(&area);
    ASSERT_NE(picture, nullptr);
    ASSERT_GT(picture->childCount(), 1);
    expectEnglish(picture->text(QAccessible::Name), "accessible");
    for (int i = 0; i < picture->childCount(); ++i) {
        QAccessibleInterface* child = picture->child(i);
        expectEnglish(child->text(QAccessible::Name), "accessible");
        expectEnglish(child->text(QAccessible::Value), "accessible");
    }
    QAccessibleInterface* table = picture->child(0);
    ASSERT_EQ(table->childCount(), 369);
    for (int i = 0; i < table->childCount(); ++i) {
        expectEnglish(table->child(i)->text(QAccessible::Name), "cell");
        expectEnglish(table->child(i)->text(QAccessible::Value), "cell");
    }
    QAccessibleInterface* cell = table->tableInterface()->cellAt(0, 0);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Grid 1, row 1, column 1"));
    EXPECT_EQ(cell->text(QAccessible::Value), QStringLiteral("empty, notes 3"));
    EXPECT_EQ(accessibleCellText(g, 16, 4), QStringLiteral("%1, entry, wrong").arg(wrong));

    ASSERT_TRUE(installLanguage(Language::Deutsch));
    g.ui.language = Language::Deutsch;
    EXPECT_EQ(picture->child(1)->text(QAccessible::Name), QStringLiteral("Statistik"));
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Gitter 1, Zeile 1, Spalte 1"));
    EXPECT_EQ(cell->text(QAccessible::Value), QStringLiteral("leer, Notizen 3"));
    EXPECT_EQ(keyList().front().title, QStringLiteral("Im Spiel"));
    attachAccessibleBoard(&area, nullptr);
    delete QCoreApplication::instance()->findChild<QTranslator*>(kQtGermanTranslator);
}
