#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>

// A T-SQL script built statement by statement, each statement on its own line and closed
// by ";". Values become literals: texts quoted (N'' when they hold non-ASCII characters, so
// Korean survives on a server whose default code page is another), numbers plain, an
// invalid QVariant NULL.
class SqlScript {
public:
    using Columns = QList<std::pair<QString, QVariant>>;

    void comment(const QString& text);
    void add(const QString& statement);
    void insert(const QString& table, const Columns& columns);

    static QString literal(const QVariant& value);
    QString text() const { return m_lines.join(QLatin1Char('\n')) + QLatin1Char('\n'); }
    int statementCount() const { return m_statements; }

private:
    QStringList m_lines;
    int m_statements = 0;
};
