// Feeds arbitrary file contents and one write to the INI rules: every read fits its buffer,
// the text reads the same after being written out and read back, a write reads back as
// written and leaves every other key of the file as it was.
#include "core/initext.h"
#include "core/platform/textcodec.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
using Key = QPair<QString, QString>; // section, key

void fail(const char* what, const Key& k) {
    std::fprintf(stderr, "ini_fuzz: %s [%s] %s\n", what, qPrintable(k.first), qPrintable(k.second));
    std::abort();
}

// The keys the program reads from conf.ini, and every section and key the text names.
QList<Key> probes(const QByteArray& bytes) {
    QList<Key> out;
    for (const char* k : {"DBNAME", "DBUSER", "DBPWD", "COMGB", "IMIP"})
        out << Key(QStringLiteral("DB_SETTING"), QString::fromLatin1(k));
    for (const char* k : {"FTPServer", "FTPPort", "FTPUser", "FTPPass"})
        out << Key(QStringLiteral("FTP_SETTING"), QString::fromLatin1(k));
    out << Key(QStringLiteral("WORK_INFO"), QStringLiteral("WorkCd"))
        << Key(QStringLiteral("LOCAL_SETTING"), QStringLiteral("Backend"))
        << Key(QStringLiteral("LOCAL_SETTING"), QStringLiteral("SetClock"));
    QString section;
    const QStringList lines = TextCodec::fromSystem(bytes).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1Char('[')) && t.contains(QLatin1Char(']'))) {
            section = t.mid(1, t.indexOf(QLatin1Char(']')) - 1);
            out << Key(section, QStringLiteral("x"));
        } else if (t.indexOf(QLatin1Char('=')) > 0) {
            out << Key(section, t.left(t.indexOf(QLatin1Char('='))));
        }
    }
    return out;
}

bool sameKey(const Key& a, const Key& b) {
    return a.first.trimmed().compare(b.first.trimmed(), Qt::CaseInsensitive) == 0 &&
           a.second.trimmed().compare(b.second.trimmed(), Qt::CaseInsensitive) == 0;
}

bool hasAny(const QString& s, const char* chars) {
    for (const char* c = chars; *c; ++c)
        if (s.contains(QLatin1Char(*c)))
            return true;
    return s.contains(QChar(0));
}

// A section, key and value that a file line can hold so that the rules read them back.
bool writable(const Key& k, const QString& value) {
    const QString& s = k.first;
    const QString& key = k.second;
    if (s.isEmpty() || s != s.trimmed() || hasAny(s, "]\r\n"))
        return false;
    if (key.isEmpty() || key != key.trimmed() || hasAny(key, "=\r\n") ||
        key.startsWith(QLatin1Char('[')) || key.startsWith(QLatin1Char(';')))
        return false;
    const bool quoted = value.size() >= 2 &&
                        (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
                        value.back() == value.front();
    return value == value.trimmed() && !hasAny(value, "\r\n") && !quoted &&
           TextCodec::toSystem(value).size() <= 254;
}

const QString kMissing = QStringLiteral("<missing>");

void checkRead(const IniText& t, const Key& k, int bufferSize) {
    const QString v = t.value(k.first, k.second, kMissing, bufferSize);
    if (v.contains(QChar(0)) || v != v.trimmed())
        fail("value holds a NUL or outer spaces", k);
    if (TextCodec::toSystem(v).size() > qMax(0, bufferSize - 1))
        fail("value longer than its buffer", k);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 64 * 1024)
        return 0;
    FuzzedDataProvider in(data, size);
    const Key written(QString::fromStdString(in.ConsumeRandomLengthString(40)),
                      QString::fromStdString(in.ConsumeRandomLengthString(40)));
    const QString value = QString::fromStdString(in.ConsumeRandomLengthString(300));
    const int bufferSize = in.ConsumeIntegralInRange(-1, 300);
    const std::string rest = in.ConsumeRemainingBytesAsString();
    const QByteArray bytes(rest.data(), qsizetype(rest.size()));

    const IniText text(bytes);
    QList<Key> keys = probes(bytes);
    keys << written;
    for (const Key& k : keys)
        checkRead(text, k, bufferSize);

    // Written out and read back, the text gives every key as before.
    const IniText again(text.bytes());
    for (const Key& k : keys)
        if (again.value(k.first, k.second, kMissing) != text.value(k.first, k.second, kMissing))
            fail("value changed by writing the text out", k);

    IniText changed = text;
    changed.setValue(written.first, written.second, value);
    const IniText reread(changed.bytes());
    if (writable(written, value)) {
        if (changed.value(written.first, written.second, kMissing) != value ||
            reread.value(written.first, written.second, kMissing) != value)
            fail("written value does not read back", written);
        for (const Key& k : keys)
            if (!sameKey(k, written) && reread.value(k.first, k.second, kMissing) !=
                                            text.value(k.first, k.second, kMissing))
                fail("write changed another key", k);
    }
    return 0;
}
