// The main window and the Qt platform: the start position rule, key codes, the window's
// menu bar, drawing area and clock label, event routing, files and the clock label from
// another thread.
#include "session/game.h"
#include "session/modal.h"
#include "app/screen.h"
#include "app/win0.h"
#include "platform/qt_platform.h"
#include "tests/game/window_world.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtMath>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

using window_test::WindowWorld;

TEST(StartPosition, CentredRaisedRoundedAndClamped) {
    struct Case {
        int w, h, x, y;
    };
    for (const Case& c : {
             Case{1280, 1024, 114, 62}, // 62.5 rounds to the even 62
             Case{1920, 1080, 434, 90}, Case{1052, 835, 0, 0},
             Case{1024, 768, -14, 0}, // x is not clamped
             Case{1053, 899, 0, 0},   // 0.5 rounds to 0
             Case{1055, 902, 2, 2},   // 1.5 rounds to 2
             Case{1600, 898, 274, 0}, // below 899 pixels high the top edge is at 0
         }) {
        EXPECT_EQ(startPosition(c.w, c.h), QPoint(c.x, c.y)) << c.w << "x" << c.h;
    }
}

// The common desktops in logical pixels, with a panel taking 32 pixels at the top: the
// whole window (frame, title bar and menu bar: `decoration`) lies on the free area, at the
// largest scale up to 1 that fits, never below 0.5.
TEST(StartLayout, WholeWindowOnTheFreeAreaOfCommonScreens) {
    const QSize decoration(4, 56);
    struct Case {
        const char* screen;
        QSize logical;
        bool fullSize;
    };
    for (const Case& c :
         {Case{"1280x1024", {1280, 1024}, true}, Case{"1366x768", {1366, 768}, false},
          Case{"1920x1080 at 150 %", {1280, 720}, false},
          Case{"1920x1080 at 200 %", {960, 540}, false},
          Case{"3840x2160 at 150 %", {2560, 1440}, true}}) {
        const QRect available(0, 32, c.logical.width(), c.logical.height() - 32);
        const StartLayout layout = startLayout(available, decoration);
        auto outer = [&](qreal s) {
            return QRect(layout.position, QSize(qCeil(1052 * s), qCeil(787 * s)) + decoration);
        };
        EXPECT_TRUE(available.contains(outer(layout.scale))) << c.screen;
        EXPECT_GE(layout.scale, 0.5) << c.screen;
        if (c.fullSize) {
            EXPECT_EQ(layout.scale, 1.0) << c.screen;
        } else {
            EXPECT_LT(layout.scale, 1.0) << c.screen;
            EXPECT_GT(outer(layout.scale + 0.01).height() + 32, c.logical.height()) << c.screen;
        }
    }
}

TEST(KeyCodes, LettersAsCapitalsAndTheUsualCodes) {
    struct Case {
        int qt, code;
    };
    for (const Case& c : {Case{Qt::Key_A, 65}, Case{Qt::Key_Z, 90}, Case{Qt::Key_0, 48},
                          Case{Qt::Key_9, 57}, Case{Qt::Key_Escape, 27}, Case{Qt::Key_Return, 13},
                          Case{Qt::Key_Enter, 13}, Case{Qt::Key_Left, 37}, Case{Qt::Key_F1, 112},
                          Case{Qt::Key_Delete, 46}, Case{Qt::Key_Shift, 0}})
        EXPECT_EQ(gameKeyCode(c.qt), c.code) << c.qt;
}

TEST(MainWindow, TitleMenuDrawingAreaAndClockLabel) {
    QtPlatform platform;
    Win_0 window(platform);
    window.buildMenuBar();
    QLabel* uhr = window.createClockLabel();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quintor XP V6.0 by Velmo"));
    EXPECT_EQ(window.centralWidget()->size(), QSize(1052, 787));
    EXPECT_EQ(window.backBuffer().deviceIndependentSize(), QSizeF(1052, 787));
    EXPECT_EQ(window.menuBar()->actions().size(), 4);
    EXPECT_EQ(uhr->objectName(), QStringLiteral("uhr"));
    EXPECT_EQ(uhr->geometry(), QRect(804, 662, 160, 30));
    EXPECT_EQ(uhr->text(), QStringLiteral(" 99:99:99"));
    // The whole " 99:99:99" fits the label, on a large-font desktop (120 dots per inch) too.
    QImage largeFontDesktop(1, 1, QImage::Format_RGB32);
    largeFontDesktop.setDotsPerMeterX(qRound(120 / 0.0254));
    largeFontDesktop.setDotsPerMeterY(qRound(120 / 0.0254));
    EXPECT_LE(QFontMetrics(uhr->font(), &largeFontDesktop).horizontalAdvance(uhr->text()), 150);
    EXPECT_EQ(platform.mainWindow(), &window);

    // Check marks reach the actions; the menu bar is enabled and disabled as a whole.
    platform.setMenuChecked(31, true);
    platform.setMenuEnabled(false);
    EXPECT_FALSE(window.menuBar()->isEnabled());
    bool found = false;
    for (QAction* title : window.menuBar()->actions())
        for (QAction* item : title->menu()->actions())
            if (item->text() == QStringLiteral("&Mittel")) found = item->isChecked();
    EXPECT_TRUE(found);
}

TEST(QtPlatformTest, ClockLabelFromAnotherThread) {
    QtPlatform platform;
    QLabel label;
    platform.setClockLabelWidget(&label);
    platform.setClockLabel(QStringLiteral(" 00:00:00"));
    EXPECT_EQ(label.text(), QStringLiteral(" 00:00:00")) << "direct on the user-interface thread";
    std::thread ticker([&platform] { platform.setClockLabel(QStringLiteral(" 00:00:01")); });
    ticker.join();
    QCoreApplication::processEvents();
    EXPECT_EQ(label.text(), QStringLiteral(" 00:00:01"));
}

// Work run in the background leaves the user-interface thread handling events (here a
// timer) under the hourglass, and the pointer is back to normal afterwards.
TEST(QtPlatformTest, BackgroundWorkKeepsTheWindowResponsive) {
    QtPlatform platform;
    QWidget window;
    platform.setMainWindow(&window);
    std::atomic<bool> timerRan{false};
    Qt::CursorShape shapeMeanwhile = Qt::ArrowCursor;
    QTimer::singleShot(0, [&] {
        if (QGuiApplication::overrideCursor())
            shapeMeanwhile = QGuiApplication::overrideCursor()->shape();
        timerRan = true;
    });
    std::thread::id worker;
    platform.runInBackground([&] {
        worker = std::this_thread::get_id();
        for (int i = 0; i < 1000 && !timerRan; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    });
    EXPECT_TRUE(timerRan);
    EXPECT_NE(worker, std::this_thread::get_id());
    EXPECT_EQ(shapeMeanwhile, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtPlatformTest, AtomicWritesAndReads) {
    QtPlatform platform;
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("brett.qnt"));
    EXPECT_FALSE(platform.fileExists(name));
    EXPECT_FALSE(platform.readFile(name).has_value());
    ASSERT_TRUE(platform.writeFile(name, QByteArray(28000, '\1')).ok);
    ASSERT_TRUE(platform.writeFile(name, QByteArray("neu")).ok);
    EXPECT_EQ(platform.readFile(name), QByteArray("neu"));
    const WriteResult failed =
        platform.writeFile(dir.filePath(QStringLiteral("fehlt/brett.qnt")), QByteArray("x"));
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.error.isEmpty());
}

TEST(QtPlatformTest, MonotonicClockWithFractions) {
    QtPlatform platform;
    const double a = platform.now();
    platform.sleepMs(20);
    const double b = platform.now();
    EXPECT_GT(b - a, 0.015);
    EXPECT_LT(b - a, 5.0);
    EXPECT_NE(b, std::floor(b));
}

TEST(MainWindow, EventsQueueOnlyWhileACommandRuns) {
    QtPlatform platform;
    Win_0 window(platform);
    // Idle: no command runs, so key releases have no handler and are dropped.
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(&window, &release);
    EXPECT_FALSE(platform.hasEvents());
}

TEST(QtPlatformTest, MessageBoxCaptionsDefaultAndAnswer) {
    QtPlatform platform;
    Win_0 window(platform);
    window.show();
    QStringList captions;
    QString defaultCaption;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons()) captions << b->text();
        defaultCaption = box->defaultButton()->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("&JA")) b->click();
    });
    const int answer = platform.messageBox(QStringLiteral("Spiel beenden?"),
                                           QStringLiteral("&JA|&NEIN"), 2, MessageIcon::Question);
    EXPECT_EQ(answer, 1);
    captions.sort();
    EXPECT_EQ(captions, (QStringList{"&JA", "&NEIN"}));
    EXPECT_EQ(defaultCaption, QStringLiteral("&NEIN"));
}

TEST(QtPlatformTest, RunModalDisablesTheWindowUntilDone) {
    QtPlatform platform;
    Win_0 window(platform);
    window.move(40, 30);
    window.show();
    QWidget form;
    form.setObjectName(QStringLiteral("ruhm"));
    bool done = false;
    bool windowEnabledMeanwhile = true;
    QPoint formPosition;
    QTimer::singleShot(10, [&] {
        windowEnabledMeanwhile = window.isEnabled();
        formPosition = form.pos();
        done = true;
    });
    platform.runModal(&form, QPoint(100, 60), [&] { return done; });
    EXPECT_FALSE(windowEnabledMeanwhile);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(formPosition, window.frameGeometry().topLeft() + QPoint(100, 60));
}

TEST(MainWindow, CloseBoxAnsweredNeinKeepsTheWindowJaEndsIt) {
    WindowWorld world;
    Win_0& window = world.window;
    Game& game = world.game;
    window.show();
    auto answer = [](const QString& caption) {
        QTimer::singleShot(0, [caption] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == caption) b->click();
        });
    };
    answer(QStringLiteral("&NEIN"));
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(escapeConsumed(game));

    answer(QStringLiteral("&JA"));
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
}

TEST(MainWindow, KeyReleasesReachTheGameOnlyForKeysPressedDuringTheCommand) {
    WindowWorld world;
    Win_0& window = world.window;
    Game& game = world.game;
    window.show();
    auto send = [&window](QEvent::Type type, int key) {
        QKeyEvent e(type, key, Qt::NoModifier);
        QApplication::sendEvent(&window, &e);
    };
    QTimer::singleShot(0, [&] {
        send(QEvent::KeyRelease, Qt::Key_F); // F chose the menu item: pressed before
        send(QEvent::KeyPress, Qt::Key_A);
        send(QEvent::KeyRelease, Qt::Key_A);
    });
    window.runMenuCommand(10); // Spielstart: the play loop reads the keys; A leaves it
    EXPECT_FALSE(window.commandRunning());
    EXPECT_EQ(game.state.board.noteFlag, NoteArray<bool>{}) << "the release of F set every note";
}

// The close box used while the hall of fame or the about window is open closes the window
// and asks the quit question; NEIN keeps the program.
TEST(MainWindow, CloseBoxWhileADialogIsOpenClosesItAndAsks) {
    for (const int command : {50, 1}) {
        SCOPED_TRACE(command);
        WindowWorld world;
        Win_0& window = world.window;
        window.show();
        QString asked;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = box->text();
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == QStringLiteral("&NEIN")) b->click();
                return;
            }
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != &window && w->isVisible() && w->isWindow()) {
                    window.close();
                    return;
                }
        });
        poll.start();
        QTimer safety; // a safety net: the dialog would otherwise stay open
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != &window) w->close();
        });
        safety.start(5000);
        window.runMenuCommand(command);
        poll.stop();
        EXPECT_EQ(asked, QStringLiteral("Spiel beenden?"));
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(window.commandRunning());
    }
}

// A question answered only on purpose: Esc and the close box choose no answer (0), a plain
// N chooses nothing, Alt+N and a click choose their button.
TEST(QtPlatformTest, DeliberateQuestionIsNotAnsweredByEscCloseBoxOrAPlainLetter) {
    QtPlatform platform;
    Win_0 window(platform);
    window.show();
    auto key = [](QWidget* target, int k, Qt::KeyboardModifiers m) {
        QKeyEvent press(QEvent::KeyPress, k, m, k == Qt::Key_N ? QStringLiteral("n") : QString());
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, k, m);
        QApplication::sendEvent(target, &release);
    };
    struct Case {
        const char* what;
        std::function<void(QMessageBox*)> act;
        int answer;
    } cases[] = {
        {"Esc", [&](QMessageBox* box) { key(box->focusWidget(), Qt::Key_Escape, {}); }, 0},
        {"close box", [](QMessageBox* box) { box->close(); }, 0},
        {"plain N, then Esc",
         [&](QMessageBox* box) {
             key(box->focusWidget() ? box->focusWidget() : box, Qt::Key_N, Qt::NoModifier);
             key(box, Qt::Key_N, Qt::NoModifier);
             QTimer::singleShot(50, box, [&key, box] {
                 if (box->isVisible()) key(box, Qt::Key_Escape, {});
             });
         },
         0},
        {"NEIN clicked",
         [](QMessageBox* box) {
             for (QAbstractButton* b : box->buttons())
                 if (b->text() == QStringLiteral("&NEIN")) b->click();
         },
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            c.act(box);
        });
        EXPECT_EQ(platform.deliberateMessageBox(QStringLiteral("Letztes Spiel fortsetzen?"),
                                                QStringLiteral("&JA|&NEIN"), 1,
                                                MessageIcon::Question),
                  c.answer);
    }
}
