#include "ui/common/letterkeyboard.h"

#include <QPushButton>

namespace {
const char* const kRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
}

LetterKeyboard::LetterKeyboard(QWidget* parent, const QString& name, bool withDigits)
    : KeyboardBase(parent, name) {
    const int top = withDigits ? 1 : 0;
    if (withDigits) {
        for (int i = 0; i < 10; ++i) {
            const QString digit = QString::number((i + 1) % 10);
            connect(addKey(QStringLiteral("cmd") + digit, digit, 0, i), &QPushButton::clicked, this,
                    [this, digit] { typeChar(digit); });
        }
    }
    for (int r = 0; r < 3; ++r) {
        const QLatin1String row(kRows[r]);
        for (int i = 0; i < row.size(); ++i) {
            const QChar capital = row[i];
            QPushButton* key = addKey(QStringLiteral("cmd") + capital.toLower(), capital, top + r,
                                      i + (r == 2 ? 1 : 0));
            connect(key, &QPushButton::clicked, this, [this, capital] { typeLetter(capital); });
            m_letters << key;
        }
    }
    connect(addKey(QStringLiteral("cmdBackSpace"), QStringLiteral("←"), top, 10),
            &QPushButton::clicked, this, [this] { backspaceLetters(); });
    connect(addKey(QStringLiteral("Command15"), QStringLiteral("-"), top + 1, 9),
            &QPushButton::clicked, this, [this] { typeChar(QStringLiteral("-")); });
    connect(addKey(QStringLiteral("cmdCrea"), QStringLiteral("CLR"), top + 1, 10),
            &QPushButton::clicked, this, [this] { clearAll(); });
    connect(addKey(QStringLiteral("cmdshift"), QStringLiteral("Shift"), top + 2, 0),
            &QPushButton::clicked, this, [this] { shift(); });
    connect(addKey(QStringLiteral("Command3"), QStringLiteral("."), top + 2, 8),
            &QPushButton::clicked, this, [this] { point(); });
    connect(addKey(QStringLiteral("Command14"), QStringLiteral("취소"), top + 3, 0, 1, 9),
            &QPushButton::clicked, this, [this] { cancel(); });
    connect(addKey(QStringLiteral("Command13"), QStringLiteral("확인"), top + 2, 9, 2, 2),
            &QPushButton::clicked, this, [this] { enter(); });
}

void LetterKeyboard::prepare() {
    m_small = false;
    m_shiftCount = 2;
    m_point = QStringLiteral("0");
    showCase();
}

// The previous use's result is dropped before the first character. The display is not
// emptied with it: it starts empty at every opening, so all it can hold is a point typed
// in this use, which must not get lost.
void LetterKeyboard::typeChar(const QString& c) {
    KEYPAD_no.clear();
    append(c);
}

void LetterKeyboard::typeLetter(QChar capital) {
    typeChar(m_small ? QString(capital.toLower()) : QString(capital));
}

void LetterKeyboard::shift() {
    m_small = m_shiftCount % 2 != 0;
    // 16 bits as on the terminals; wrapping from 32767 to -32768 keeps the alternation.
    m_shiftCount = qint16(m_shiftCount + 1);
    showCase();
}

void LetterKeyboard::point() {
    if (m_point == QLatin1String("1"))
        return;
    append(QStringLiteral("."));
    m_point = QStringLiteral("1");
}

void LetterKeyboard::backspaceLetters() {
    backspace();
    if (display().isEmpty())
        m_point = QStringLiteral("0");
}

void LetterKeyboard::clearAll() {
    setDisplay(QString());
    m_point = QStringLiteral("0");
}

// The letter keys show the case they type.
void LetterKeyboard::showCase() {
    for (QPushButton* key : m_letters) {
        const QString c = key->objectName().right(1);
        key->setText(m_small ? c : c.toUpper());
    }
}
