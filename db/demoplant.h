#pragma once

#include <QDate>
#include <QString>

// The demo plant as one T-SQL script of INSERT statements for a database created from
// db/schema.sql. Dates, order, run and lot numbers are relative to `today`, so every screen
// and board has content on that day. `pictureFolder` is where the inspection standards'
// reference pictures are (db/demo/pictures in the source tree); empty keeps bare file names.
class DemoPlant {
public:
    static QString sql(QDate today, const QString& pictureFolder = {});
};
