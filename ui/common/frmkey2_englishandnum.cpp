#include "ui/common/frmkey2_englishandnum.h"

#include "ui/common/twips.h"

frmKey2_EnglishandNum::frmKey2_EnglishandNum(QWidget* parent)
    : LetterKeyboard(parent, QStringLiteral("frmKey2_EnglishandNum"), true) {
    resize(twipsToPixelsX(12000), twipsToPixelsY(7500));
}

void frmKey2_EnglishandNum::prepare() {
    LetterKeyboard::prepare();
    resize(twipsToPixelsX(12000), twipsToPixelsY(7500));
}
