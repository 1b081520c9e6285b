// Guidance beside the defined screen: the first screen's hint in the status strip and the
// game keys in the menus' shortcut column.
#include "app/menu.h"
#include "app/screen.h"
#include "help/guidance.h"

#include "support/scripted_platform.h"

#include <QAction>
#include <QMenuBar>
#include <gtest/gtest.h>

TEST(Guidance, FirstScreenTellsHowToBeginInsideTheStatusStrip) {
    TestWorld w;
    w.canvas.clear(Colour::WindowBackground);
    captureBackgroundStrips(w.g());
    drawStartScreen(w.g());
    const auto hint = w.canvas.textsAt(kStartHintX - 1, 782 - 15);
    ASSERT_EQ(hint.size(), 1u);
    EXPECT_EQ(hint[0].text, QStringLiteral("Neues Spiel: Menü Quintor → Neues Spiel"));
    // Ink inside the strip, right of the caption; the strip's frame and the rest of the
    // screen as defined (the start-screen tests probe them).
    int ink = 0;
    for (int y = 767; y <= 783; ++y)
        for (int x = kStartHintX - 1; x < 1048; ++x) ink += w.pixel(x, y) != colour(12) ? 1 : 0;
    EXPECT_GT(ink, 100);
    for (int x = 0; x < 1048; ++x) {
        EXPECT_EQ(w.pixel(x, 764), colour(15)) << x;
        EXPECT_EQ(w.pixel(x, 786), colour(8)) << x;
    }
}

TEST(Guidance, MenusShowTheGameKeysWithoutShortcutsOrNewCaptions) {
    std::vector<MenuItem> bar;
    ASSERT_TRUE(parseMenuTable(menuItemTable(), bar));
    std::map<int, QAction*> actions;
    std::unique_ptr<QMenuBar> menuBar(
        buildMenuBar(bar, nullptr, [&actions](int id, QAction* a) { actions[id] = a; }));
    // Only keys that do in a game what the item does: H opens "Erklärung", not the
    // "Anleitung" of item 60, and X shuffles only in the editor.
    const std::map<int, QString> keys = {{20, "L"}, {21, "S"}, {27, "D"}, {25, "N"}, {44, "M"}};
    for (const auto& [id, action] : actions) {
        const QStringList parts = action->text().split(QLatin1Char('\t'));
        const auto key = keys.find(id);
        // The shortcut column shows the key; the caption before it is the table's.
        EXPECT_EQ(parts.size(), key == keys.end() ? 1 : 2) << id;
        if (key != keys.end()) {
            EXPECT_EQ(parts.value(1), key->second) << id;
        }
        EXPECT_TRUE(action->shortcut().isEmpty()) << id << " must not fire while idle";
    }
    EXPECT_EQ(actions.at(20)->text(), QStringLiteral("&lade Brett\tL"));
    EXPECT_EQ(actions.at(8)->text(), QStringLiteral("&Neues Spiel"));
    EXPECT_EQ(actions.at(60)->text(), QStringLiteral("&Anleitung"));
    EXPECT_EQ(actions.at(24)->text(), QStringLiteral("Brett &mischen"));
}
