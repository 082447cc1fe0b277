#include "core/platform/filereplace.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
bool syncToDisk(QFile& f) {
    if (!f.flush())
        return false;
#ifdef Q_OS_WIN
    return _commit(f.handle()) == 0;
#else
    return ::fsync(f.handle()) == 0;
#endif
}

bool writeWhole(QFile& f, const QByteArray& bytes) {
    return f.write(bytes) == bytes.size() && syncToDisk(f);
}

bool writeThroughTemporary(const QString& path, const QByteArray& bytes) {
    const QString tmp = FileReplace::temporaryPath(path);
    {
        QFile f(tmp);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        if (QFile::exists(path))
            f.setPermissions(QFile::permissions(path));
        if (!writeWhole(f, bytes)) {
            f.close();
            QFile::remove(tmp);
            return false;
        }
    }
    // std::filesystem::rename replaces an existing target on every platform, QFile's does not.
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(tmp.toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), ec);
    if (ec)
        QFile::remove(tmp);
    return !ec;
}

bool writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    return writeWhole(f, bytes) && f.resize(bytes.size());
}
} // namespace

QString FileReplace::temporaryPath(const QString& path) {
    return path + QStringLiteral(".tmp");
}

bool FileReplace::write(const QString& path, const QByteArray& bytes) {
    if (writeThroughTemporary(path, bytes))
        return true;
    const QFileInfo info(path);
    return info.isFile() && info.isWritable() && writeInPlace(path, bytes);
}
