// Feeds arbitrary text to the lexer, the parser and the emitter: any input must end in a
// translation or a TranslateError, never a crash, hang or sanitizer report.
#include "core/tsql/catalog.h"
#include "core/tsql/emitter.h"
#include "core/tsql/parser.h"
#include "core/tsql/translateerror.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace {
// A fixed schema: one table with a column of every type the type pass knows.
class FixedCatalog : public tsql::Catalog {
public:
    FixedCatalog() {
        m_table.name = QStringLiteral("T");
        m_table.columns = {{QStringLiteral("n"), tsql::SqlType::Int, false},
                           {QStringLiteral("s"), tsql::SqlType::Text, false},
                           {QStringLiteral("f"), tsql::SqlType::Float, false},
                           {QStringLiteral("d"), tsql::SqlType::Numeric, false},
                           {QStringLiteral("t"), tsql::SqlType::DateTime, false},
                           {QStringLiteral("idx"), tsql::SqlType::Int, true}};
    }
    const tsql::TableInfo* table(const QString&, const QString& name) override {
        return name.compare(QLatin1String("T"), Qt::CaseInsensitive) == 0 ? &m_table : nullptr;
    }

private:
    tsql::TableInfo m_table;
};

void walk(tsql::Emitter& e, const tsql::Statement& s) {
    switch (s.kind) {
    case tsql::StatementKind::Block:
        for (const auto& b : s.body)
            walk(e, *b);
        return;
    case tsql::StatementKind::If:
        e.condition(*s.condition);
        walk(e, *s.thenBranch);
        if (s.elseBranch)
            walk(e, *s.elseBranch);
        return;
    default:
        e.statement(s);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 64 * 1024)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const tsql::Batch batch = tsql::Parser::parse(text);
        FixedCatalog catalog;
        tsql::Emitter emitter(catalog);
        for (const auto& s : batch.statements) {
            try {
                walk(emitter, *s);
            } catch (const tsql::TranslateError&) {
            }
        }
    } catch (const tsql::TranslateError&) {
    }
    return 0;
}
