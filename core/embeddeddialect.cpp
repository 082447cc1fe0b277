#include "core/embeddeddialect.h"

#include "core/tsql/tsqldialect.h"

std::shared_ptr<SqliteDialect> embeddedDialect() {
    static const auto dialect = std::make_shared<TsqlDialect>();
    return dialect;
}
