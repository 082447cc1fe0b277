#pragma once

#include "ui/common/replaytarget.h"

#include <QColor>
#include <QMessageBox>
#include <QString>

// One line of a replay script, read and checked.
struct ReplayStep {
    enum class Kind { Click, Type, Key, Wait, Expect, ExpectColor, Choose, ExpectMessage, Answer };

    int line = 0;
    QString source; // the line as written, without surrounding spaces
    Kind kind = Kind::Wait;
    ReplayTarget target; // click, type, expect, expect-color, choose
    QString text;        // type, expect, choose, expect-message
    int key = 0;         // key: the Qt key code and the text the key types
    QString keyText;
    int waitMs = 0;
    QColor colour;                                        // expect-color
    QMessageBox::StandardButton button = QMessageBox::Ok; // answer

    bool hasTarget() const {
        return kind == Kind::Click || kind == Kind::Type || kind == Kind::Expect ||
               kind == Kind::ExpectColor || kind == Kind::Choose;
    }
};
