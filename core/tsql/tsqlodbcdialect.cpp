#include "core/tsql/tsqlodbcdialect.h"

#include "core/data/statementrunner.h"
#include "core/tsql/batchrunner.h"
#include "core/tsql/emitter.h"
#include "core/tsql/handlestate.h"
#include "core/tsql/runnercatalog.h"
#include "core/tsql/sqlquote.h"
#include "core/tsql/tsqldialect.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {
// The SQLite ODBC driver wraps SQLite's message as "[SQLite]<message> (<code>)". The runtime
// functions' messages are the server's own, and their server numbers are found by the
// message: hand them on bare, as the embedded backend does.
class DriverMessageRunner : public StatementRunner {
public:
    explicit DriverMessageRunner(StatementRunner& native) : m_native(native) {}

    bool run(const QString& nativeText, Recordset* result, qint64* changes, DbError* err) override {
        if (m_native.run(nativeText, result, changes, err))
            return true;
        if (err) {
            static const QRegularExpression decoration(
                QStringLiteral("^(\\[[^\\]]*\\])+|\\s\\(-?\\d+\\)$"));
            err->description.remove(decoration);
        }
        return false;
    }

private:
    StatementRunner& m_native;
};
} // namespace

TsqlOdbcDialect::TsqlOdbcDialect() = default;
TsqlOdbcDialect::~TsqlOdbcDialect() = default;

bool TsqlOdbcDialect::prepare(StatementRunner& native, DbError* err) {
    m_state.reset();
    // Without the functions every translated statement that calls one would fail later.
    Recordset rs;
    DbError local;
    if (!native.run(QStringLiteral("SELECT tsql_isnumeric('1')"), &rs, nullptr, &local)) {
        if (err)
            *err = DbError::make(kGenericErrorNumber,
                                 QStringLiteral("the T-SQL functions are not loaded on this "
                                                "connection (the driver's LoadExt option): ") +
                                     local.description);
        return false;
    }
    if (!native.run(QStringLiteral("SELECT file FROM pragma_database_list WHERE name = 'main'"),
                    &rs, nullptr, err))
        return false;
    m_file = rs.rowCount() > 0 ? rs.value(0, 0).toString() : QString();
    const QString companion = TsqlDialect::companionFile(m_file);
    QString attach = QStringLiteral("ATTACH DATABASE ");
    tsql::appendQuoted(attach, companion, QLatin1Char('\''));
    attach += QStringLiteral(" AS ") + QLatin1String(tsql::kGlobalTempSchema);
    if (!native.run(attach, nullptr, nullptr, err))
        return false;
    if (companion != u":memory:" && !native.run(QStringLiteral("PRAGMA %1.journal_mode=WAL")
                                                    .arg(QLatin1String(tsql::kGlobalTempSchema)),
                                                &rs, nullptr, err))
        return false;
    m_state = std::make_unique<tsql::HandleState>(std::make_unique<tsql::RunnerCatalog>(native));
    return true;
}

bool TsqlOdbcDialect::run(StatementRunner& native, const QString& text, Recordset* result,
                          qint64* affected, DbError* err) {
    if (!m_state) {
        if (err)
            *err = DbError::make(
                kGenericErrorNumber,
                QStringLiteral("the T-SQL dialect was not prepared on this connection"));
        return false;
    }
    bool any = false;
    DriverMessageRunner bare(native);
    const bool ok = tsql::runBatch(
        *m_state, bare, text,
        [&](Recordset& rs) {
            if (result)
                *result = std::move(rs);
            any = true;
        },
        affected, err);
    if (ok && result && !any)
        *result = Recordset();
    return ok;
}

bool TsqlOdbcDialect::useDatabase(StatementRunner&, const QString& name, DbError* err) {
    if (QFileInfo(m_file).completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
        return true;
    if (err)
        *err = DbError::make(911, QStringLiteral("Database '%1' does not exist. Make sure that "
                                                 "the name is entered correctly.")
                                      .arg(name));
    return false;
}
