#pragma once

#include <QString>

class QWidget;

// Makes a text box take Latin letters and digits (IDs, barcodes) even on a Korean keyboard.
void gfIME_ENGLISH(QWidget* textBox);
// Enables the screen's standard buttons from the worker's rights in B_Authority.
void gfMENU_AUTHORITY(const QString& screenName, const QString& caption, QWidget* screen);
// The master login code; it sees every button.
inline QString masterCode() {
    return QStringLiteral("ZEVRA");
}
// Enables the standard buttons for four rights digits (select, insert, update, delete).
void applyAuthority(QWidget* screen, const QString& rights, const QString& userId);
// The rights statement of gfMENU_AUTHORITY for a screen, menu version and user.
QString authorityStatement(const QString& screenName, const QString& prefix, const QString& userId);
