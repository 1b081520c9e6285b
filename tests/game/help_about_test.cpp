// Tests of the about window Inf: its place, its texts and its three handlers.
#include "help/help.h"
#include "session/modal.h"

#include "support/scripted_platform.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(AboutWindow, LinkOpensTheWebSiteAndLeavesTheWindowOpenUntilClosed) {
    struct Case {
        const char* how; // "button", "closebox" or "esc"
    };
    for (const Case c : {Case{"button"}, Case{"closebox"}, Case{"esc"}}) {
        SCOPED_TRACE(c.how);
        TestWorld w;
        std::vector<QString> texts;
        bool openAfterLinks = false;
        w.platform.onModal = [&](QWidget* inf) {
            for (QLabel* label : inf->findChildren<QLabel*>()) texts.push_back(label->text());
            auto* link = inf->findChild<QLabel*>(QStringLiteral("lbl28"));
            ASSERT_NE(link, nullptr);
            emit link->linkActivated(QString::fromLatin1(kProjectWebAddress));
            emit link->linkActivated(QString::fromLatin1(kProjectWebAddress));
            openAfterLinks = !dialogDone(w.g());
            if (QByteArray(c.how) == "button") {
                inf->findChild<QPushButton*>(QStringLiteral("cmd15"))->click();
            } else if (QByteArray(c.how) == "esc") {
                QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(inf, &esc);
            } else {
                inf->close();
            }
        };
        endGameDialog(w.g()); // left over from an earlier dialog
        showAbout(w.g());

        ASSERT_EQ(w.platform.modalForms.size(), 1u);
        EXPECT_EQ(w.platform.modalForms[0], QStringLiteral("Inf"));
        EXPECT_EQ(w.platform.modalOffsets[0], QPoint(206, 188));
        EXPECT_TRUE(openAfterLinks);
        EXPECT_TRUE(dialogDone(w.g()));
        EXPECT_EQ(w.platform.openedUrls,
                  std::vector<QString>(2, QString::fromLatin1(kProjectWebAddress)));
        const QString all = QStringList(texts.begin(), texts.end()).join(QLatin1Char('\n'));
        EXPECT_TRUE(all.contains(QStringLiteral("QUINTOR-SUDOKU")));
        EXPECT_TRUE(all.contains(QStringLiteral("Version " QUINTOR_VERSION)));
    }
}
