#pragma once

#include "core/data/connection.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <memory>
#include <optional>

// The statement helpers over the one connection gCon and the shared result gRs. Each takes
// the caller's location name for the error log. They always work on gCon: callers never
// pass another connection, and a reopened gCon is a new object, so none is taken as an
// argument.

// "DRIVER={<driver>};Server=..;UID=..;PWD=..; database =..;" from the global state.
QString gfCONNECTION_STRING();
// A new, unopened connection of the configured backend for gsDB_NAME.
std::unique_ptr<Connection> gfNEW_CONNECTION();
// Tests: gfNEW_CONNECTION hands out what factory makes instead (an empty factory restores the
// configured backend). A connection that comes with its connection string keeps it.
using ConnectionFactory = std::function<std::unique_ptr<Connection>()>;
void setConnectionFactory(ConnectionFactory factory);

bool gfDB_OPEN();
void gfDB_RECONNECT();

bool gfEXEC_SQL(const QString& sql, const QString& location);
bool gfEXEC_SQLS(const QStringList& sqls, const QString& location);
// As gfEXEC_SQLS, and every statement must change exactly `expected` rows.
bool gfEXEC_SQLS_COUNT(const QStringList& sqls, const QString& location, qint16 expected);
// A batch made from a number read inside the batch's own transaction, so the number cannot
// be taken by another terminal before the batch commits: begin; read the first value of
// numberSql ("" for no row or NULL); build turns it into the batch or returns false to
// refuse it; run the batch (each element changing `expected` rows when given); commit.
// Refused and failed batches are rolled back; failures are reported as by gfEXEC_SQLS, a
// refusal is not reported (the caller tells the worker once the lock is released).
enum class NumberedBatch { Written, Refused, Failed };
using BatchFromNumber = std::function<bool(const QString& number, QStringList* batch)>;
NumberedBatch gfEXEC_SQLS_NUMBERED(const QString& numberSql, const BatchFromNumber& build,
                                   const QString& location,
                                   std::optional<qint16> expected = std::nullopt);
// A batch and a read in one transaction, so that no other terminal's statements come between
// them (a table every terminal shares, emptied and filled for one report): begin; run the
// batch; read `sql` into *rows; commit. Failures are rolled back and reported as by
// gfEXEC_SQLS.
bool gfEXEC_SQLS_READ(const QStringList& sqls, const QString& sql, const QString& location,
                      Recordset* rows);
// First row's values; {""} when there is no row, {} on failure.
QVariantList gfGET_ROW(const QString& sql, const QString& location);
// First value; "" on no row or NULL, an invalid QVariant on failure.
QVariant gfGET_VALUE(const QString& sql, const QString& location);
// Opens gRs on the statement (closed again when closeAfter); true when a row came back.
bool gfOPEN_RS(const QString& sql, bool closeAfter, const QString& location);
// Replaces gRs with the result of the statement on the default database gsDB_NAME;
// released at once when discard.
bool gfOPEN_QUERY(const QString& sql, bool discard);
