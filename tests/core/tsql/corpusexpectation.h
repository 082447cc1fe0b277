#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The expected result of one corpus statement, read from its .expected file:
//
//   # comment: why the data gives this result
//   rows                   the rows of the statement's last result set follow, one a line,
//   a|b|NULL               cells joined by '|' (numbers without trailing zeros, NULL as NULL);
//                          no line before the next keyword means no rows
//   rows in any order      the same, for a statement without ORDER BY whose row order the
//                          server leaves open
//   rows over odbc         the rows over the SQLite ODBC driver where its limits (how it
//                          types result columns) make them differ; a comment says why
//   affected 2             the rows the batch inserted, updated or deleted, in all
//   after SELECT ...       a query run after the statement, inside its transaction; its
//   x|y                    rows follow as for "rows"
//   known-failing reason   the dialect differs from the server here; reported, not failed
struct CorpusExpectation {
    struct Query {
        QString text;
        QStringList rows;
    };

    std::optional<QStringList> rows;
    std::optional<QStringList> odbcRows;
    bool anyOrder = false;
    std::optional<qint64> affected;
    QList<Query> after;
    QString knownFailing;

    // Empty error text when the file is well formed.
    static CorpusExpectation parse(const QString& text, QString* error);
};
