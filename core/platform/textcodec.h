#pragma once

#include <QByteArray>
#include <QString>

// Text in the system code page: UTF-8 on Linux, the ANSI code page on Windows. The
// configuration file and the error logs are written in it.
namespace TextCodec {
QString fromSystem(const QByteArray& bytes);
QByteArray toSystem(const QString& text);
// The longest prefix of text whose encoding is at most maxBytes, never splitting a character.
QString truncateBytes(const QString& text, int maxBytes);
} // namespace TextCodec
