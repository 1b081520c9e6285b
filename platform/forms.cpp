// The shared make-up of the small dialogs (see forms.h).
#include "platform/forms.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QPushButton>

#include <algorithm>

void setUpForm(QDialog& form, const QString& objectName, const QString& title, QWidget* parent) {
    form.setObjectName(objectName);
    form.setWindowTitle(title);
    if (parent) form.setWindowIcon(parent->windowIcon());
}

OkCancelButtons addOkCancelRow(QDialog& form, QBoxLayout& layout, const QString& okCaption,
                               const QString& cancelCaption, const std::function<void()>& onOk,
                               const std::function<void()>& onCancel) {
    auto* buttons = new QHBoxLayout;
    OkCancelButtons row;
    row.ok = new QPushButton(okCaption, &form);
    row.ok->setObjectName(QStringLiteral("cmd1"));
    row.cancel = new QPushButton(cancelCaption, &form);
    row.cancel->setObjectName(QStringLiteral("cmd2"));
    QObject::connect(row.ok, &QPushButton::clicked, &form, [onOk] { onOk(); });
    QObject::connect(row.cancel, &QPushButton::clicked, &form, [onCancel] { onCancel(); });
    buttons->addWidget(row.ok);
    buttons->addWidget(row.cancel);
    layout.addLayout(buttons);
    return row;
}

void fixFormSize(QDialog& form, int minWidth) {
    // Wide enough for its caption beside the frame's icon and buttons, which window managers
    // draw in about this much more (openbox cut "Welches Brett laden?" short at 200 pixels).
    // The caption measured in bold, as frames commonly draw it.
    constexpr int kTitleBarExtra = 120;
    QFont bold = form.font();
    bold.setBold(true);
    const int titleWidth =
        QFontMetrics(bold).horizontalAdvance(form.windowTitle()) + kTitleBarExtra;
    form.setFixedSize(form.sizeHint().expandedTo(QSize(std::max(minWidth, titleWidth), 0)));
}
