#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

// The mes-sql command: runs a T-SQL batch on an embedded database file through the dialect
// and prints every result set as tab-separated lines (a header of column names first), or
// with --translate the SQLite text instead. Returns the exit code: 0, 1 on an error (the
// message on standard error), 2 on a wrong command line.
class MesSqlCommand {
public:
    int run(const QStringList& args, FILE* in, FILE* out, FILE* err);
};
