#pragma once

#include "ui/common/msgdialog.h"

class QTimer;

// Five-second countdown before an automatic action: Lb_Sec shows 5, 4, ... 0 over the
// blank of the first line, one step per tick of Timer2; at 0 the target screen's flag
// lvStartPop becomes true, cancel makes it false, and the dialog closes.
class CountdownDialog : public MsgDialog {
    Q_OBJECT
public:
    QLabel* Lb_Sec = nullptr;
    QTimer* Timer2 = nullptr; // 1000 ms; tests shorten it
    // The value written into the target's lvStartPop (false until the dialog has run).
    bool lvStartPop = false;

    static QString message(const QString& firstLine, const QString& secondLine);

protected:
    CountdownDialog(QWidget* parent, const QString& name, const QString& firstLine,
                    const QString& secondLine, const QString& targetScreen);
    void opening() override;
    void done(int r) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void tick();
    void finish(bool start);
    void placeSeconds();

    QString m_first;
    QString m_text;
    QString m_target;
    int m_counter = 4;
};
