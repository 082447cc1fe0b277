#include "db/sqlscript.h"

#include <QMetaType>

void SqlScript::comment(const QString& text) {
    m_lines << QStringLiteral("-- ") + text;
}

void SqlScript::add(const QString& statement) {
    m_lines << statement + QLatin1Char(';');
    ++m_statements;
}

void SqlScript::insert(const QString& table, const Columns& columns) {
    QStringList names;
    QStringList values;
    for (const auto& [name, value] : columns) {
        names << name;
        values << literal(value);
    }
    add(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table, names.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))));
}

QString SqlScript::literal(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return QStringLiteral("NULL");
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 15);
    default:
        break;
    }
    const QString text = value.toString();
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    QString quoted = QLatin1Char('\'') +
                     QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) +
                     QLatin1Char('\'');
    return ascii ? quoted : QLatin1Char('N') + quoted;
}
