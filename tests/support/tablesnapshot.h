#pragma once

#include <QMap>
#include <QStringList>

#include <functional>

// Every row of each table, read with the given reader (a fixture's checkRows): comparing two
// snapshots shows exactly which tables a step changed.
using TableRows = QMap<QString, QString>;

inline TableRows snapshotTables(const QStringList& tables,
                                const std::function<QString(const QString&)>& rows) {
    TableRows out;
    for (const QString& t : tables)
        out.insert(t, rows(QStringLiteral("SELECT * FROM ") + t));
    return out;
}

// The tables whose rows differ between two snapshots of the same tables.
inline QStringList changedTables(const TableRows& before, const TableRows& after) {
    QStringList out;
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (after.value(it.key()) != it.value())
            out << it.key();
    return out;
}
