// The slot dialog frm1: four option buttons opt1..opt4 for the four slots of a board file,
// OK (cmd1) and cancel (cmd2). Shown by loadBoard and saveBoard through showSlotDialog,
// which hand it what to do with the chosen slot.
#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class QPushButton;
class QRadioButton;
struct Game;

class SlotDialog : public QDialog {
    Q_OBJECT

  public:
    // What to do with a confirmed slot (0..3): load it or save into it.
    using SlotAction = std::function<void(int slot)>;

    SlotDialog(Game& g, const QString& caption, SlotAction act, QWidget* parent = nullptr);

    // Selects option boardSlot + 1 and gives it the keyboard focus (does not confirm).
    void selectSlotOption();
    // Acts on the selected slot (loads or saves it), ends the dialog (endGameDialog) and closes it.
    void confirmSlot();

    // The handlers of the dialog's controls; option numbers count from 1.
    void opt_Click(int option);
    void opt_KeyPress(int option, int keyCode);
    void cmd1_Click() { confirmSlot(); }
    void cmd2_Click();
    void frm1_Close();

    QRadioButton* option(int number) const { return options[number - 1]; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override; // Esc: cancels like cmd2

  private:
    int selectedOption() const;

    Game& g;
    SlotAction act;
    std::array<QRadioButton*, 4> options{};
    QPushButton* cmd1 = nullptr;
    QPushButton* cmd2 = nullptr;
};

// Shows frm1 modally at the main window's left + 636, top + 266 with the given caption,
// and returns when it has closed; a confirmed slot goes to `act`.
void showSlotDialog(Game& g, const QString& caption, SlotDialog::SlotAction act);
