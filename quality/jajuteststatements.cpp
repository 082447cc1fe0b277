#include "quality/jajuteststatements.h"

#include "core/modfn.h"

#include <QStringList>

namespace JajuTestStatements {

namespace {
QString q(const QString& value) {
    return gfSQL_STR(value);
}

// Shift codes are spliced unquoted in some statements: only "1" or "0" ever goes in.
QString shift(const QString& juya) {
    return juya == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
}

QString day(const QDate& d) {
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

QString lines(const QStringList& l) {
    return l.join(QLatin1Char('\n'));
}

// "SET " then one line per column: seven blanks, column = 'value', commas between.
QString setLines(const QList<std::pair<const char*, QString>>& columns) {
    QStringList l;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        QString line = QStringLiteral("       ") + QLatin1String(columns[i].first) +
                       QStringLiteral(" = '") + q(columns[i].second) + QLatin1Char('\'');
        if (i + 1 < columns.size())
            line += QLatin1Char(',');
        l << line;
    }
    return lines(l);
}

struct Value {
    const char* column;
    QString text;
    bool quoted = true;
};

QString insertInto(const char* table, const QList<Value>& values) {
    QStringList cols;
    QStringList vals;
    for (const Value& v : values) {
        cols << QStringLiteral("    ") + QLatin1String(v.column);
        vals << QStringLiteral("    ") +
                    (v.quoted ? QLatin1Char('\'') + q(v.text) + QLatin1Char('\'') : v.text);
    }
    return lines({QStringLiteral("Insert into ") + QLatin1String(table) + QStringLiteral("("),
                  cols.join(QStringLiteral(",\n")), QStringLiteral(") VALUES ("),
                  vals.join(QStringLiteral(",\n")), QStringLiteral(")")});
}

QList<std::pair<const char*, QString>> readings(const Item& item) {
    static const char* const names[] = {"x1", "x2", "x3", "x4", "x5", "x6", "x7", "x8", "x9"};
    QList<std::pair<const char*, QString>> l;
    for (std::size_t i = 0; i < item.x.size(); ++i)
        l.append({names[i], item.x[i]});
    return l;
}
} // namespace

QString standardNumber(const QString& productCode) {
    return lines({QStringLiteral("select process_test_num from Q_CHOJUNGJONGTEST_STD"),
                  QStringLiteral("where product_code = '") + q(productCode) + QLatin1Char('\''),
                  QStringLiteral("and reg_yn = '1'")});
}

QString existingSheet(const QString& productCode, const QString& seq) {
    return lines({QStringLiteral("select process_num from Q_CHOJUNGJONGTEST_RESULT"),
                  QStringLiteral("where product_code = '") + q(productCode) + QLatin1Char('\''),
                  QStringLiteral("AND SEQ = '") + q(seq) + QStringLiteral("' ")});
}

QString sheetResult(const QString& productCode, const QString& seq) {
    return lines({QStringLiteral("select process_test_result from Q_CHOJUNGJONGTEST_RESULT"),
                  QStringLiteral("where product_code = '") + q(productCode) + QLatin1Char('\''),
                  QStringLiteral("AND SEQ = '") + q(seq) + QStringLiteral("' ")});
}

QString sheetQuery(const QString& productCode, const QString& seq, const QString& juya,
                   const QDate& testDate) {
    QStringList l = {QStringLiteral("SELECT Q_SSS.process_test_num_sub As [세부출하검사번호]"),
                     QStringLiteral(", B_TLT.testlist_type_name As [유형명]"),
                     QStringLiteral(", B_TL.testlist_code As [검사항목코드]"),
                     QStringLiteral(", B_TL.testlist_name As [항목명]"),
                     QStringLiteral(", Q_SSS.spec_std As [기준]"),
                     QStringLiteral(", Q_SSS.spec_min As [MIN]"),
                     QStringLiteral(", Q_SSS.spec_max As [MAX]"),
                     QStringLiteral(", Q_SSS.spec_unit As [단위]"),
                     QStringLiteral(", Q_SSS.process_test_gu As [검사구]"),
                     QStringLiteral(", Q_SSS.process_siryo_su As [시료수]")};
    for (int i = 1; i <= 9; ++i)
        l << QStringLiteral(", ISNULL(Q_SRS.x%1,'') As [x%1]").arg(i);
    l << QStringLiteral(", ISNULL(Q_SRS.process_check,'') As [검사확인]")
      << QStringLiteral(", ISNULL(Q_SRS.process_test_result_sub,'') As [판정]")
      << QStringLiteral(", ISNULL(Q_SRS.contents_sub,'') As [비고]")
      << QStringLiteral(", ISNULL(Q_SR.process_tester_id,'') As [검사자사번]")
      << QStringLiteral(", CONVERT(varchar,ISNULL(process_test_check,'0')) As [등록완료유무]")
      << QStringLiteral(", ISNULL(B_EM.employee_name,B_EM2.employee_name) As [검사자]");
    const QString s = q(seq);
    l << QStringLiteral("From B_PRODUCT_MASTER B_PM")
      << QStringLiteral("join B_CAR B_C On B_PM.car_code = B_C.car_code")
      << QStringLiteral("JOIN Q_CHOJUNGJONGTEST_STD Q_SS On B_PM.product_code = Q_SS.product_code")
      << QStringLiteral("JOIN Q_CHOJUNGJONGTEST_STD_SUB Q_SSS On Q_SS.process_test_num = "
                        "Q_SSS.process_test_num ")
      // The date condition is commented out: a sheet is found whatever its date.
      << QStringLiteral("LEFT JOIN Q_CHOJUNGJONGTEST_RESULT Q_SR On b_pm.product_code = "
                        "Q_SR.product_code --AND Q_SR.process_test_date = '") +
             q(day(testDate)) + QLatin1Char('\'')
      << QStringLiteral("AND Q_SR.process_juya = '") + shift(juya) +
             QStringLiteral("' AND Q_SR.seq = '") + s + QLatin1Char('\'')
      << QStringLiteral("JOIN B_JAKUPJISI_MASTER B_JM On B_JM.product_code = B_PM.product_code")
      << QStringLiteral("AND B_JM.seq = '") + s + QLatin1Char('\'')
      << QStringLiteral(
             "LEFT JOIN Q_CHOJUNGJONGTEST_RESULT_SUB Q_SRS On Q_SSS.process_test_num_sub "
             "= Q_SRS.process_test_num_sub")
      << QStringLiteral("and Q_SR.process_num = Q_SRS.process_num AND q_srs.seq = '") + s +
             QLatin1Char('\'')
      << QStringLiteral("JOIN B_TESTLIST B_TL On Q_SSS.testlist_code = B_TL.testlist_code")
      << QStringLiteral("JOIN B_TESTLIST_TYPE B_TLT On B_TL.testlist_type_code = "
                        "B_TLT.testlist_type_code")
      << QStringLiteral("LEFT JOIN B_EMPLOYEE B_EM ON B_EM.employee_no = Q_SR.process_tester_id")
      << QStringLiteral("LEFT JOIN B_EMPLOYEE B_EM2 ON B_EM2.employee_no = B_JM.employee_no")
      << QStringLiteral("where 1=1")
      << QStringLiteral("AND Q_SS.product_code = '") + q(productCode) + QLatin1Char('\'')
      << QStringLiteral("and q_ss.reg_yn = '1'") << QStringLiteral("Order By Q_SSS.sortby");
    return lines(l);
}

QString picturePath(const QString& testNum) {
    return lines({QStringLiteral("Select"), QStringLiteral("    ISNULL(path,'')"),
                  QStringLiteral("From"), QStringLiteral("    Q_CHOJUNGJONGTEST_STD"),
                  QStringLiteral("Where"),
                  QStringLiteral("    process_test_num = '") + q(testNum) + QLatin1Char('\'')});
}

QString inspectionNumber(const QDate& testDate, DailyNumber::Lock lock) {
    return lines(
        {QStringLiteral(" SELECT"), QStringLiteral("     Case When max(M_MAI.process_num) is null"),
         QStringLiteral("    Then '") + testDate.toString(QStringLiteral("yyyyMMdd")) +
             QStringLiteral("' + '001'"),
         QStringLiteral("    else left(max(M_MAI.process_num),8) + Right('000' + "
                        "Cast(right(Max(process_num),3) + 1 as varchar),3) End            AS "
                        "전표번호"),
         QStringLiteral("FROM Q_CHOJUNGJONGTEST_RESULT M_MAI") + DailyNumber::lockHint(lock),
         QStringLiteral("Where  process_test_date= '") + day(testDate) + QLatin1Char('\'')});
}

QString sheetCount(const QString& productCode, const QString& juya, const QString& seq) {
    return lines({QStringLiteral("SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT"),
                  QStringLiteral("WHERE product_code = '") + q(productCode) + QLatin1Char('\''),
                  QStringLiteral("AND process_juya = ") + shift(juya),
                  QStringLiteral("and seq = '") + q(seq) + QLatin1Char('\'')});
}

QString headerUpdate(const Header& h) {
    return lines({QStringLiteral("UPDATE Q_CHOJUNGJONGTEST_RESULT"), QStringLiteral("SET "),
                  setLines({{"process_test_check", h.check},
                            {"process_test_result", h.result},
                            {"process_test_select", QStringLiteral("0")},
                            {"process_test_su", h.testSu},
                            {"process_tester_id", h.testerId},
                            {"lot_no", QString()},
                            {"bigo", QString()},
                            {"process_pass_su", h.passSu},
                            {"process_bad_su", h.badSu},
                            {"last_date", day(h.now.date())},
                            {"last_time", h.now.toString(QStringLiteral("HHmmss"))},
                            {"user_id", h.userId}}),
                  QStringLiteral("WHERE  product_code = '") + q(h.productCode) + QLatin1Char('\''),
                  QStringLiteral("AND process_juya = '") + shift(h.juya) + QLatin1Char('\''),
                  QStringLiteral("AND process_test_num = '") + q(h.testNum) + QLatin1Char('\''),
                  QStringLiteral("AND seq = '") + q(h.seq) + QLatin1Char('\'')});
}

QString headerInsert(const Header& h) {
    return insertInto("Q_CHOJUNGJONGTEST_RESULT",
                      {{"prod_no", QString()},
                       {"seq", h.seq},
                       {"product_code", h.productCode},
                       {"process_test_num", h.testNum},
                       {"process_test_check", h.check},
                       {"process_test_result", h.result},
                       {"process_test_select", QStringLiteral("0")},
                       {"process_test_su", h.testSu},
                       {"process_tester_id", h.testerId},
                       {"lot_no", QString()},
                       {"process_test_date", day(h.testDate)},
                       {"process_pass_su", h.passSu},
                       {"process_bad_su", h.badSu},
                       {"process_num", h.processNum},
                       {"process_juya", shift(h.juya), false},
                       {"bigo", QString()},
                       {"last_date", day(h.now.date())},
                       {"last_time", h.now.toString(QStringLiteral("HHmmss"))},
                       {"user_id", h.userId}});
}

QString itemUpdate(const Header& h, const Item& item) {
    QList<std::pair<const char*, QString>> columns = readings(item);
    columns.append({{"process_check", item.check},
                    {"process_test_result_sub", item.result},
                    {"contents_sub", item.remark},
                    {"last_date", day(h.now.date())},
                    {"last_time", h.now.toString(QStringLiteral("HHmmss"))},
                    {"time", QString()},
                    {"user_id", h.userId}});
    return lines({QStringLiteral("UPDATE Q_CHOJUNGJONGTEST_RESULT_SUB"), QStringLiteral("SET "),
                  setLines(columns),
                  QStringLiteral("WHERE  product_code = '") + q(h.productCode) + QLatin1Char('\''),
                  QStringLiteral("and process_juya = '") + shift(h.juya) + QLatin1Char('\''),
                  QStringLiteral("AND process_test_num_sub = '") + q(item.sub) + QLatin1Char('\''),
                  QStringLiteral("AND seq = '") + q(h.seq) + QLatin1Char('\'')});
}

QString itemInsert(const Header& h, const Item& item) {
    QList<Value> values = {{"seq", h.seq},
                           {"process_test_num", h.testNum},
                           {"process_test_num_sub", item.sub},
                           {"process_test_date", day(h.testDate)},
                           {"product_code", h.productCode},
                           {"process_num", h.processNum}};
    for (const auto& [column, text] : readings(item))
        values.append({column, text});
    values.append({{"process_check", item.check},
                   {"process_test_result_sub", item.result},
                   {"process_juya", shift(h.juya), false},
                   {"contents_sub", item.remark},
                   {"last_date", day(h.now.date())},
                   {"last_time", h.now.toString(QStringLiteral("HHmmss"))},
                   {"user_id", h.userId}});
    return insertInto("Q_CHOJUNGJONGTEST_RESULT_SUB", values);
}

QString headerDelete(const QString& testNum, const QString& productCode, const QString& juya,
                     const QString& seq) {
    return lines({QStringLiteral("DELETE Q_CHOJUNGJONGTEST_RESULT"),
                  QStringLiteral("WHERE process_test_num = '") + q(testNum) + QLatin1Char('\''),
                  QStringLiteral("AND product_code = '") + q(productCode) + QLatin1Char('\''),
                  QStringLiteral("AND process_juya =  '") + shift(juya) + QLatin1Char('\''),
                  QStringLiteral("AND seq = '") + q(seq) + QLatin1Char('\'')});
}

QString itemsDelete(const QString& testNum, const QString& productCode, const QString& juya,
                    const QString& seq) {
    return lines({QStringLiteral("DELETE Q_CHOJUNGJONGTEST_RESULT_sub"),
                  QStringLiteral("WHERE process_test_num = '") + q(testNum) + QLatin1Char('\''),
                  QStringLiteral("AND product_code = '") + q(productCode) + QLatin1Char('\''),
                  QStringLiteral("AND process_juya = ") + shift(juya),
                  QStringLiteral("AND seq = '") + q(seq) + QLatin1Char('\'')});
}

QString employees() {
    return lines({QStringLiteral("SELECT B_EMP.idx,employee_no, employee_Name"),
                  QStringLiteral("From B_EMPLOYEE B_EMP"),
                  QStringLiteral("ORDER BY employee_Name")});
}

QString juyaCode(const QString& juyaText) {
    return juyaText == QStringLiteral("주간") ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace JajuTestStatements
