// The make-up the game's small dialogs share: object name, title and the main window's
// icon; the row of OK (cmd1) and cancel (cmd2) buttons; the fixed size. Used by the slot
// dialog, the generate dialog and the booklet dialog.
#pragma once

#include <QString>

#include <functional>

class QBoxLayout;
class QDialog;
class QPushButton;
class QWidget;

// Gives the form the object name its handlers and tests know it by, its title and the icon
// of parent (the main window) when there is one.
void setUpForm(QDialog& form, const QString& objectName, const QString& title, QWidget* parent);

struct OkCancelButtons {
    QPushButton* ok = nullptr;     // cmd1
    QPushButton* cancel = nullptr; // cmd2
};

// Appends a row of the OK button cmd1 and the cancel button cmd2 to layout; their clicks
// call onOk and onCancel.
OkCancelButtons addOkCancelRow(QDialog& form, QBoxLayout& layout, const QString& okCaption,
                               const QString& cancelCaption, const std::function<void()>& onOk,
                               const std::function<void()>& onCancel);

// Fixes the form at the size its contents ask for, at least minWidth pixels wide and wide
// enough for its caption in the window's frame.
void fixFormSize(QDialog& form, int minWidth);
