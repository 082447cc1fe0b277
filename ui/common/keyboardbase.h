#pragma once

#include <QDialog>
#include <QString>

class QGridLayout;
class QLineEdit;
class QPushButton;

// What the four on-screen keyboards share: the display field Text2, the result KEYPAD_no
// and the backspace, clear, enter and cancel keys. A keyboard object is kept by its
// caller and shown again for every use; KEYPAD_no keeps the last result in between.
class KeyboardBase : public QDialog {
    Q_OBJECT
public:
    // The result: the display text when accepted, "" when cancelled.
    QString KEYPAD_no;
    QLineEdit* Text2 = nullptr;

    // Empties the display, resets the keyboard's own state and shows it modally; the
    // caller reads KEYPAD_no afterwards.
    int showModal();
    QString display() const;

    // Closing the window any other way (Esc, the window's close button) counts as cancel,
    // so a caller never takes a stale earlier result for a new answer.
    void reject() override;

protected:
    KeyboardBase(QWidget* parent, const QString& name);

    // Called before every opening.
    virtual void prepare() {}

    QGridLayout* keys() const { return m_keys; }
    QPushButton* addKey(const QString& name, const QString& caption, int row, int col,
                        int rowSpan = 1, int colSpan = 1);
    // A key that only types: its handler is connected by the keyboard.
    void setDisplay(const QString& text);
    void append(const QString& text);

    // The common key rules.
    void backspace();
    void enter();
    void cancel();

private:
    QGridLayout* m_keys = nullptr;
};
