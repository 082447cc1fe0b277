#pragma once

#include <QByteArray>
#include <QString>

// An INI file read and written with the rules of the Windows profile functions: sections
// and keys match without regard to case, the first of duplicate sections or keys wins, a
// missing key gives the caller's default, and a write creates the file, the section or
// the key when missing. QSettings is not used: it is case-sensitive on Linux, escapes
// values and rewrites the whole file in its own layout, which hand-edited files must not
// suffer. Text is in the system code page; IniText holds the rules.
class IniFile {
public:
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    // The value as the profile functions give it into a buffer of bufferSize bytes (one of
    // them for the terminator), outer spaces trimmed, NULs removed; never splits a character.
    QString read(const QString& section, const QString& key, const QString& defaultValue,
                 int bufferSize = 255) const;
    // False when the file cannot be written (read-only file or folder, locked); the file is
    // then unchanged.
    bool write(const QString& section, const QString& key, const QString& value) const;

    QString path() const { return m_path; }

private:
    QByteArray load(bool* readable) const;

    QString m_path;
};
