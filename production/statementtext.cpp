#include "production/statementtext.h"

#include "core/modfn.h"

namespace StatementText {

void quoted(QString* s, const char* prefix, const QString& value, const char* suffix) {
    line(s, QString::fromUtf8(prefix) + gfSQL_STR(value) + QString::fromUtf8(suffix));
}

void values(QString* s, std::initializer_list<QString> values, bool closes) {
    qsizetype left = qsizetype(values.size());
    for (const QString& v : values)
        quoted(s, "    '", v, --left == 0 && closes ? "')" : "',");
}

} // namespace StatementText
