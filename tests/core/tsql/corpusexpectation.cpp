#include "tests/core/tsql/corpusexpectation.h"

namespace {

bool keyword(const QString& line, const QString& word, QString* rest) {
    if (line != word && !line.startsWith(word + QLatin1Char(' ')))
        return false;
    *rest = line.mid(word.size()).trimmed();
    return true;
}

} // namespace

CorpusExpectation CorpusExpectation::parse(const QString& text, QString* error) {
    CorpusExpectation out;
    error->clear();
    QStringList* block = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1Char('#')))
            continue;
        QString rest;
        if (keyword(line, QStringLiteral("rows"), &rest) &&
            (rest.isEmpty() || rest == QLatin1String("in any order"))) {
            out.rows = QStringList();
            out.anyOrder = !rest.isEmpty();
            block = &*out.rows;
        } else if (keyword(line, QStringLiteral("rows"), &rest) &&
                   rest == QLatin1String("over odbc")) {
            out.odbcRows = QStringList();
            block = &*out.odbcRows;
        } else if (keyword(line, QStringLiteral("affected"), &rest)) {
            bool ok = false;
            out.affected = rest.toLongLong(&ok);
            if (!ok)
                *error = QStringLiteral("bad count: ") + line;
            block = nullptr;
        } else if (keyword(line, QStringLiteral("after"), &rest) && !rest.isEmpty()) {
            out.after.append({rest, {}});
            block = &out.after.last().rows;
        } else if (keyword(line, QStringLiteral("known-failing"), &rest)) {
            out.knownFailing = rest.isEmpty() ? QStringLiteral("(no reason given)") : rest;
        } else if (block) {
            block->append(line);
        } else if (!line.trimmed().isEmpty()) {
            *error = QStringLiteral("line outside a block: ") + line;
        }
    }
    // Blank lines that end a block only separate it from the next one.
    for (std::optional<QStringList>* rows : {&out.rows, &out.odbcRows})
        if (*rows)
            while (!(*rows)->isEmpty() && (*rows)->last().isEmpty())
                (*rows)->removeLast();
    for (Query& q : out.after)
        while (!q.rows.isEmpty() && q.rows.last().isEmpty())
            q.rows.removeLast();
    if (error->isEmpty() && out.odbcRows && !out.rows)
        *error = QStringLiteral("\"rows over odbc\" without \"rows\"");
    if (error->isEmpty() && !out.rows && !out.affected)
        *error = QStringLiteral("neither \"rows\" nor \"affected\"");
    return out;
}
