#include "ui/common/clschart.h"

#include "core/data/dberror.h"
#include "core/data/recordset.h"
#include "core/modbas.h"
#include "core/notifier.h"
#include "ui/common/bindread.h"
#include "ui/common/chartview.h"

namespace {
constexpr int kNotConnected = -99;

DbError unknownColumn() {
    return DbError::make(3265, QStringLiteral("Item cannot be found in the collection "
                                              "corresponding to the requested name or ordinal."));
}
DbError nullValue() {
    return DbError::make(94, QStringLiteral("Invalid use of Null"));
}
DbError notANumber() {
    return DbError::make(13, QStringLiteral("Type mismatch"));
}

// Label as text and value as number of the current record; a NULL converts to neither.
bool takeRecord(const Recordset& rs, int labelCol, int valueCol, QVariantList* labels,
                QVariantList* values, DbError* e) {
    const QVariant label = rs.field(labelCol);
    const QVariant value = rs.field(valueCol);
    if (label.isNull() || value.isNull()) {
        *e = nullValue();
        return false;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok) {
        *e = notANumber();
        return false;
    }
    labels->append(label.toString());
    values->append(number);
    return true;
}
} // namespace

int clsChart::SetbindRS(const QString& sql, const QString& labelColumn, const QString& valueColumn,
                        const QString& caller) {
    return bind(sql, labelColumn, valueColumn, caller, 1);
}

int clsChart::SetbindRSGantt(const QString& sql, const QString& labelColumn,
                             const QString& valueColumn, const QString& caller) {
    return bind(sql, labelColumn, valueColumn, caller, 2);
}

// pairs: how many label/value list pairs the records are dealt into, one after the other.
int clsChart::bind(const QString& sql, const QString& labelColumn, const QString& valueColumn,
                   const QString& caller, int pairs) {
    Notifier& n = Notifier::current();
    n.setBusy(true);
    if (gConClosed()) {
        n.setBusy(false);
        return kNotConnected;
    }
    QList<QVariantList> labels(pairs), values(pairs);
    DbError e;
    bool ok = BindRead::open(sql, caller, &e);
    if (ok) {
        const int labelCol = gRs->columnIndex(labelColumn);
        const int valueCol = gRs->columnIndex(valueColumn);
        if (labelCol < 0 || valueCol < 0) {
            e = unknownColumn();
            ok = false;
        }
        gRs->moveFirst();
        for (int i = 0; ok && !gRs->eof(); ++i, gRs->moveNext())
            ok = takeRecord(*gRs, labelCol, valueCol, &labels[i % pairs], &values[i % pairs], &e);
    }
    if (!ok)
        return BindRead::fail(e, caller);
    gRs.close();
    QList<QVariantList> lists;
    for (int p = 0; p < pairs; ++p)
        lists << values[p] << labels[p];
    if (m_chart)
        m_chart->setListProvider(lists);
    n.setBusy(false);
    return 0;
}
