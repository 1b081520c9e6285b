// The slot dialog frm1 and its handlers: a click or a typed character on an option acts
// at once, OK acts on the selected option, cancel and Esc close it without loading or saving.
// Shown by loadBoard and saveBoard (boardfile.cpp), which load or save the chosen slot.
#include "files/slotdialog.h"

#include "platform/forms.h"
#include "session/game.h"
#include "session/modal.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SlotDialog::SlotDialog(Game& g, const QString& caption, SlotAction act, QWidget* parent)
    : QDialog(parent), g(g), act(std::move(act)) {
    setUpForm(*this, QStringLiteral("frm1"), caption, parent);

    auto* layout = new QVBoxLayout(this);
    for (int number = 1; number <= 4; ++number) {
        auto* button = new QRadioButton(FileTexts::tr("Brett %1").arg(number), this);
        button->setObjectName(QStringLiteral("opt%1").arg(number));
        button->installEventFilter(this);
        connect(button, &QRadioButton::clicked, this, [this, number] { opt_Click(number); });
        layout->addWidget(button);
        options[number - 1] = button;
    }
    const OkCancelButtons row = addOkCancelRow(
        *this, *layout, QStringLiteral("OK"), FileTexts::tr("Abbrechen"), [this] { cmd1_Click(); },
        [this] { cmd2_Click(); });
    cmd1 = row.ok;
    cmd2 = row.cancel;
    fixFormSize(*this, 200);
}

int SlotDialog::selectedOption() const {
    for (int number = 1; number <= 4; ++number)
        if (options[number - 1]->isChecked()) return number;
    return g.state.boardSlot + 1;
}

void SlotDialog::selectSlotOption() {
    QRadioButton* button = options[g.state.boardSlot & 3];
    button->setChecked(true);
    button->setFocus();
}

void SlotDialog::confirmSlot() {
    g.state.boardSlot = selectedOption() - 1;
    if (act) act(g.state.boardSlot);
    endGameDialog(g);
    close();
}

void SlotDialog::opt_Click(int) {
    confirmSlot();
}

void SlotDialog::opt_KeyPress(int option, int keyCode) {
    if (keyCode >= '1' && keyCode <= '4')
        g.state.boardSlot = keyCode - '1';
    else if (keyCode == 13)
        g.state.boardSlot = option - 1;
    // Any other character keeps the slot chosen last time.
    selectSlotOption();
    confirmSlot();
}

void SlotDialog::cmd2_Click() {
    endGameDialog(g);
    close();
}

void SlotDialog::frm1_Close() {
    endGameDialog(g);
}

void SlotDialog::closeEvent(QCloseEvent* event) {
    // QDialog would route the close through reject(); the close box only ends the wait.
    frm1_Close();
    event->accept();
}

void SlotDialog::reject() {
    cmd2_Click();
}

bool SlotDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    int number = 0;
    for (int i = 1; i <= 4; ++i)
        if (watched == options[i - 1]) number = i;
    if (number == 0) return QDialog::eventFilter(watched, event);

    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return false; // access keys and shortcuts keep their meaning
    switch (key->key()) {
    case Qt::Key_Escape:
        cmd2_Click();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Right: {
        // Arrows move the selection without confirming it; OK then acts on it.
        const bool back = key->key() == Qt::Key_Up || key->key() == Qt::Key_Left;
        QRadioButton* next = options[(number - 1 + (back ? 3 : 1)) % 4];
        next->setChecked(true);
        next->setFocus();
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        opt_KeyPress(number, 13);
        return true;
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty()) return false; // a modifier or function key: no character typed
    opt_KeyPress(number, text.at(0).unicode());
    return true;
}

void showSlotDialog(Game& g, const QString& caption, SlotDialog::SlotAction act) {
    SlotDialog frm1(g, caption, std::move(act), g.platform.mainWindow());
    frm1.selectSlotOption(); // preselects the slot of last time; does not confirm
    runGameDialog(g, &frm1, QPoint(636, 266));
}
