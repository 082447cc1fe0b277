#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

class QLabel;
class QPushButton;

// What the start and end time entry screens share: a display typed on ten digit keys
// with a backspace, an accept key that checks the time and a close key.
class TimeEntryDialog : public QDialog {
    Q_OBJECT
public:
    // The accepted time (the empty text after a wrong one); none when nothing is handed back.
    std::optional<QString> handedBack() const { return m_handedBack; }
    // Empties the display and shows the screen modally.
    int showModal();

    QLabel* display = nullptr;
    std::array<QPushButton*, 10> cmdNum{};
    QPushButton* cmdBackSpace = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* Command14 = nullptr;
    // Context copied from the report screen; the entry itself uses none of it.
    QLabel* lblProduct_code = nullptr;
    QLabel* lblOp_seq_sub = nullptr;
    QLabel* lblProcess_code = nullptr;
    QLabel* lblJakupdate = nullptr;
    QLabel* lbl_juya = nullptr;

protected:
    // name: the screen's name; title: its caption; field: the display's name; wrong: the
    // message for a wrong time.
    TimeEntryDialog(QWidget* parent, const QString& name, const QString& title,
                    const QString& field, const QString& wrong);

private:
    void cmdSave_Click();

    QString m_wrong;
    std::optional<QString> m_handedBack;
};
