// Help and about reached through the menu: "Anleitung" by the help viewer chosen at
// start, the classic viewer closed at the next menu command, "über Quintor..." modal.
#include "app/menu.h"
#include "help/help.h"
#include "help/helpwindow.h"

#include "support/scripted_platform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
QString shownText(const QPointer<QWidget>& slot) {
    auto* window = qobject_cast<HelpWindow*>(slot.data());
    return window ? window->toPlainText() : QString();
}
} // namespace

TEST(HelpMenu, AnleitungOpensTheViewerChosenAtStart) {
    struct Case {
        std::uint32_t version;
        bool html;
    };
    for (const Case c : {Case{0x1DB10106u, true}, Case{0x0A280105u, false}}) {
        TestWorld w;
        Game& g = w.g();
        w.platform.copyDataFile(QStringLiteral("Quintor.chm"));
        w.platform.copyDataFile(QStringLiteral("Quintor.hlp"));
        g.ui.help.htmlHelpAvailable = isHtmlHelpSystem(c.version);
        EXPECT_EQ(g.ui.help.htmlHelpAvailable, c.html);

        Win_0_MenuEvent(g, 60);

        const QPointer<QWidget>& shown =
            c.html ? g.ui.help.htmlHelpWindow : g.ui.help.classicHelpWindow;
        const QPointer<QWidget>& other =
            c.html ? g.ui.help.classicHelpWindow : g.ui.help.htmlHelpWindow;
        EXPECT_TRUE(shownText(shown).contains(QStringLiteral("die Menüpunkte")));
        EXPECT_EQ(other.data(), nullptr);
        EXPECT_EQ(g.ui.help.classicHelpOpen, !c.html);
        EXPECT_TRUE(w.platform.messages.empty());
        delete g.ui.help.htmlHelpWindow.data();
        delete g.ui.help.classicHelpWindow.data();
    }
}

TEST(HelpMenu, ClassicViewerClosesBeforeTheNextMenuCommandActs) {
    TestWorld w;
    Game& g = w.g();
    w.platform.copyDataFile(QStringLiteral("Quintor.hlp"));
    g.ui.help.htmlHelpAvailable = false;
    Win_0_MenuEvent(g, 60);
    ASSERT_TRUE(g.ui.help.classicHelpOpen);

    bool openWhileAsking = true;
    w.platform.onMessage = [&](const ScriptedPlatform::Message&) {
        openWhileAsking = g.ui.help.classicHelpOpen;
    };
    w.platform.answers = {2}; // "&NEIN" to "Spiel beenden?"
    Win_0_MenuEvent(g, 99);
    EXPECT_FALSE(openWhileAsking);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(g.ui.help.classicHelpWindow.data(), nullptr);
}

TEST(HelpMenu, HtmlHelpStaysOpenAcrossMenuCommands) {
    TestWorld w;
    Game& g = w.g();
    w.platform.copyDataFile(QStringLiteral("Quintor.chm"));
    g.ui.help.htmlHelpAvailable = true;
    Win_0_MenuEvent(g, 60);
    Win_0_MenuEvent(g, 33);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_NE(g.ui.help.htmlHelpWindow.data(), nullptr);
    delete g.ui.help.htmlHelpWindow.data();
}

TEST(HelpMenu, UeberQuintorShowsTheAboutWindow) {
    TestWorld w;
    w.platform.onModal = [](QWidget* inf) {
        inf->findChild<QPushButton*>(QStringLiteral("cmd15"))->click();
    };
    Win_0_MenuEvent(w.g(), 1);
    EXPECT_EQ(w.platform.modalForms, std::vector<QString>{QStringLiteral("Inf")});
}
