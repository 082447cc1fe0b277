#pragma once

#include "core/data/dberror.h"

#include <QString>

// The loading path the grid and the chart share: the shared result gRs opened on a
// statement over the default database, and the quiet failure path of both.
namespace BindRead {
// Opens gRs on the statement; fails when gRs is still open from an earlier read.
bool open(const QString& sql, const QString& caller, DbError* e);
// Closes gRs, ends the busy pointer, reopens the connection after the provider's general
// failure and logs the error with the caller's name. No message box, so a board keeps
// cycling. Returns 0, the loading result after an error.
int fail(const DbError& e, const QString& caller);
} // namespace BindRead
