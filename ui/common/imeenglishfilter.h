#pragma once

#include <QObject>

class QWidget;

// Switches a text box's input method to Latin letters and digits the first time the box
// gets the focus, for a box that had no native window yet when it was asked for it (a
// screen sets it up while loading, before it is shown). Removes itself afterwards.
class ImeEnglishFilter : public QObject {
    Q_OBJECT
public:
    explicit ImeEnglishFilter(QWidget* textBox);
    // Switches the box now; false when it has no native window yet.
    static bool applyNow(QWidget* textBox);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
