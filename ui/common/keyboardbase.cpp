#include "ui/common/keyboardbase.h"

#include "ui/common/modal.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Touch targets: a finger needs about 15 mm; captions readable at arm's length.
constexpr int kKeyPixels = 64;
constexpr int kKeyFontPixels = 26;
constexpr int kWordKeyFontPixels = 20; // Latin words (Shift, CLR) on keys one letter wide
constexpr int kDisplayFontPixels = 34;
} // namespace

KeyboardBase::KeyboardBase(QWidget* parent, const QString& name) : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(name);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setReadOnly(true);
    Text2->setFocusPolicy(Qt::NoFocus);
    Text2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f = Text2->font();
    f.setPixelSize(kDisplayFontPixels);
    f.setBold(true);
    Text2->setFont(f);
    Text2->setMinimumHeight(kKeyPixels);
    layout->addWidget(Text2);
    m_keys = new QGridLayout();
    m_keys->setSpacing(6);
    layout->addLayout(m_keys, 1);
}

QPushButton* KeyboardBase::addKey(const QString& name, const QString& caption, int row, int col,
                                  int rowSpan, int colSpan) {
    auto* key = new QPushButton(caption, this);
    key->setObjectName(name);
    key->setFocusPolicy(Qt::NoFocus);
    key->setAutoDefault(false);
    key->setMinimumSize(kKeyPixels, kKeyPixels);
    key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QFont f = key->font();
    const bool latinWord = caption.size() > 2 && caption.at(0).unicode() < 0x80;
    f.setPixelSize(latinWord ? kWordKeyFontPixels : kKeyFontPixels);
    f.setBold(true);
    key->setFont(f);
    m_keys->addWidget(key, row, col, rowSpan, colSpan);
    return key;
}

int KeyboardBase::showModal() {
    Text2->clear();
    prepare();
    return runModal(*this);
}

QString KeyboardBase::display() const {
    return Text2->text();
}

void KeyboardBase::setDisplay(const QString& text) {
    Text2->setText(text);
}

void KeyboardBase::append(const QString& text) {
    Text2->setText(Text2->text() + text);
}

void KeyboardBase::backspace() {
    const QString t = display();
    if (!t.isEmpty())
        setDisplay(t.left(t.size() - 1));
}

void KeyboardBase::enter() {
    if (display().isEmpty())
        return;
    KEYPAD_no = display();
    accept();
}

void KeyboardBase::cancel() {
    KEYPAD_no.clear();
    QDialog::reject();
}

void KeyboardBase::reject() {
    cancel();
}
