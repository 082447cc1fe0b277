#include "ui/common/messagebox.h"

#include "ui/common/modal.h"

QMessageBox::StandardButton MessageBox::show(QMessageBox::Icon icon, const QString& title,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QWidget* parent) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    const int r = runModal(box);
    // A handler may answer with a button's role code or the button itself; prefer what
    // the box recorded.
    if (box.clickedButton())
        return box.standardButton(box.clickedButton());
    return QMessageBox::StandardButton(r);
}

void MessageBox::info(const QString& title, const QString& text) {
    show(QMessageBox::Information, title, text);
}

void MessageBox::warning(const QString& title, const QString& text) {
    show(QMessageBox::Warning, title, text);
}

void MessageBox::critical(const QString& title, const QString& text) {
    show(QMessageBox::Critical, title, text);
}

void MessageBox::plain(const QString& title, const QString& text) {
    show(QMessageBox::NoIcon, title, text);
}

bool MessageBox::retryCancel(const QString& title, const QString& text) {
    return show(QMessageBox::Question, title, text, QMessageBox::Retry | QMessageBox::Cancel) ==
           QMessageBox::Retry;
}

bool MessageBox::yesNo(const QString& title, const QString& text) {
    return show(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}
