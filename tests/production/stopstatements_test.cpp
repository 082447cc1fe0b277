// The statement texts of downtime recording and defect entry, line by line, and the rule that
// decides each entry row's statement.
#include "production/defectstatements.h"
#include "production/downtimestatements.h"
#include "production/entrysave.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {
// The statement as its lines (each statement starts with a line feed).
QStringList lines(const QString& sql) {
    EXPECT_TRUE(sql.startsWith(QLatin1Char('\n')));
    return sql.mid(1).split(QLatin1Char('\n'));
}
QStringList expected(std::initializer_list<const char*> text) {
    QStringList out;
    for (const char* l : text)
        out << QString::fromUtf8(l);
    return out;
}
const QDateTime kNow(QDate(2024, 3, 5), QTime(23, 50, 7));
const QString kRun = QStringLiteral("2024030500101");
} // namespace

TEST(DowntimeStatements, TimedStopAndRestart) {
    DowntimeStatements::Stop s{kRun, QStringLiteral("E'Q"), QStringLiteral("2024-03-04"),
                               QStringLiteral("E07"), kNow};
    EXPECT_EQ(lines(DowntimeStatements::stopInsert(s)), expected({"  INSERT INTO P_BIGADONG",
                                                                  "  (",
                                                                  "    Prod_No,",
                                                                  "    Seq,",
                                                                  "    Op_seq,",
                                                                  "    Op_seq_sub,",
                                                                  "    EquipMent_Code,",
                                                                  "    Bigadong_Code,",
                                                                  "    Biga_Date,",
                                                                  "    Sdate,",
                                                                  "    Stime,",
                                                                  "    Employee_su,",
                                                                  "    Bigo,",
                                                                  "    Last_Date,",
                                                                  "    Last_Time,",
                                                                  "    User_Id",
                                                                  "  )",
                                                                  "Values",
                                                                  "(",
                                                                  "    '',",
                                                                  "    '',",
                                                                  "    '20240305001',",
                                                                  "    '2024030500101',",
                                                                  "    'E''Q',",
                                                                  "    '',",
                                                                  "    '2024-03-04',",
                                                                  "    '2024-03-05',",
                                                                  "    '23:50',",
                                                                  "    '',",
                                                                  "    '',",
                                                                  "    '2024-03-05',",
                                                                  "    '235007',",
                                                                  "    'E07')"}));
    EXPECT_EQ(lines(DowntimeStatements::restartUpdate(QStringLiteral("E'Q"), kRun, kNow)),
              expected({"UPDATE P_BIGADONG", "SET edate = '2024-03-05'", "    ,etime = '23:50'",
                        "    ,min = datediff(minute,SDATE + ' ' + Stime , getdate())",
                        "From P_BIGADONG", "WHERE equipment_code = 'E''Q'",
                        "AND OP_SEQ_SUB = '2024030500101'", "AND Etime IS NULL"}));
    for (bool stopped : {true, false})
        EXPECT_EQ(lines(DowntimeStatements::realTimeUpdate(QStringLiteral("EQ1"), stopped)),
                  (QStringList{QStringLiteral("UPDATE REAL_TIME"),
                               stopped ? QStringLiteral("SET bigadong = 'TRUE',")
                                       : QStringLiteral("SET bigadong = 'FALSE',"),
                               QStringLiteral("    work_time = getdate()"),
                               QStringLiteral("WHERE equipment_code = 'EQ1'")}));
}

TEST(DowntimeStatements, EntryLoadAndSave) {
    EXPECT_EQ(lines(DowntimeStatements::entryQuery(QStringLiteral("R'1"), QStringLiteral("A-100"))),
              expected({"select p_bi.idx As [idx],", "   'R''1' as [생산실적순번],",
                        "    'A-100' As [제품코드],", "    b_bi1.bigadong_code As [비가동코드],",
                        "    b_bi.bigadong_name As [비가동명],",
                        "    ISNULL(p_bi.min,0) As[비가동시간]", "from B_BIGADONG b_bi1",
                        "left join B_BIGADONG b_bi on b_bi.bigadong_code = b_bi1.bigadong_code",
                        "left join P_BIGADONG p_bi on p_bi.Bigadong_Code = b_bi.bigadong_code AND "
                        "p_bi.op_seq_sub= 'R''1'",
                        "order by  b_bi1.bigadong_code"}));
    DowntimeStatements::Reason r;
    r.runNo = kRun;
    r.code = QStringLiteral("B'1");
    r.minutes = 15;
    r.crewSize = 2;
    r.crewText = QStringLiteral("2");
    r.equipmentCode = QStringLiteral("EQ1");
    r.userId = QStringLiteral("E07");
    r.now = kNow;
    EXPECT_EQ(lines(DowntimeStatements::reasonInsert(r)), expected({"INSERT INTO P_BIGADONG",
                                                                    "(",
                                                                    "    Prod_No,",
                                                                    "    Seq,",
                                                                    "    Op_seq,",
                                                                    "    Op_seq_sub,",
                                                                    "    bigadong_code,",
                                                                    "    employee_su,",
                                                                    "    Min,",
                                                                    "    EquipMent_Code,",
                                                                    "    Bigo,",
                                                                    "    Biga_date,",
                                                                    "    Last_Date,",
                                                                    "    Last_Time,",
                                                                    "    User_Id",
                                                                    ")",
                                                                    "Values",
                                                                    "(",
                                                                    "    '',",
                                                                    "    '',",
                                                                    "    '20240305001',",
                                                                    "    '2024030500101',",
                                                                    "    'B''1',",
                                                                    "    '2',",
                                                                    "    '15',",
                                                                    "    'EQ1',",
                                                                    "    '',",
                                                                    "    '2024-03-05',",
                                                                    "    '2024-03-05',",
                                                                    "    '235007',",
                                                                    "    'E07')"}));
    EXPECT_EQ(
        lines(DowntimeStatements::reasonUpdate(r)),
        expected({"    UPDATE  P_BIGADONG", "    SET", "        min = 15,", "        BIGO = '',",
                  "        employee_su = '2',", "        biga_date = '2024-03-05', ",
                  "        User_id = 'E07',", "        last_date = '2024-03-05',",
                  "        last_time = '235007'", "    WHERE op_seq_sub = '2024030500101'",
                  "    and bigadong_code = 'B''1'"}));
    EXPECT_EQ(lines(DowntimeStatements::reasonDelete(kRun, r.code)),
              expected({"    DELETE  P_BIGADONG", "    WHERE op_seq_sub = '2024030500101'",
                        "    and bigadong_code = 'B''1'"}));
}

TEST(DefectStatements, EntryLoadAndSave) {
    EXPECT_EQ(
        lines(DefectStatements::entryQuery(kRun, QStringLiteral("P'10"), QStringLiteral("A-100"))),
        expected(
            {"   Select", "    PBAD.idx as [IDX],", "    '2024030500101' as [생산실적순번],",
             "    'P''10' As [공정코드],", "    'A-100' As [제품코드],",
             "    BPRO.ProcessBad_code as [공정불량코드],",
             "    BPRO.PROCESSBAD_NAME As [공정불량명],", "    ISNULL(Bad_Qty,0) As[불량수량],",
             "    isnull(PBAD.bigo,'') as [비고]", "  From B_PROCESSBAD BPRO",
             "  LEFT JOIN P_BADQTY PBAD ON BPRO.ProcessBad_code = PBAD.ProcessBad_code "
             "AND PBAD.op_seq_sub= '2024030500101'",
             "LEFT JOIN", "    B_PROCESSBAD1 B_PR1 ON BPRO.processbad_code = B_PR1.processbad_code",
             "where B_PR1.process_code = 'P''10'", "ORDER BY BPRO.processbad_name"}));
    DefectStatements::Defect d;
    d.runNo = kRun;
    d.processCode = QStringLiteral("P10");
    d.productCode = QStringLiteral("A-100");
    d.equipmentCode = QStringLiteral("EQ1");
    d.code = QStringLiteral("D01");
    d.quantity = 3;
    d.remark = QStringLiteral("버 '과다'");
    d.userId = QStringLiteral("E07");
    d.now = kNow;
    EXPECT_EQ(lines(DefectStatements::defectInsert(d)), expected({"INSERT INTO P_BADQTY",
                                                                  "(",
                                                                  "    Prod_No,",
                                                                  "    Seq,",
                                                                  "    Op_seq,",
                                                                  "    Op_seq_sub,",
                                                                  "    ProcessBad_code,",
                                                                  "    Bad_Qty,",
                                                                  "    Process_Code,",
                                                                  "    EquipMent_Code,",
                                                                  "    Bigo,",
                                                                  "    Product_code,",
                                                                  "    Employee_no,",
                                                                  "    Last_Date,",
                                                                  "    Last_Time,",
                                                                  "    User_Id",
                                                                  ")",
                                                                  "Values",
                                                                  "(",
                                                                  "    '',",
                                                                  "    '',",
                                                                  "    '20240305001',",
                                                                  "    '2024030500101',",
                                                                  "    'D01',",
                                                                  "     3,",
                                                                  "    'P10',",
                                                                  "    'EQ1',",
                                                                  "    '버 ''과다''',",
                                                                  "    'A-100',",
                                                                  "    'E07',",
                                                                  "    '2024-03-05',",
                                                                  "    '235007',",
                                                                  "    'E07')"}));
    EXPECT_EQ(lines(DefectStatements::defectUpdate(d)),
              expected({"    UPDATE  P_BADQTY", "    SET", "        BAD_QTY = 3,",
                        "        BIGO = '버 ''과다''',", "        Employee_no = 'E07',",
                        "        User_id = 'E07',", "        last_date = '2024-03-05',",
                        "        last_time = '235007'", "    WHERE op_seq_sub = '2024030500101'",
                        "    and processbad_code = 'D01'"}));
    EXPECT_EQ(lines(DefectStatements::defectDelete(kRun, QStringLiteral("D'1"))),
              expected({"    DELETE  P_BADQTY", "    WHERE op_seq_sub = '2024030500101'",
                        "    and processbad_code = 'D''1'"}));
    EXPECT_EQ(
        lines(DefectStatements::runTotalUpdate(kRun, 3000000000LL)),
        expected({"UPDATE P_SM", "SET", "    Bad_Qty = 3000000000", "FROM P_SANGSAN_MASTER P_SM",
                  "WHERE", "    P_SM.Op_seq_sub='2024030500101'"}));
}

TEST(EntrySave, EachRowsStatementFollowsItsRecordAndCell) {
    struct Case {
        const char* idx;
        qint64 value;
        const char* cell;
        EntrySave action;
    };
    const Case cases[] = {
        {"", 15, "15", EntrySave::Insert},       {"", 0, "0", EntrySave::Delete},
        {"7", 0, "0", EntrySave::Delete},        {"7", 12, "12", EntrySave::Update},
        {"7", 1500, "1,500", EntrySave::Update}, {"", 0, "", EntrySave::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entrySaveAction(QString::fromUtf8(c.idx), c.value, QString::fromUtf8(c.cell)),
                  c.action)
            << c.idx << "/" << c.cell;
}

TEST(EntrySave, CellValuesAreWholeNumbersThatFitThe32BitColumns) {
    struct Case {
        QVariant value;
        std::optional<qint32> number;
    };
    const Case cases[] = {
        {QStringLiteral(""), 0},
        {QStringLiteral("15"), 15},
        {QStringLiteral("15.0"), 15},
        {QStringLiteral("2147483647"), 2147483647},
        {QStringLiteral("2147483648"), std::nullopt},
        {QStringLiteral("99999999999999999999"), std::nullopt},
        {QStringLiteral("-1"), std::nullopt},
        {QStringLiteral("1.5"), std::nullopt},
        {QStringLiteral("abc"), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entryNumber(c.value), c.number) << c.value.toString().toStdString();
    EXPECT_EQ(fieldNumber(QStringLiteral("")), 0);
    EXPECT_EQ(fieldNumber(QStringLiteral(" 3 ")), 3);
    EXPECT_EQ(fieldNumber(QStringLiteral("3명")), std::nullopt);
}
