#include "production/defectstatements.h"

#include "production/statementtext.h"

namespace DefectStatements {

using namespace StatementText;

namespace {
QString day(const QDateTime& t) {
    return t.toString(QStringLiteral("yyyy-MM-dd"));
}
QString hms(const QDateTime& t) {
    return t.toString(QStringLiteral("HHmmss"));
}
} // namespace

QString entryQuery(const QString& runNo, const QString& processCode, const QString& productCode) {
    QString q;
    add(&q, {"   Select", "    PBAD.idx as [IDX],"});
    quoted(&q, "    '", runNo, "' as [생산실적순번],");
    quoted(&q, "    '", processCode, "' As [공정코드],");
    quoted(&q, "    '", productCode, "' As [제품코드],");
    add(&q, {"    BPRO.ProcessBad_code as [공정불량코드],",
             "    BPRO.PROCESSBAD_NAME As [공정불량명],", "    ISNULL(Bad_Qty,0) As[불량수량],",
             "    isnull(PBAD.bigo,'') as [비고]", "  From B_PROCESSBAD BPRO"});
    quoted(&q,
           "  LEFT JOIN P_BADQTY PBAD ON BPRO.ProcessBad_code = PBAD.ProcessBad_code AND "
           "PBAD.op_seq_sub= '",
           runNo, "'");
    add(&q,
        {"LEFT JOIN", "    B_PROCESSBAD1 B_PR1 ON BPRO.processbad_code = B_PR1.processbad_code"});
    quoted(&q, "where B_PR1.process_code = '", processCode, "'");
    add(&q, {"ORDER BY BPRO.processbad_name"});
    return q;
}

QString defectInsert(const Defect& d) {
    QString q;
    add(&q, {"INSERT INTO P_BADQTY", "(", "    Prod_No,", "    Seq,", "    Op_seq,",
             "    Op_seq_sub,", "    ProcessBad_code,", "    Bad_Qty,", "    Process_Code,",
             "    EquipMent_Code,", "    Bigo,", "    Product_code,", "    Employee_no,",
             "    Last_Date,", "    Last_Time,", "    User_Id", ")", "Values", "("});
    values(&q, {QString(), QString(), d.runNo.left(11), d.runNo, d.code}, false);
    // The quantity is a number the caller has checked; spliced without quotes.
    line(&q, QStringLiteral("     ") + QString::number(d.quantity) + QLatin1Char(','));
    values(&q, {d.processCode, d.equipmentCode, d.remark, d.productCode, d.userId, day(d.now),
                hms(d.now), d.userId});
    return q;
}

QString defectUpdate(const Defect& d) {
    QString q;
    add(&q, {"    UPDATE  P_BADQTY", "    SET"});
    line(&q, QStringLiteral("        BAD_QTY = ") + QString::number(d.quantity) + QLatin1Char(','));
    quoted(&q, "        BIGO = '", d.remark, "',");
    quoted(&q, "        Employee_no = '", d.userId, "',");
    quoted(&q, "        User_id = '", d.userId, "',");
    quoted(&q, "        last_date = '", day(d.now), "',");
    quoted(&q, "        last_time = '", hms(d.now), "'");
    quoted(&q, "    WHERE op_seq_sub = '", d.runNo, "'");
    quoted(&q, "    and processbad_code = '", d.code, "'");
    return q;
}

QString defectDelete(const QString& runNo, const QString& code) {
    QString q;
    add(&q, {"    DELETE  P_BADQTY"});
    quoted(&q, "    WHERE op_seq_sub = '", runNo, "'");
    quoted(&q, "    and processbad_code = '", code, "'");
    return q;
}

QString runTotalUpdate(const QString& runNo, qint64 total) {
    QString q;
    add(&q, {"UPDATE P_SM", "SET"});
    line(&q, QStringLiteral("    Bad_Qty = ") + QString::number(total));
    add(&q, {"FROM P_SANGSAN_MASTER P_SM", "WHERE"});
    quoted(&q, "    P_SM.Op_seq_sub='", runNo, "'");
    return q;
}

} // namespace DefectStatements
