#include "production/downtimestatements.h"

#include "production/statementtext.h"

namespace DowntimeStatements {

using namespace StatementText;

namespace {
QString day(const QDateTime& t) {
    return t.toString(QStringLiteral("yyyy-MM-dd"));
}
QString hourMinute(const QDateTime& t) {
    return t.toString(QStringLiteral("HH:mm"));
}
QString hms(const QDateTime& t) {
    return t.toString(QStringLiteral("HHmmss"));
}
} // namespace

QString stopInsert(const Stop& s) {
    QString q;
    add(&q, {"  INSERT INTO P_BIGADONG", "  (", "    Prod_No,", "    Seq,", "    Op_seq,",
             "    Op_seq_sub,", "    EquipMent_Code,", "    Bigadong_Code,", "    Biga_Date,",
             "    Sdate,", "    Stime,", "    Employee_su,", "    Bigo,", "    Last_Date,",
             "    Last_Time,", "    User_Id", "  )", "Values", "("});
    values(&q, {QString(), QString(), s.runNo.left(11), s.runNo, s.equipmentCode, QString(),
                s.orderDate, day(s.now), hourMinute(s.now), QString(), QString(), day(s.now),
                hms(s.now), s.userId});
    return q;
}

QString restartUpdate(const QString& equipmentCode, const QString& runNo, const QDateTime& now) {
    QString q;
    add(&q, {"UPDATE P_BIGADONG"});
    quoted(&q, "SET edate = '", day(now), "'");
    quoted(&q, "    ,etime = '", hourMinute(now), "'");
    add(&q, {"    ,min = datediff(minute,SDATE + ' ' + Stime , getdate())", "From P_BIGADONG"});
    quoted(&q, "WHERE equipment_code = '", equipmentCode, "'");
    quoted(&q, "AND OP_SEQ_SUB = '", runNo, "'");
    add(&q, {"AND Etime IS NULL"});
    return q;
}

QString realTimeUpdate(const QString& equipmentCode, bool stopped) {
    QString q;
    add(&q, {"UPDATE REAL_TIME"});
    add(&q, {stopped ? "SET bigadong = 'TRUE'," : "SET bigadong = 'FALSE',"});
    add(&q, {"    work_time = getdate()"});
    quoted(&q, "WHERE equipment_code = '", equipmentCode, "'");
    return q;
}

QString entryQuery(const QString& runNo, const QString& productCode) {
    QString q;
    add(&q, {"select p_bi.idx As [idx],"});
    quoted(&q, "   '", runNo, "' as [생산실적순번],");
    quoted(&q, "    '", productCode, "' As [제품코드],");
    add(&q, {"    b_bi1.bigadong_code As [비가동코드],", "    b_bi.bigadong_name As [비가동명],",
             "    ISNULL(p_bi.min,0) As[비가동시간]", "from B_BIGADONG b_bi1",
             "left join B_BIGADONG b_bi on b_bi.bigadong_code = b_bi1.bigadong_code"});
    quoted(&q,
           "left join P_BIGADONG p_bi on p_bi.Bigadong_Code = b_bi.bigadong_code AND "
           "p_bi.op_seq_sub= '",
           runNo, "'");
    add(&q, {"order by  b_bi1.bigadong_code"});
    return q;
}

QString reasonInsert(const Reason& r) {
    QString q;
    add(&q, {"INSERT INTO P_BIGADONG", "(", "    Prod_No,", "    Seq,", "    Op_seq,",
             "    Op_seq_sub,", "    bigadong_code,", "    employee_su,", "    Min,",
             "    EquipMent_Code,", "    Bigo,", "    Biga_date,", "    Last_Date,",
             "    Last_Time,", "    User_Id", ")", "Values", "("});
    values(&q, {QString(), QString(), r.runNo.left(11), r.runNo, r.code,
                QString::number(r.crewSize), QString::number(r.minutes), r.equipmentCode, r.remark,
                day(r.now), day(r.now), hms(r.now), r.userId});
    return q;
}

QString reasonUpdate(const Reason& r) {
    QString q;
    add(&q, {"    UPDATE  P_BIGADONG", "    SET"});
    // The minutes are a number the caller has checked; spliced without quotes.
    line(&q, QStringLiteral("        min = ") + QString::number(r.minutes) + QLatin1Char(','));
    quoted(&q, "        BIGO = '", r.remark, "',");
    quoted(&q, "        employee_su = '", r.crewText, "',");
    quoted(&q, "        biga_date = '", day(r.now), "', ");
    quoted(&q, "        User_id = '", r.userId, "',");
    quoted(&q, "        last_date = '", day(r.now), "',");
    quoted(&q, "        last_time = '", hms(r.now), "'");
    quoted(&q, "    WHERE op_seq_sub = '", r.runNo, "'");
    quoted(&q, "    and bigadong_code = '", r.code, "'");
    return q;
}

QString reasonDelete(const QString& runNo, const QString& code) {
    QString q;
    add(&q, {"    DELETE  P_BIGADONG"});
    quoted(&q, "    WHERE op_seq_sub = '", runNo, "'");
    quoted(&q, "    and bigadong_code = '", code, "'");
    return q;
}

} // namespace DowntimeStatements
