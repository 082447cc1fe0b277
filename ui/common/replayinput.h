#pragma once

#include <QList>
#include <QPoint>
#include <QString>

class QWidget;

// The input a script sends: touches and keys as the window system would deliver them to
// the widget under the finger or with the keyboard focus.
namespace ReplayInput {
struct KeyStroke {
    int key = 0;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// A left button press and release at the point (in the receiver's coordinates).
void touch(QWidget* receiver, const QPoint& local);
// A key press and release.
void key(QWidget* receiver, const KeyStroke& stroke);
// The keys that type the text, one per character (letters with Shift when upper case).
QList<KeyStroke> strokes(const QString& text);
} // namespace ReplayInput
