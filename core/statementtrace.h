#pragma once

#include "core/data/dberror.h"

#include <QElapsedTimer>
#include <QString>

// Appends one line per statement the helpers send to the trace file named in the
// configuration (TraceFile): time, location, duration in microseconds, rows, error and
// the statement. Off when no file is named; never fails outward.
class StatementTrace {
public:
    StatementTrace(QString location, QString text);
    // rows: affected rows for a change, result rows for a read.
    void finish(qint64 rows, const DbError& err);

    static bool enabled();
    static QString line(const QString& when, const QString& location, qint64 micros, qint64 rows,
                        const DbError& err, const QString& text);

private:
    QString m_location;
    QString m_text;
    QElapsedTimer m_timer;
    bool m_on;
};
