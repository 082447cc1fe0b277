#include "tools/mes-sql/mesqlcommand.h"

#include "core/data/sqliteconnection.h"
#include "core/data/sqlitesession.h"
#include "core/platform/clock.h"
#include "core/tsql/tsqldialect.h"
#include "core/tsql/valuetext.h"

#include <QFile>

#include <memory>

namespace {

const char* const kUsage =
    "usage: mes-sql --db FILE [--now 'yyyy-mm-dd hh:mm:ss'] [--translate] [-e TEXT | < FILE]\n";

void write(FILE* f, const QString& s) {
    const QByteArray utf8 = s.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), f);
}

// A cell on one line: tabs and line feeds inside a value would break the columns.
QString cell(const QVariant& v) {
    QString s = tsql::valueText(v);
    s.replace(QLatin1Char('\t'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    s.remove(QLatin1Char('\r'));
    return s;
}

void print(FILE* out, const Recordset& rs) {
    QStringList header;
    for (int c = 0; c < rs.columnCount(); ++c)
        header << rs.columnName(c);
    write(out, header.join(QLatin1Char('\t')) + QLatin1Char('\n'));
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.columnCount(); ++c)
            cells << cell(rs.value(r, c));
        write(out, cells.join(QLatin1Char('\t')) + QLatin1Char('\n'));
    }
}

QString readAll(FILE* in) {
    QFile f;
    if (!f.open(in, QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

} // namespace

int MesSqlCommand::run(const QStringList& args, FILE* in, FILE* out, FILE* err) {
    QString db;
    QString now;
    QString text;
    bool haveText = false;
    bool translate = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        // A file name or time never starts with "--": that is the next option, which would
        // otherwise become the name of a new database file.
        const bool hasOptionValue = hasValue && !args[i + 1].startsWith(QLatin1String("--"));
        if (a == u"--db" && hasOptionValue) {
            db = args[++i];
        } else if (a == u"--now" && hasOptionValue) {
            now = args[++i];
        } else if (a == u"-e" && hasValue) {
            text = args[++i];
            haveText = true;
        } else if (a == u"--translate") {
            translate = true;
        } else {
            write(err, QString::fromLatin1(kUsage));
            return 2;
        }
    }
    if (db.isEmpty()) {
        write(err, QString::fromLatin1(kUsage));
        return 2;
    }
    if (!now.isEmpty()) {
        const QDateTime t = QDateTime::fromString(now, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!t.isValid()) {
            write(
                err,
                QStringLiteral("mes-sql: --now wants 'yyyy-mm-dd hh:mm:ss', not '%1'\n").arg(now));
            return 2;
        }
        Clock::setFixed(t);
    }
    if (!haveText)
        text = readAll(in);

    auto dialect = std::make_shared<TsqlDialect>();
    SqliteConnection con(QString(), QString(), dialect);
    con.setFile(db);
    con.setCreateIfMissing(true); // seeding a new database starts from an empty file
    DbError e;
    if (!con.open(&e)) {
        write(err, e.description + QLatin1Char('\n'));
        return 1;
    }
    if (translate) {
        QString sqlite;
        if (!dialect->translate(con.handle(), text, &sqlite, &e)) {
            write(err, e.description + QLatin1Char('\n'));
            return 1;
        }
        write(out, sqlite + QLatin1Char('\n'));
        return 0;
    }
    // One transaction for the batch: a failing statement leaves nothing of it behind.
    if (!con.begin(&e)) {
        write(err, e.description + QLatin1Char('\n'));
        return 1;
    }
    SqliteSession session(con.handle());
    qint64 affected = 0;
    const bool ok = dialect->runBatch(
        session, text, [&](const Recordset& rs) { print(out, rs); }, &affected, &e);
    if (!ok) {
        DbError ignored;
        con.rollback(&ignored);
        write(err, e.description + QLatin1Char('\n'));
        return 1;
    }
    if (!con.commit(&e)) {
        write(err, e.description + QLatin1Char('\n'));
        return 1;
    }
    std::fflush(out);
    return 0;
}
