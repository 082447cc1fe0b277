// Loading a grid from a statement.
#include "ui/common/clsspread.h"

#include "core/data/dberror.h"
#include "core/modbas.h"
#include "core/notifier.h"
#include "ui/common/bindread.h"
#include "ui/common/spreadmodel.h"
#include "ui/common/spreadview.h"

namespace {
constexpr int kNotConnected = -99;
} // namespace

int clsSpread::SetbindRS(const QString& sql, const QString& caller) {
    Notifier& n = Notifier::current();
    n.setBusy(true);
    // A closed connection is not reopened here: the caller gets -99 and keeps its rows.
    if (gConClosed()) {
        n.setBusy(false);
        return kNotConnected;
    }
    DbError e;
    if (!BindRead::open(sql, caller, &e))
        return BindRead::fail(e, caller);
    {
        const bool wasOn = m_grid && m_grid->updatesEnabled();
        if (m_grid)
            m_grid->setUpdatesEnabled(false);
        model()->load(*gRs);
        if (wasOn)
            m_grid->setUpdatesEnabled(true);
    }
    gRs.close();
    emitDataFill();
    n.setBusy(false);
    return MaxRows();
}

bool clsSpread::fillSpread(const QString& sql, DbError* err) {
    SpreadModel* m = model();
    m->setMaxRows(0);
    DbError e;
    Recordset rs;
    if (gConClosed() || !gCon->select(sql, &rs, &e)) {
        if (err)
            *err = e.isSet() ? e : DbError::objectClosed();
        return false;
    }
    const bool wasOn = m_grid && m_grid->updatesEnabled();
    if (m_grid)
        m_grid->setUpdatesEnabled(false);
    // 32-bit counters: a result of more than 32 767 rows loads like any other.
    const int records = rs.rowCount();
    const int cols = m->maxCols();
    for (int r = 0; r < records; ++r) {
        m->setMaxRows(m->maxRows() + 1);
        for (int c = 1; c <= cols; ++c) {
            std::vector<char16_t> text;
            SpreadCellStore::appendValue(rs.value(r, c - 1), text);
            m->setValue(m->maxRows(), c, QString::fromUtf16(text.data(), qsizetype(text.size())));
        }
    }
    if (wasOn)
        m_grid->setUpdatesEnabled(true);
    emitDataFill();
    return true;
}

void clsSpread::emitDataFill() {
    SpreadModel* m = model();
    for (int c = 1; c <= m->maxCols(); ++c) {
        if (!m->column(c).dataFill)
            continue;
        for (int r = 1; r <= m->maxRows(); ++r)
            emit dataFill(c, r);
    }
}
