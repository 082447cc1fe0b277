#include "tests/db/devdb.h"

#include "core/data/sqliteconnection.h"
#include "core/embeddeddialect.h"

#include <gtest/gtest.h>

DevDb::DevDb(const QString& file)
    : m_con(std::make_unique<SqliteConnection>(QString(), QString(), embeddedDialect())) {
    m_con->setFile(file);
    m_con->setCreateIfMissing(true);
    DbError e;
    EXPECT_TRUE(m_con->open(&e)) << e.description.toStdString();
}

DevDb::~DevDb() = default;

bool DevDb::exec(const QString& text, QString* error) {
    DbError e;
    const bool ok = m_con->execute(text, nullptr, &e);
    if (error)
        *error = e.description;
    return ok;
}

bool DevDb::load(const QString& script, QString* error) {
    DbError e;
    bool ok = m_con->begin(&e) && m_con->execute(script, nullptr, &e);
    if (ok)
        ok = m_con->commit(&e);
    else if (m_con->inTransaction())
        m_con->rollback(nullptr);
    if (error)
        *error = e.description;
    return ok;
}

Recordset DevDb::rows(const QString& text) {
    Recordset rs;
    DbError e;
    if (!m_con->select(text, &rs, &e))
        ADD_FAILURE() << "statement failed: " << e.description.toStdString() << "\n"
                      << text.toStdString();
    return rs;
}

QVariant DevDb::value(const QString& text) {
    const Recordset rs = rows(text);
    return rs.rowCount() > 0 ? rs.value(0, 0) : QVariant();
}
