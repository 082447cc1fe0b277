#include "core/inifile.h"

#include "core/platform/filereplace.h"
#include "core/platform/textcodec.h"

#include <QFile>
#include <QFileInfo>

namespace {
bool isSectionLine(const QString& trimmed) {
    return trimmed.startsWith(QLatin1Char('[')) && trimmed.contains(QLatin1Char(']'));
}

QString sectionName(const QString& trimmed) {
    return trimmed.mid(1, trimmed.indexOf(QLatin1Char(']')) - 1).trimmed();
}

bool isComment(const QString& trimmed) {
    return trimmed.startsWith(QLatin1Char(';'));
}

// The profile functions drop one pair of matching quotes around a value.
QString unquoted(const QString& v) {
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) &&
        v.back() == v.front())
        return v.mid(1, v.size() - 2);
    return v;
}
} // namespace

IniFile::Lines IniFile::load() const {
    Lines out;
    QFile f(m_path);
    if (!f.exists())
        return out;
    if (!f.open(QIODevice::ReadOnly)) {
        out.readable = false;
        return out;
    }
    QString text = TextCodec::fromSystem(f.readAll());
    text.remove(QChar(0));
    out.crlf = text.contains(QLatin1String("\r\n"));
    text.remove(QLatin1Char('\r'));
    out.lines = text.split(QLatin1Char('\n'));
    if (!out.lines.isEmpty() && out.lines.last().isEmpty())
        out.lines.removeLast();
    return out;
}

int IniFile::findSection(const QStringList& lines, const QString& section) {
    for (int i = 0; i < lines.size(); ++i) {
        const QString t = lines.at(i).trimmed();
        if (isSectionLine(t) && sectionName(t).compare(section.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniFile::findKey(const QStringList& lines, int sectionLine, const QString& key,
                     int* sectionEnd) {
    int found = -1;
    int last = sectionLine; // last non-empty line of the section
    for (int i = sectionLine + 1; i < lines.size(); ++i) {
        const QString t = lines.at(i).trimmed();
        if (isSectionLine(t))
            break;
        if (!t.isEmpty())
            last = i;
        if (found >= 0 || isComment(t))
            continue;
        const int eq = t.indexOf(QLatin1Char('='));
        if (eq > 0 && t.left(eq).trimmed().compare(key.trimmed(), Qt::CaseInsensitive) == 0)
            found = i;
    }
    if (sectionEnd)
        *sectionEnd = last;
    return found;
}

QString IniFile::read(const QString& section, const QString& key, const QString& defaultValue,
                      int bufferSize) const {
    const Lines f = load();
    QString value = defaultValue;
    const int s = findSection(f.lines, section);
    if (s >= 0) {
        const int k = findKey(f.lines, s, key, nullptr);
        if (k >= 0) {
            const QString t = f.lines.at(k).trimmed();
            value = unquoted(t.mid(t.indexOf(QLatin1Char('=')) + 1).trimmed());
        }
    }
    value.remove(QChar(0));
    return TextCodec::truncateBytes(value, bufferSize - 1).trimmed();
}

bool IniFile::write(const QString& section, const QString& key, const QString& value) const {
    Lines f = load();
    if (!f.readable)
        return false;
    const QFileInfo info(m_path);
    if (info.exists() && !info.isWritable())
        return false;
    const QString entry = key + QLatin1Char('=') + value;
    const int s = findSection(f.lines, section);
    if (s < 0) {
        if (!f.lines.isEmpty() && !f.lines.last().trimmed().isEmpty())
            f.lines << QString();
        f.lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    } else {
        int end = s;
        const int k = findKey(f.lines, s, key, &end);
        if (k >= 0) {
            const QString old = f.lines.at(k);
            f.lines[k] =
                old.left(old.indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + value;
        } else {
            f.lines.insert(end + 1, entry);
        }
    }
#ifdef Q_OS_WIN
    const bool crlf = true;
#else
    const bool crlf = f.crlf;
#endif
    const QString eol = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    return FileReplace::write(m_path, TextCodec::toSystem(f.lines.join(eol) + eol));
}
