#include "ui/common/frmkey2_english.h"

frmKey2_English::frmKey2_English(QWidget* parent)
    : LetterKeyboard(parent, QStringLiteral("frmKey2_English"), false) {
    resize(860, 420);
}
