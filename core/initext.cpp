#include "core/initext.h"

#include "core/platform/textcodec.h"

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

IniText::IniText(const QByteArray& bytes) {
    QString text = TextCodec::fromSystem(bytes);
    text.remove(QChar(0));
    m_crlf = text.contains(QLatin1String("\r\n"));
    text.remove(QLatin1Char('\r'));
    m_lines = text.split(QLatin1Char('\n'));
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
}

int IniText::findSection(const QString& section) const {
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString t = m_lines.at(i).trimmed();
        if (isSectionLine(t) && sectionName(t).compare(section.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniText::findKey(int sectionLine, const QString& key, int* sectionEnd) const {
    int found = -1;
    int last = sectionLine; // last non-empty line of the section
    for (int i = sectionLine + 1; i < m_lines.size(); ++i) {
        const QString t = m_lines.at(i).trimmed();
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

QString IniText::value(const QString& section, const QString& key, const QString& defaultValue,
                       int bufferSize) const {
    QString value = defaultValue;
    const int s = findSection(section);
    if (s >= 0) {
        const int k = findKey(s, key, nullptr);
        if (k >= 0) {
            const QString t = m_lines.at(k).trimmed();
            value = unquoted(t.mid(t.indexOf(QLatin1Char('=')) + 1).trimmed());
        }
    }
    value.remove(QChar(0));
    return TextCodec::truncateBytes(value, bufferSize - 1).trimmed();
}

void IniText::setValue(const QString& section, const QString& key, const QString& value) {
    const QString entry = key + QLatin1Char('=') + value;
    const int s = findSection(section);
    if (s < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            m_lines << QString();
        m_lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        return;
    }
    int end = s;
    const int k = findKey(s, key, &end);
    if (k >= 0) {
        const QString old = m_lines.at(k);
        m_lines[k] = old.left(old.indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + value;
    } else {
        m_lines.insert(end + 1, entry);
    }
}

QByteArray IniText::bytes() const {
#ifdef Q_OS_WIN
    const bool crlf = true;
#else
    const bool crlf = m_crlf;
#endif
    const QString eol = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    return TextCodec::toSystem(m_lines.join(eol) + eol);
}
