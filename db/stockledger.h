#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <utility>

class SqlScript;

// One stock ledger table (S_PRODUCT_STORE or P_PRODUCT_STORE) written movement by
// movement in date order, as the terminal posts them: each row carries the product's
// balance after it (jego_su), and lots are taken first-in first-out with advance stock
// ("선진행재고") ahead of every other lot.
class StockLedger {
public:
    struct Movement {
        QString no;    // ipgo_no / culgo_no
        QString noSub; // ipgo_no_sub / culgo_no_sub
        QString product;
        qint64 qty = 0; // positive; direction from `receipt`
        bool receipt = true;
        QString label; // culgo_type
        QString lot;
        QString date; // reg_date and last_date, "yyyy-mm-dd"
        QString time; // last_time, "hhmmss"
        QString user;
    };
    using Piece = std::pair<QString, qint64>; // lot, quantity

    StockLedger(QString table, SqlScript& script) : m_table(std::move(table)), m_script(script) {}

    void post(const Movement& m);
    // The lots that cover `need` of a product, in the order the terminal takes them. When
    // the lots run out the rest comes from lot "0", as at the terminal.
    QList<Piece> pick(const QString& product, qint64 need) const;
    qint64 balance(const QString& product) const { return m_balance.value(product); }
    qint64 lotStock(const QString& product, const QString& lot) const;

private:
    QString m_table;
    SqlScript& m_script;
    QHash<QString, qint64> m_balance;
    QHash<QString, QHash<QString, qint64>> m_lots; // product -> lot -> stock
};
