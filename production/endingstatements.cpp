#include "production/endingstatements.h"

#include "core/modfn.h"
#include "production/statementtext.h"

namespace EndingStatements {

using namespace StatementText;

namespace {
const char* const kStock = "S_PRODUCT_STORE";
const char* const kGoods = "P_PRODUCT_STORE";
const char* const kJoinProduct =
    "RIGHT jOIN B_PRODUCT_MASTER AA  ON A.PRODUCT_CODE = AA.PRODUCT_CODE";
const char* const kJoinMaterial =
    "RIGHT JOIN B_PRODUCT_MASTER AA  ON A.PRODUCT_CODE = AA.PRODUCT_CODE";

QString n(qint64 v) {
    return QString::number(v);
}

// A negative amount right after a minus sign goes in parentheses: "--" would begin a comment
// and cut the rest of the line off.
QString afterMinus(qint64 v) {
    return v < 0 ? QLatin1Char('(') + n(v) + QLatin1Char(')') : n(v);
}

QString str(const QString& v) {
    return gfSQL_STR(v);
}

// Rows of the product dated after today move by the same amount as the new movement.
// `gap` is the space the text has before "And".
QString laterRows(const char* table, const char* sign, qint64 qty, const QString& product,
                  const QString& today, const char* gap) {
    QString q;
    line(&q, QStringLiteral(" Update ") + QString::fromLatin1(table));
    line(&q, QStringLiteral(" Set Jego_Su = Jego_Su ") + QString::fromLatin1(sign) + n(qty));
    line(&q, QStringLiteral(" WHERE product_code = '") + str(product) + QLatin1Char('\'') +
                 QString::fromLatin1(gap) + QStringLiteral("And reg_date > '") + str(today) +
                 QLatin1Char('\''));
    return q;
}

// A movement's insert up to its SELECT: the table and its column list, receipt or issue.
void movementHead(QString* q, const char* table, bool receipt, bool lowerIssue) {
    line(q, QStringLiteral("  INSERT INTO  ") + QString::fromLatin1(table));
    add(q, {"("});
    if (receipt)
        add(q, {"    IPGO_NO,", "    IPGO_NO_SUB,", "    PRODUCT_CODE,", "    IPGO_SU,"});
    else if (lowerIssue)
        add(q, {"    culgo_no,", "    culgo_no_sub,", "    PRODUCT_CODE,", "    culgo_su,"});
    else
        add(q, {"    CULGO_NO,", "    CULGO_NO_SUB,", "    PRODUCT_CODE,", "    CULGO_SU,"});
    add(q, {"    CULGO_TYPE,", "    lot_no,", "    JEGO_SU,", "    REG_DATE,", "    last_date,",
            "    last_time,", "    user_id", "    )", " SELECT "});
}

struct Movement {
    const char* table;
    bool receipt;
    bool lowerIssue;
    QString product;
    qint64 qty;
    const char* label;
    const char* lotPrefix;
    QString lot;
    const char* joinLine;
};

QString movement(const Stock& s, const Movement& m) {
    QString q;
    movementHead(&q, m.table, m.receipt, m.lowerIssue);
    quoted(&q, " '", s.runNo.left(11), "',");
    quoted(&q, " '", s.runNo, "',");
    quoted(&q, " '", m.product, "',");
    line(&q, QStringLiteral("  ") + n(m.qty) + QLatin1Char(','));
    line(&q, QStringLiteral(" '") + QString::fromUtf8(m.label) + QStringLiteral("',"));
    quoted(&q, m.lotPrefix, m.lot, "',");
    if (m.receipt)
        line(&q, QStringLiteral("     isnull(C.jego_su +") + n(m.qty) + QStringLiteral(", ") +
                     n(m.qty) + QStringLiteral("), "));
    else if (m.lowerIssue)
        line(&q, QStringLiteral("     isnull(C.jego_su -") + afterMinus(m.qty) +
                     QStringLiteral(", - ") + n(m.qty) + QStringLiteral("), "));
    else
        line(&q, QStringLiteral("     isnull(C.jego_su-") + n(m.qty) + QStringLiteral(", - ") +
                     n(m.qty) + QStringLiteral("), "));
    quoted(&q, "    '", s.today, "',");
    add(&q, {"    substring(convert(varchar, getdate(), 121),1,10),",
             "    replace(convert(varchar, getdate(), 108),':',''),"});
    quoted(&q, "    '", s.user, "'");
    q += balanceBlock(QString::fromLatin1(m.table), m.product, s.today, m.joinLine);
    return q;
}

QString runLot(const QString& lot, const QString& runNo) {
    QString q;
    add(&q, {"UPDATE P_SM", "SET"});
    quoted(&q, "    lot_no ='", lot, "'");
    add(&q, {"FROM P_SANGSAN_MASTER P_SM", "WHERE"});
    quoted(&q, "    P_SM.Op_seq_sub='", runNo, "'");
    return q;
}

QString lotHistory(const Stock& s, const QString& lot, const Material& m) {
    QString q;
    add(&q, {"INSERT INTO S_LOT_HISTORY", "(ipgo_no_sub", ",ipgo_product_code", ",culgo_no_sub",
             ",culgo_product_code", ",lot_no", ",culgo_lot_no", ",process_code", ",equipment_code",
             ",reg_date)", "Values"});
    quoted(&q, "('", s.runNo, "'");
    quoted(&q, ",'", s.product, "'");
    add(&q, {",''"});
    quoted(&q, ",'", m.code, "'");
    quoted(&q, ",'", lot, "'");
    quoted(&q, ",'", m.lot, "'");
    quoted(&q, ",'", s.processCode.isEmpty() ? QStringLiteral("Empty") : s.processCode, "'");
    quoted(&q, ",'", s.machine, "'");
    quoted(&q, ",'", s.today, "')");
    return q;
}

QString goodsReceipt(const Stock& s, const QString& lot, const QString& nowHms) {
    QString q;
    add(&q, {"Insert into P_PRODUCT_IPGO", "    (ipgo_no,", "    ipgo_no_sub,", "    ipgo_date,",
             "    product_code,", "    lot_no,", "    operation_no_sub,", "    ipgo_su,",
             "    palette_su,", "    ipgo_price,", "    ipgo_price_sum,", "    bigo,",
             "    employee_no,", "    last_date,", "    last_time,", "    user_id)", "Values"});
    quoted(&q, "    ('", s.runNo.left(11), "',");
    values(&q, {s.runNo, s.today, s.product, lot, s.runNo}, false);
    line(&q, QStringLiteral("     ") + n(s.deltaGood) + QLatin1Char(','));
    add(&q, {"     0,", "     0,", "     0,", "    '',"});
    values(&q, {s.user, s.today, nowHms, s.user});
    return q;
}
} // namespace

QString lotNumber(const QString& lineNo, const QString& shift) {
    return lineNo.left(8) + QLatin1Char('/') +
           QLatin1Char(shift == QStringLiteral("주간") ? 'A' : 'B');
}

QString balanceBlock(const QString& table, const QString& product, const QString& today,
                     const char* joinLine) {
    // The reads are limited to the product's rows, so that the locks taken cover those rows
    // alone rather than the whole ledger.
    const QString locked = table + QStringLiteral(" WITH (UPDLOCK, HOLDLOCK)");
    QString q;
    add(&q, {"From (  Select PRODUCT_CODE,", "   Max(reg_date) As reg_date"});
    line(&q, QStringLiteral(" From ") + locked);
    quoted(&q, "  Where reg_date <='", today, "'");
    quoted(&q, "   And PRODUCT_CODE = '", product, "'");
    add(&q, {" Group by PRODUCT_CODE) A", " Join ( Select PRODUCT_CODE,reg_date,",
             "  Max(idx) As idx"});
    line(&q, QStringLiteral("  From ") + locked);
    quoted(&q, "  Where reg_date <= '", today, "'");
    quoted(&q, "   And PRODUCT_CODE = '", product, "'");
    add(&q, {"  Group by PRODUCT_CODE,reg_date) B On A.PRODUCT_CODE = B.PRODUCT_CODE And "
             "A.reg_date = B.reg_date"});
    line(&q, QStringLiteral("Join ") + table +
                 QStringLiteral(" C WITH (UPDLOCK, HOLDLOCK) On "
                                "B.idx = C.idx"));
    line(&q, QString::fromLatin1(joinLine));
    quoted(&q, " WHERE AA.PRODUCT_CODE = '", product, "'");
    return q;
}

void lsStockSave(const Stock& s, const QList<Material>& materials, QStringList* batch) {
    const QString lot = lotNumber(s.lineNo, s.shift);
    *batch << runLot(lot, s.runNo);
    *batch << laterRows(kStock, "+ ", s.deltaGood, s.product, s.today, " ");
    *batch << movement(
        s, {kStock, true, false, s.product, s.deltaGood, "재공품추가", " '", lot, kJoinProduct});
    for (const Material& m : materials) {
        *batch << laterRows(kStock, "- ", m.quantity, m.code, s.today, "  ");
        *batch << movement(s, {kStock, false, false, m.code, m.quantity, "재공품소모", " '", m.lot,
                               kJoinMaterial});
        *batch << lotHistory(s, lot, m);
    }
    if (s.productClass != QStringLiteral("완제품"))
        return;
    *batch << laterRows(kStock, "- ", s.deltaGood, s.product, s.today, " ");
    *batch << movement(
        s, {kStock, false, true, s.product, s.deltaGood, "제품투입", "    '", lot, kJoinProduct});
    *batch << goodsReceipt(s, lot, s.nowHms);
    *batch << laterRows(kGoods, "+ ", s.deltaGood, s.product, s.today, " ");
    *batch << movement(
        s, {kGoods, true, false, s.product, s.deltaGood, "제품입고", "    '", lot, kJoinProduct});
}

void lsResultSave(const Result& r, QStringList* batch) {
    QString line1;
    add(&line1, {"UPDATE P_SM ", "SET"});
    line(&line1, QStringLiteral("    Qty = ") + n(r.good) + QLatin1Char(','));
    line(&line1, QStringLiteral("    Bad_Qty = ") + n(r.bad) + QLatin1Char(','));
    quoted(&line1, "    end_yn = '", r.endState, "'");
    add(&line1, {"FROM B_JAKUPJISI_MASTER P_SM"});
    quoted(&line1, "Where P_SM.Seq = '", r.lineNo, "'");
    *batch << line1;

    QString run;
    add(&run, {"UPDATE P_SM", "SET"});
    line(&run, QStringLiteral("    Qty=") + n(r.good) + QLatin1Char(','));
    line(&run, QStringLiteral("    Bad_Qty=") + n(r.bad) + QLatin1Char(','));
    quoted(&run, "    EDATE='", r.today, "',");
    quoted(&run, "    ETIME='", r.now, "',");
    quoted(&run, "    SDATE='", r.orderDate, "',");
    quoted(&run, "    STIME='", r.startTime, "',");
    quoted(&run, "    MIN='", r.minutes, "',");
    quoted(&run, "    EMPLOYEE_SU ='", n(r.crewSize), "',");
    quoted(&run, "    employee_no ='", r.worker, "',");
    quoted(&run, "    Last_date='", r.today, "',");
    quoted(&run, "    Last_time='", r.nowHms, "',");
    quoted(&run, "    User_id='", r.user, "'");
    add(&run, {"FROM P_SANGSAN_MASTER P_SM", "WHERE"});
    quoted(&run, "    P_SM.Op_seq_sub='", r.runNo, "'");
    *batch << run;

    if (r.mould.isEmpty())
        return;
    QString shots;
    add(&shots, {"Insert Into  B_METALLIC_COUNT", "(", "    Op_Seq_sub,", "    mold_no,",
                 "    Product_Code,", "    Qty,", "    jakup_Date,", "    Last_date,",
                 "    Last_time,", "    User_id )", " Values "});
    quoted(&shots, "    ('", r.runNo, "',");
    values(&shots, {r.mould, r.product}, false);
    line(&shots, QStringLiteral("    ") + n(r.good) + QStringLiteral(" + ") + n(r.bad) +
                     QStringLiteral(" ,"));
    values(&shots, {r.today, r.today, r.nowHms, r.user});
    *batch << shots;
}

} // namespace EndingStatements
