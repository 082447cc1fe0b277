#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The program's system message boxes, run through the modal seam. Icons follow the
// conventions: information for notices, exclamation for warnings, critical for fatal
// errors, none for the error reporter's plain box.
namespace MessageBox {
QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString& title, const QString& text,
                                 QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                 QWidget* parent = nullptr);
void info(const QString& title, const QString& text);
void warning(const QString& title, const QString& text);
void critical(const QString& title, const QString& text);
void plain(const QString& title, const QString& text);
// Retry/Cancel with a question icon; true for Retry.
bool retryCancel(const QString& title, const QString& text);
// Yes/No with a question icon; true for Yes.
bool yesNo(const QString& title, const QString& text);
} // namespace MessageBox
