#pragma once

#include "core/data/dberror.h"
#include "core/data/recordset.h"

#include <QString>

// Runs statement text in the backend's own language on one open connection: the result of
// the last statement that returns columns (when result is not null) and the number of rows
// the text changed. Dialects translate the program's text and hand it to one of these.
class StatementRunner {
public:
    virtual ~StatementRunner() = default;
    virtual bool run(const QString& nativeText, Recordset* result, qint64* changes,
                     DbError* err) = 0;
};
