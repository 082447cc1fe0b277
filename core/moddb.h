#pragma once

#include "core/data/connection.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>

// The statement helpers over the one connection gCon and the shared result gRs. Each takes
// the caller's location name for the error log. They always work on gCon: callers never
// pass another connection, and a reopened gCon is a new object, so none is taken as an
// argument.

// "DRIVER={<driver>};Server=..;UID=..;PWD=..; database =..;" from the global state.
QString gfCONNECTION_STRING();
// A new, unopened connection of the configured backend for gsDB_NAME.
std::unique_ptr<Connection> gfNEW_CONNECTION();

bool gfDB_OPEN();
void gfDB_RECONNECT();

bool gfEXEC_SQL(const QString& sql, const QString& location);
bool gfEXEC_SQLS(const QStringList& sqls, const QString& location);
// As gfEXEC_SQLS, and every statement must change exactly `expected` rows.
bool gfEXEC_SQLS_COUNT(const QStringList& sqls, const QString& location, qint16 expected);
// First row's values; {""} when there is no row, {} on failure.
QVariantList gfGET_ROW(const QString& sql, const QString& location);
// First value; "" on no row or NULL, an invalid QVariant on failure.
QVariant gfGET_VALUE(const QString& sql, const QString& location);
// Opens gRs on the statement (closed again when closeAfter); true when a row came back.
bool gfOPEN_RS(const QString& sql, bool closeAfter, const QString& location);
// Replaces gRs with the result of the statement on the default database gsDB_NAME;
// released at once when discard.
bool gfOPEN_QUERY(const QString& sql, bool discard);
