#include "db/dbscripts.h"

#include <QFile>

QString DbScripts::schema() {
    QFile f(QStringLiteral(":/db/schema.sql"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}
