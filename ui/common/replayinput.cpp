#include "ui/common/replayinput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

void ReplayInput::touch(QWidget* receiver, const QPoint& local) {
    QPointer<QWidget> r(receiver);
    const QPointF pos(local);
    const QPointF scene(receiver->mapTo(receiver->window(), local));
    const QPointF global(receiver->mapToGlobal(local));
    QMouseEvent press(QEvent::MouseButtonPress, pos, scene, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(receiver, &press);
    // The press may have closed the widget or run a window of its own in the meantime.
    if (!r)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, pos, scene, global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(r, &release);
}

void ReplayInput::key(QWidget* receiver, const KeyStroke& stroke) {
    QPointer<QWidget> r(receiver);
    QKeyEvent press(QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
    QApplication::sendEvent(receiver, &press);
    if (!r)
        return;
    QKeyEvent release(QEvent::KeyRelease, stroke.key, stroke.modifiers, stroke.text);
    QApplication::sendEvent(r, &release);
}

QList<ReplayInput::KeyStroke> ReplayInput::strokes(const QString& text) {
    QList<KeyStroke> keys;
    for (qsizetype i = 0; i < text.size(); ++i) {
        KeyStroke k;
        k.text = text.at(i);
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            k.text += text.at(++i);
        const char16_t c = k.text.at(0).unicode();
        // Printable ASCII has key codes of its own (letters as the capital); other
        // characters arrive as text only, as from an input method.
        if (k.text.size() == 1 && c >= 0x20 && c < 0x7f) {
            k.key = QChar(c).toUpper().unicode();
            if (c >= 'A' && c <= 'Z')
                k.modifiers = Qt::ShiftModifier;
        }
        keys << k;
    }
    return keys;
}
