// The picture as assistive technology reads it (app/accessible.*): the board as a table of
// the field's 369 cells with their names and texts, the panels and the buttons; and, in a
// running game, a typed digit in the cell's text, the cursor's cell focused and announced,
// the Abbruch button pressed through its action.
#include "app/accessible.h"
#include "session/game.h"
#include "app/screen.h"
#include "app/win0.h"
#include "platform/qt_platform.h"
#include "tests/game/play_helpers.h"
#include "tests/game/window_world.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

using window_test::WindowWorld;

using namespace play_test;

namespace {

// The real window with a game on a solved board whose cell (grid 0, 1, 1) is open.
struct AccessibleWorld : WindowWorld {
    AccessibleWorld() : WindowWorld(CanvasUse::Window) {
        fillSolvedBoard(game.state.board);
        openCell(game.state.board, 0, 1, 1);
    }
    QAccessibleInterface* area() {
        return QAccessible::queryAccessibleInterface(window.drawingArea());
    }
    QAccessibleInterface* table() { return area()->child(0); }
    QAccessibleInterface* cell(int row, int column) {
        return table()->tableInterface()->cellAt(row, column);
    }
    QAccessibleInterface* named(const QString& name) {
        for (int i = 0; i < area()->childCount(); ++i)
            if (area()->child(i)->text(QAccessible::Name) == name) return area()->child(i);
        return nullptr;
    }
    static QString text(QAccessibleInterface* object) {
        return object->textInterface()->text(0, object->textInterface()->characterCount());
    }
};

// Captures the accessibility events while it lives, as a platform bridge would get them.
struct EventRecorder {
    struct Seen {
        QAccessible::Event type;
        QAccessibleInterface* target;
        QString text;
    };
    std::vector<Seen> events;
    EventRecorder() {
        setAccessibleEventSink([this](QAccessibleEvent* e) {
            QString text;
            if (e->type() == QAccessible::TextUpdated)
                text = static_cast<QAccessibleTextUpdateEvent*>(e)->textInserted();
            events.push_back({e->type(), e->accessibleInterface(), text});
        });
    }
    ~EventRecorder() { setAccessibleEventSink({}); }
};

void sendKey(QWidget* window, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(window, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(window, &release);
}

} // namespace

TEST(AccessibleBoard, TableOfTheFieldWithNamedCellsPanelsAndButtons) {
    AccessibleWorld w;
    QAccessibleInterface* table = w.table();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Brett"));
    ASSERT_EQ(table->childCount(), 369);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->rowCount(), 21);
    EXPECT_EQ(table->tableInterface()->columnCount(), 21);

    // Every child is the cell at its own row and column, each place once; the gaps hold none.
    std::set<int> places;
    for (int i = 0; i < 369; ++i) {
        QAccessibleInterface* c = table->child(i);
        ASSERT_NE(c, nullptr);
        QAccessibleTableCellInterface* cell = c->tableCellInterface();
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(table->tableInterface()->cellAt(cell->rowIndex(), cell->columnIndex()), c);
        EXPECT_EQ(table->indexOfChild(c), i);
        EXPECT_EQ(c->parent(), table);
        places.insert(cell->rowIndex() * 21 + cell->columnIndex());
    }
    EXPECT_EQ(places.size(), 369u);
    EXPECT_EQ(w.cell(0, 10), nullptr) << "between grids 1 and 2";
    EXPECT_EQ(w.cell(10, 2), nullptr) << "between grids 1 and 4";

    // Names: grid, row and column; a shared cell names both grids.
    EXPECT_EQ(w.cell(0, 0)->text(QAccessible::Name), QStringLiteral("Gitter 1, Zeile 1, Spalte 1"));
    EXPECT_EQ(w.cell(2, 13)->text(QAccessible::Name),
              QStringLiteral("Gitter 2, Zeile 3, Spalte 2"));
    EXPECT_EQ(w.cell(6, 6)->text(QAccessible::Name),
              QStringLiteral("Gitter 1, Zeile 7, Spalte 7, auch Gitter 3, Zeile 1, Spalte 1"));
    EXPECT_EQ(w.cell(20, 20)->text(QAccessible::Name),
              QStringLiteral("Gitter 5, Zeile 9, Spalte 9"));
    EXPECT_EQ(w.cell(0, 0)->role(), QAccessible::Cell);

    // Texts: empty with notes, given, entry, wrong entry (shown red), letters.
    Board& b = w.game.state.board;
    EXPECT_EQ(AccessibleWorld::text(w.cell(0, 0)), QStringLiteral("leer"));
    b.noteFlag(0, 1, 1, 2) = b.noteFlag(0, 1, 1, 5) = true;
    EXPECT_EQ(AccessibleWorld::text(w.cell(0, 0)), QStringLiteral("leer, Notizen 2 5"));
    const QString given = QString::number(fieldValue(0, 2, 1));
    EXPECT_EQ(AccessibleWorld::text(w.cell(0, 1)), given + QStringLiteral(", vorgegeben"));
    b.cellValue(0, 1, 1) = static_cast<std::uint8_t>(fieldValue(0, 1, 1));
    EXPECT_EQ(w.cell(0, 0)->text(QAccessible::Value),
              QString::number(fieldValue(0, 1, 1)) + QStringLiteral(", Eintrag"));
    b.cellValue(0, 1, 1) = static_cast<std::uint8_t>(fieldValue(0, 1, 1) % 9 + 1);
    EXPECT_EQ(AccessibleWorld::text(w.cell(0, 0)),
              QString::number(fieldValue(0, 1, 1) % 9 + 1) + QStringLiteral(", Eintrag, falsch"));
    b.options.showDigits = false;
    EXPECT_EQ(AccessibleWorld::text(w.cell(0, 1)),
              QString(QChar('@' + fieldValue(0, 2, 1))) + QStringLiteral(", vorgegeben"));
    b.options.showDigits = true;
    w.game.state.clock.paused = true; // the pause cover hides every cell
    EXPECT_EQ(AccessibleWorld::text(w.cell(0, 1)), QStringLiteral("verdeckt"));
    w.game.state.clock.paused = false;

    // The five panels and the status strip carry their names and what they show.
    for (const char* name : {"Statistik", "Statusmeldung", "Schwierigkeitsgrad", "Hilfefenster",
                             "Zeitmessung", "Statuszeile"})
        EXPECT_NE(w.named(QString::fromLatin1(name)), nullptr) << name;
    b.status.errorCount = 2;
    b.status.verdict = Verdict::WrongNumber;
    EXPECT_EQ(AccessibleWorld::text(w.named(QStringLiteral("Statusmeldung"))),
              QStringLiteral("Falsche Zahl!, Fehler: 2/3"));
    EXPECT_EQ(AccessibleWorld::text(w.named(QStringLiteral("Hilfefenster"))),
              QStringLiteral("Bitte Menupunkt auswählen!"));
    EXPECT_EQ(AccessibleWorld::text(w.named(QStringLiteral("Schwierigkeitsgrad"))),
              QStringLiteral("Vorgegebene Zahlen: 0, Leicht"));
    b.digitCount[7] = 41;
    EXPECT_TRUE(AccessibleWorld::text(w.named(QStringLiteral("Statistik")))
                    .contains(QStringLiteral("7: 41")));

    // The six buttons, pressable, hidden while no game loop draws the bar.
    const char* captions[] = {"Laden", "Sichern", "Drucken", "Neustart", "Hilfe", "Abbruch"};
    for (const char* caption : captions) {
        QAccessibleInterface* button = w.named(QString::fromLatin1(caption));
        ASSERT_NE(button, nullptr) << caption;
        EXPECT_EQ(button->role(), QAccessible::Button);
        ASSERT_NE(button->actionInterface(), nullptr);
        EXPECT_EQ(button->actionInterface()->actionNames(),
                  QStringList{QAccessibleActionInterface::pressAction()});
        EXPECT_TRUE(button->state().invisible) << caption;
    }

    // A game detached: the area shows no board.
    w.window.setGame(nullptr);
    EXPECT_EQ(w.area()->childCount(), 0);
}

TEST(AccessibleBoard, TypedDigitChangesTheCellTheCursorIsFocusedAndAbbruchPresses) {
    AccessibleWorld w;
    w.window.show();
    EventRecorder recorder;
    QAccessibleInterface* cell = w.cell(0, 0);
    QString typed, focusChildName, hint;
    bool focused = false, buttonShown = false, fallbackUsed = false;
    // If the Abbruch action does not end the game, Esc does, so the test ends anyway.
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [&] {
        fallbackUsed = true;
        sendKey(&w.window, Qt::Key_Escape);
    });
    // Once the game has taken the keys and shows the hint (it looks for it in the background):
    // what the cell and the area read, then Abbruch pressed through its action.
    int polls = 0;
    std::function<void()> whenHintShown = [&] {
        if (!w.game.ui.hint.hintShown && ++polls < 300) {
            QTimer::singleShot(10, whenHintShown);
            return;
        }
        typed = AccessibleWorld::text(cell);
        hint = w.game.ui.helpText.trimmed();
        focused = cell->state().focused;
        if (QAccessibleInterface* f = w.area()->focusChild())
            focusChildName = f->text(QAccessible::Name);
        QAccessibleInterface* abbruch = w.named(QStringLiteral("Abbruch"));
        buttonShown = !abbruch->state().invisible;
        QTimer::singleShot(0, [&, abbruch] { // after the change was followed
            abbruch->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            fallback.start(3000);
        });
    };
    QTimer::singleShot(0, [&] {
        sendKey(&w.window, Qt::Key_Right); // shows the cursor on grid 1's first cell
        sendKey(&w.window, Qt::Key_5, QStringLiteral("5"));
        sendKey(&w.window, Qt::Key_T, QStringLiteral("t")); // a hint
        QTimer::singleShot(0, whenHintShown);
    });
    w.window.runMenuCommand(10); // Spielstart
    fallback.stop();
    EXPECT_FALSE(fallbackUsed) << "the Abbruch button's press action did not end the game";
    const QString five = w.game.state.board.solutionValue(0, 1, 1) == 5
                             ? QStringLiteral("5, Eintrag")
                             : QStringLiteral("5, Eintrag, falsch");
    EXPECT_EQ(typed, five);
    EXPECT_TRUE(focused);
    EXPECT_EQ(focusChildName, QStringLiteral("Gitter 1, Zeile 1, Spalte 1"));
    EXPECT_TRUE(buttonShown);

    ASSERT_TRUE(hint.startsWith(QStringLiteral("Tipp"))) << hint.toStdString();

    // What a screen reader was told: the cursor's cell focused, its new text, the entry
    // announced with the cell's name, the hint's sentence announced.
    bool focusEvent = false, textEvent = false, announced = false, hintAnnounced = false;
    QAccessibleInterface* ansage = w.named(QStringLiteral("Ansage"));
    for (const EventRecorder::Seen& e : recorder.events) {
        focusEvent |= e.type == QAccessible::Focus && e.target == cell;
        textEvent |= e.type == QAccessible::TextUpdated && e.target == cell && e.text == five;
        announced |= e.type == QAccessible::TextUpdated && e.target == ansage &&
                     e.text == QStringLiteral("Gitter 1, Zeile 1, Spalte 1: ") + five;
        hintAnnounced |= e.type == QAccessible::TextUpdated && e.target == ansage && e.text == hint;
    }
    EXPECT_TRUE(focusEvent);
    EXPECT_TRUE(textEvent);
    EXPECT_TRUE(announced);
    EXPECT_TRUE(hintAnnounced) << hint.toStdString();
}
