#pragma once

#include <QDialog>
#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;

// The touch dialogs of the terminal: a borderless window above all others with the text
// label Lb_msg and large buttons, placed at a fraction of the work order list screen.
class MsgDialog : public QDialog {
    Q_OBJECT
public:
    QLabel* Lb_msg = nullptr;

    // Places the dialog, resets its answer and shows it modally.
    int showModal();

protected:
    // topShare/leftShare: the position as fractions of the list screen's height and width.
    MsgDialog(QWidget* parent, const QString& name, double topShare, double leftShare);

    QPushButton* addButton(const QString& name, const QString& caption);
    // Called at every opening before the dialog is shown.
    virtual void opening() {}

private:
    double m_topShare;
    double m_leftShare;
    QHBoxLayout* m_buttons = nullptr;
};
