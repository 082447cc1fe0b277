#include "db/stockledger.h"

#include "db/sqlscript.h"

#include <QStringList>

#include <algorithm>

namespace {
const QString kAdvanceStock = QStringLiteral("선진행재고");

bool takenBefore(const QString& a, const QString& b) {
    const bool advanceA = a.contains(kAdvanceStock);
    const bool advanceB = b.contains(kAdvanceStock);
    if (advanceA != advanceB)
        return advanceA;
    return a < b;
}
} // namespace

void StockLedger::post(const Movement& m) {
    const qint64 signedQty = m.receipt ? m.qty : -m.qty;
    const qint64 balance = m_balance.value(m.product) + signedQty;
    m_balance[m.product] = balance;
    m_lots[m.product][m.lot] += signedQty;

    const QString noColumn = m.receipt ? QStringLiteral("ipgo_no") : QStringLiteral("culgo_no");
    const QString subColumn =
        m.receipt ? QStringLiteral("ipgo_no_sub") : QStringLiteral("culgo_no_sub");
    const QString qtyColumn = m.receipt ? QStringLiteral("ipgo_su") : QStringLiteral("culgo_su");
    m_script.insert(m_table, {{noColumn, m.no},
                              {subColumn, m.noSub},
                              {QStringLiteral("product_code"), m.product},
                              {qtyColumn, m.qty},
                              {QStringLiteral("culgo_type"), m.label},
                              {QStringLiteral("lot_no"), m.lot},
                              {QStringLiteral("jego_su"), balance},
                              {QStringLiteral("reg_date"), m.date},
                              {QStringLiteral("last_date"), m.date},
                              {QStringLiteral("last_time"), m.time},
                              {QStringLiteral("user_id"), m.user}});
}

QList<StockLedger::Piece> StockLedger::pick(const QString& product, qint64 need) const {
    QList<Piece> pieces;
    const auto lots = m_lots.value(product);
    QStringList names = lots.keys();
    std::sort(names.begin(), names.end(), takenBefore);
    for (const QString& lot : names) {
        if (need <= 0)
            break;
        const qint64 stock = lots.value(lot);
        if (stock <= 0)
            continue;
        const qint64 take = std::min(stock, need);
        pieces << Piece{lot, take};
        need -= take;
    }
    if (need > 0)
        pieces << Piece{QStringLiteral("0"), need};
    return pieces;
}

qint64 StockLedger::lotStock(const QString& product, const QString& lot) const {
    return m_lots.value(product).value(lot);
}
