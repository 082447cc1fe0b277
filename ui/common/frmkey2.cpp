#include "ui/common/frmkey2.h"

#include <QPushButton>

frmKey2::frmKey2(QWidget* parent) : KeyboardBase(parent, QStringLiteral("frmKey2")) {
    // 7 8 9 / 4 5 6 / 1 2 3 / . 0 . like a telephone keypad turned upside down.
    for (int d = 1; d <= 9; ++d) {
        const QString digit = QString::number(d);
        QPushButton* key =
            addKey(QStringLiteral("cmd") + digit, digit, 2 - (d - 1) / 3, (d - 1) % 3);
        connect(key, &QPushButton::clicked, this, [this, digit] { append(digit); });
    }
    QPushButton* zero = addKey(QStringLiteral("cmd0"), QStringLiteral("0"), 3, 1);
    connect(zero, &QPushButton::clicked, this, [this] { append(QStringLiteral("0")); });
    // Two blank keys beside the zero; they do nothing.
    addKey(QStringLiteral("Command19"), QString(), 3, 0)->setEnabled(false);
    addKey(QStringLiteral("Command20"), QString(), 3, 2)->setEnabled(false);
    connect(addKey(QStringLiteral("cmdBackSpace"), QStringLiteral("←"), 0, 3),
            &QPushButton::clicked, this, [this] { backspace(); });
    connect(addKey(QStringLiteral("cmdCrea"), QStringLiteral("CLR"), 1, 3), &QPushButton::clicked,
            this, [this] { setDisplay(QString()); });
    connect(addKey(QStringLiteral("Command14"), QStringLiteral("취소"), 2, 3),
            &QPushButton::clicked, this, [this] { cancel(); });
    connect(addKey(QStringLiteral("Command13"), QStringLiteral("확인"), 3, 3),
            &QPushButton::clicked, this, [this] { enter(); });
    resize(420, 440);
}
