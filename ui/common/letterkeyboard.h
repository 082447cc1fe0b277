#pragma once

#include "ui/common/keyboardbase.h"

#include <QList>

class QPushButton;

// The letter keyboards: A-Z with a shift key, minus, decimal point (once), backspace,
// clear, enter and cancel; with digits 0-9 on request.
class LetterKeyboard : public KeyboardBase {
    Q_OBJECT
public:
    bool smallLetters() const { return m_small; }
    qint16 shiftCount() const { return m_shiftCount; }
    QString pointFlag() const { return m_point; }

protected:
    LetterKeyboard(QWidget* parent, const QString& name, bool withDigits);
    void prepare() override;

private:
    // A value left from the previous use is dropped when a character is typed.
    void typeChar(const QString& c);
    void typeLetter(QChar capital);
    void shift();
    void point();
    void backspaceLetters();
    void clearAll();
    void showCase();

    bool m_small = false;    // case flag: false types capitals
    qint16 m_shiftCount = 2; // presses of shift; its parity before a press picks the case
    QString m_point = QStringLiteral("0"); // "1" once a decimal point was typed
    QList<QPushButton*> m_letters;
};
