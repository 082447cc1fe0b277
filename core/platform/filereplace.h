#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's contents: written to "<path>.tmp" beside it, flushed to disk and renamed
// over the file, so a power cut leaves the old or the new contents, never half of them.
// Where that temporary file cannot be made or renamed (a folder that only lets the file
// itself be written), an existing file is rewritten in place instead.
namespace FileReplace {
QString temporaryPath(const QString& path);
bool write(const QString& path, const QByteArray& bytes);
} // namespace FileReplace
