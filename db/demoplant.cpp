#include "db/demoplant.h"

#include "db/demomasterdata.h"
#include "db/demoproduction.h"
#include "db/sqlscript.h"

QString DemoPlant::sql(QDate today, const QString& pictureFolder) {
    SqlScript script;
    script.comment(
        QStringLiteral("Demo plant for %1; load into a database created from db/schema.sql.")
            .arg(DemoMasterData::date(today)));
    const DemoMasterData master(today, pictureFolder);
    master.write(script);
    DemoProduction(master, today).write(script);
    return script.text();
}
