#include "core/inifile.h"

#include "core/initext.h"
#include "core/platform/filereplace.h"

#include <QFile>
#include <QFileInfo>

// A missing file reads as empty text; readable is false when it exists but cannot be read.
QByteArray IniFile::load(bool* readable) const {
    *readable = true;
    QFile f(m_path);
    if (!f.exists())
        return {};
    if (!f.open(QIODevice::ReadOnly)) {
        *readable = false;
        return {};
    }
    return f.readAll();
}

QString IniFile::read(const QString& section, const QString& key, const QString& defaultValue,
                      int bufferSize) const {
    bool readable = true;
    return IniText(load(&readable)).value(section, key, defaultValue, bufferSize);
}

bool IniFile::write(const QString& section, const QString& key, const QString& value) const {
    bool readable = true;
    IniText text(load(&readable));
    if (!readable)
        return false;
    const QFileInfo info(m_path);
    if (info.exists() && !info.isWritable())
        return false;
    text.setValue(section, key, value);
    return FileReplace::write(m_path, text.bytes());
}
