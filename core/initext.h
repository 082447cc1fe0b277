#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The contents of an INI file under the rules of the Windows profile functions (see
// IniFile): sections and keys match without regard to case, the first of duplicate
// sections or keys wins, comments start with ";". Lines the rules do not read are kept as
// they are.
class IniText {
public:
    IniText() = default;
    // The file's bytes in the system code page; NULs are dropped, CR LF or LF ends a line.
    explicit IniText(const QByteArray& bytes);

    // The key's value into a buffer of bufferSize bytes (one for the terminator): outer
    // spaces and one pair of matching quotes dropped; defaultValue when the key is missing.
    QString value(const QString& section, const QString& key, const QString& defaultValue,
                  int bufferSize = 255) const;
    // Sets the key's value, adding the key at the end of its section or a new section at
    // the end of the text when missing.
    void setValue(const QString& section, const QString& key, const QString& value);

    // The text in the system code page, every line ended as the file's lines were (CR LF
    // on Windows).
    QByteArray bytes() const;

private:
    int findSection(const QString& section) const;
    int findKey(int sectionLine, const QString& key, int* sectionEnd) const;

    QStringList m_lines;
    bool m_crlf = false;
};
