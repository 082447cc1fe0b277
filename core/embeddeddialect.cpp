#include "core/embeddeddialect.h"

#include "core/data/sqlitedialect.h"

std::shared_ptr<SqliteDialect> embeddedDialect() {
    static const auto dialect = std::make_shared<PassThroughDialect>();
    return dialect;
}
