#include "tests/core/tsql/tsqldb.h"

#include "core/tsql/tsqldialect.h"
#include "core/tsql/valuetext.h"

#include <QFile>

#include <gtest/gtest.h>

TsqlDb::TsqlDb(const QString& file, std::shared_ptr<TsqlDialect> dialect)
    : m_dialect(dialect ? std::move(dialect) : std::make_shared<TsqlDialect>()) {
    openEmbedded(file);
}

TsqlDb::TsqlDb(const QString& file, Backend backend) {
    if (backend == Backend::Embedded) {
        m_dialect = std::make_shared<TsqlDialect>();
        openEmbedded(file);
        return;
    }
    m_con = OdbcSqlite::connection(file, true);
    DbError e;
    EXPECT_TRUE(m_con->open(&e)) << e.description.toStdString();
}

void TsqlDb::openEmbedded(const QString& file) {
    auto con = std::make_unique<SqliteConnection>(QString(), QString(), m_dialect);
    con->setFile(file);
    con->setCreateIfMissing(true);
    m_sqlite = con.get();
    m_con = std::move(con);
    DbError e;
    EXPECT_TRUE(m_con->open(&e)) << e.description.toStdString();
}
QString TsqlDb::exec(const QString& text, qint64* affected) {
    DbError e;
    const bool ok = m_con->execute(text, affected, &e);
    m_lastErrorNumber = e.number;
    if (!ok)
        return QStringLiteral("ERROR: ") + e.description;
    return QString();
}

QString TsqlDb::run(const QString& text) {
    Recordset rs;
    DbError e;
    const bool ok = m_con->select(text, &rs, &e);
    m_lastErrorNumber = e.number;
    if (!ok)
        return QStringLiteral("ERROR: ") + e.description;
    QStringList lines;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < rs.columnCount(); ++c)
            cells << tsql::valueText(rs.value(r, c));
        lines << cells.join(QLatin1Char('|'));
    }
    return lines.join(QLatin1Char('\n'));
}

QStringList TsqlDb::columns(const QString& text) {
    Recordset rs;
    DbError e;
    if (!m_con->select(text, &rs, &e))
        return {QStringLiteral("ERROR: ") + e.description};
    QStringList names;
    for (int c = 0; c < rs.columnCount(); ++c)
        names << rs.columnName(c);
    return names;
}

QString TsqlDb::schemaText() {
    QFile f(QStringLiteral(MES_SOURCE_DIR "/db/schema.sql"));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

void TsqlDb::loadSchema() {
    const QString schema = schemaText();
    ASSERT_FALSE(schema.isEmpty()) << "db/schema.sql not found";
    DbError e;
    ASSERT_TRUE(m_con->execute(schema, nullptr, &e)) << e.description.toStdString();
}
