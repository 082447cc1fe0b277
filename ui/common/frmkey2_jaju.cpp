#include "ui/common/frmkey2_jaju.h"

#include <QPushButton>

frmKey2_jaju::frmKey2_jaju(QWidget* parent) : KeyboardBase(parent, QStringLiteral("frmKey2_jaju")) {
    for (int d = 1; d <= 9; ++d) {
        const QString digit = QString::number(d);
        QPushButton* key =
            addKey(QStringLiteral("cmd") + digit, digit, 2 - (d - 1) / 3, (d - 1) % 3);
        connect(key, &QPushButton::clicked, this, [this, digit] { typeDigit(digit); });
    }
    connect(addKey(QStringLiteral("cmd0"), QStringLiteral("0"), 3, 0), &QPushButton::clicked, this,
            [this] { typeDigit(QStringLiteral("0")); });
    connect(addKey(QStringLiteral("Command3"), QStringLiteral("."), 3, 1), &QPushButton::clicked,
            this, [this] { typePoint(); });
    connect(addKey(QStringLiteral("cmdBackSpace"), QStringLiteral("←"), 0, 3),
            &QPushButton::clicked, this, [this] { backspaceJudgement(); });
    connect(addKey(QStringLiteral("cmdOK"), QStringLiteral("OK"), 1, 3), &QPushButton::clicked,
            this, [this] { setDisplay(QStringLiteral("OK")); });
    connect(addKey(QStringLiteral("cmd_NG"), QStringLiteral("NG"), 2, 3), &QPushButton::clicked,
            this, [this] { setDisplay(QStringLiteral("NG")); });
    connect(addKey(QStringLiteral("Command14"), QStringLiteral("취소"), 3, 2),
            &QPushButton::clicked, this, [this] { cancel(); });
    connect(addKey(QStringLiteral("Command13"), QStringLiteral("확인"), 3, 3),
            &QPushButton::clicked, this, [this] { enter(); });
    resize(420, 440);
}

bool frmKey2_jaju::isJudgement() const {
    return display() == QLatin1String("OK") || display() == QLatin1String("NG");
}

void frmKey2_jaju::typeDigit(const QString& digit) {
    if (isJudgement())
        setDisplay(QString());
    append(digit);
}

void frmKey2_jaju::typePoint() {
    if (isJudgement())
        setDisplay(QString());
    if (!display().isEmpty())
        append(QStringLiteral("."));
}

void frmKey2_jaju::backspaceJudgement() {
    if (isJudgement())
        setDisplay(QString());
    else
        backspace();
}
