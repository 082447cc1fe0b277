#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Every table of the plant database the client touches, with the columns it uses.
struct CatalogueTable {
    QString name;
    QStringList columns;
};
QList<CatalogueTable> catalogue();
