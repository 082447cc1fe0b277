#include "production/ticketstatements.h"

#include "core/modfn.h"

#include <QDate>
#include <QStringList>

namespace {
QString lines(const QStringList& l) {
    return QLatin1Char('\n') + l.join(QLatin1Char('\n'));
}

QString quoted(const QString& value) {
    return QLatin1Char('\'') + gfSQL_STR(value) + QLatin1Char('\'');
}

QString starred(const QString& number) {
    return QStringLiteral("'*") + gfSQL_STR(number) + QStringLiteral("*'");
}

// "select  p_sm.<column>" of the run.
QString runValue(const QString& column, const QString& opSeqSub) {
    return lines({QStringLiteral("select  p_sm.") + column,
                  QStringLiteral("from p_sangsan_master p_sm"),
                  QStringLiteral("where p_sm.op_seq_sub = ") + quoted(opSeqSub)});
}
} // namespace

TicketValues TicketValues::of(const TicketRow& row, const QString& lot) {
    TicketValues v;
    v.processName = row.processName;
    v.carName = row.carName + QStringLiteral(" - CAR");
    v.carName3 = row.carName;
    v.qty = row.goodQty;
    v.paletteEa = row.goodQty;
    v.jakupDate = TicketSql::ticketDate(row.endDate);
    v.productCode = row.productCode;
    v.pumbun = row.pumbun;
    v.productName = row.productName;
    v.lotNo = lot;
    v.barcodeNumber = row.opSeqSub;
    v.employeeName = row.workerName;
    // The history grid has no remark column: the remark stays empty.
    v.opSeqSub = row.opSeqSub;
    return v;
}

namespace TicketSql {

QString palletQty(const QString& productCode) {
    return lines({QStringLiteral("SELECT B_PM.palette_ea"),
                  QStringLiteral("FROM B_PRODUCT_MASTER B_PM"),
                  QStringLiteral("Where B_PM.product_code = ") + quoted(productCode)});
}

QString runQty(const QString& opSeqSub) {
    return runValue(QStringLiteral("Qty"), opSeqSub);
}

QString runLot(const QString& opSeqSub) {
    return runValue(QStringLiteral("lot_no"), opSeqSub);
}

QString clear() {
    return QStringLiteral("\nDELETE S_DATAREPORT1");
}

QString insertLeft(const TicketValues& v) {
    QStringList l = {QStringLiteral("INSERT into S_DATAREPORT1"), QStringLiteral("(")};
    for (const char* column :
         {"idx", ",Process_name", ",Car_Name", ",Car_Name3", ",Qty", ",Palette_ea", ",Jakup_Date",
          ",Product_code", ",Pumbun", ",Product_name", ",Lot_no", ",BarCode", ",employee_name",
          ",Bigo", ",op_seq_sub"})
        l << QStringLiteral("    ") + QString::fromLatin1(column);
    l << QStringLiteral(")") << QStringLiteral("Values") << QStringLiteral("(")
      << QStringLiteral("    '1'");
    for (const QString* value : {&v.processName, &v.carName, &v.carName3, &v.qty, &v.paletteEa,
                                 &v.jakupDate, &v.productCode, &v.pumbun, &v.productName, &v.lotNo})
        l << QStringLiteral("    ,") + quoted(*value);
    l << QStringLiteral("    ,") + starred(v.barcodeNumber);
    for (const QString* value : {&v.employeeName, &v.bigo, &v.opSeqSub})
        l << QStringLiteral("    ,") + quoted(*value);
    l << QStringLiteral(" )");
    return lines(l);
}

QString updateRight(const TicketValues& v) {
    QStringList l = {QStringLiteral("UPDATE S_DATAREPORT1"), QStringLiteral("SET"),
                     QStringLiteral("    Process_name2 = ") + quoted(v.processName)};
    const std::pair<const char*, const QString*> plain[] = {
        {"Car_Name2", &v.carName},         {"Qty2", &v.qty},
        {"Palette_ea2", &v.paletteEa},     {"Jakup_Date2", &v.jakupDate},
        {"Product_code2", &v.productCode}, {"Pumbun2", &v.pumbun},
        {"Product_name2", &v.productName}, {"Lot_no2", &v.lotNo}};
    for (const auto& [column, value] : plain)
        l << QStringLiteral("    ,") + QString::fromLatin1(column) + QStringLiteral(" = ") +
                 quoted(*value);
    l << QStringLiteral("    ,BarCode2 = ") + starred(v.barcodeNumber)
      << QStringLiteral("    ,employee_name2 = ") + quoted(v.employeeName)
      << QStringLiteral("    ,Bigo2 = ") + quoted(v.bigo)
      << QStringLiteral("    ,op_seq_sub2 = ") + quoted(v.opSeqSub)
      << QStringLiteral("    where idx = '1'");
    return lines(l);
}

QString reportCommand() {
    return QStringLiteral(
        "SELECT Process_Name AS 공정명, Product_Name AS 품명, Car_Name AS 차종명, Car_Name3 AS "
        "차종명3, Pumbun AS 품번, Qty AS [LOT 수량], Palette_ea AS 용기수량, employee_name AS "
        "작업자, Jakup_Date AS 작업일자, Lot_no AS LOT_NO, BarCode AS 바코드, Bigo AS 비고, "
        "Process_Name2 AS 공정명2, Product_Name2 AS 품명2, Car_Name2 AS 차종명2, Pumbun2 AS "
        "품번2, Qty2 AS [LOT 수량2], Palette_ea2 AS 용기수량2, employee_name2 AS 작업자2, "
        "Jakup_Date2 AS 작업일자2, Lot_no2 AS LOT_NO2, BarCode2 AS 바코드2, Bigo2 AS 비고2, "
        "op_seq_sub AS 세부전표번호, op_seq_sub2 AS 세부전표번호2 FROM S_DATAREPORT1");
}

QString ticketDate(const QString& endDate) {
    const QDate d = QDate::fromString(endDate.trimmed().left(10), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        return QString();
    return d.toString(QStringLiteral("yyyy")) + QStringLiteral("년 ") +
           d.toString(QStringLiteral("MM")) + QStringLiteral("월 ") +
           d.toString(QStringLiteral("dd")) + QStringLiteral("일 ");
}

} // namespace TicketSql
