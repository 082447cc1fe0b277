// Writes the corpus statements that builders in the program produce, one <name>.sql per
// builder call, into the folder given as the only argument. The corpus test and the
// translation bench read them beside the hand-written files, so a change to a builder
// is checked against the expected result in tests/core/tsql/corpus/<name>.expected.
#include "boards/boardstatements.h"
#include "boards/monthlyreportsql.h"
#include "core/startup/frmsplash.h"
#include "production/dayreportsql.h"
#include "production/endingstatements.h"
#include "production/workereditsql.h"
#include "ui/common/frm_msg_003.h"
#include "ui/common/jobstartsql.h"
#include "ui/common/modfnwidgets.h"
#include "workorders/frmlogin.h"
#include "workorders/jakupstatements.h"
#include "workorders/workorderlistsql.h"
#include "workorders/workorderstatements.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>
#include <functional>

namespace {

// The corpus fixture's day, order line and worker (see corpus/seed.tsql).
const QDate kToday(2024, 3, 5);
const QString kSeq = QStringLiteral("20240305001001");

// A job on the fixture's order line, numbered as the next job of the day.
QString jobStartInsert() {
    JobStartValues v;
    v.prodNo = QStringLiteral("20240305001");
    v.seq = kSeq;
    v.opSeq = QStringLiteral("20240305002");
    v.opSeqSub = firstSubJob(v.opSeq);
    v.processCode = QStringLiteral("0001");
    v.equipmentCode = QStringLiteral("EQ1");
    v.productCode = QStringLiteral("P1");
    v.jisiQty = QStringLiteral("100");
    v.jisiDate = QStringLiteral("2024-03-05");
    v.employeeSu = QStringLiteral("2");
    v.employeeNo = QStringLiteral("E01");
    v.userId = QStringLiteral("E01");
    v.now = QDateTime(kToday, QTime(10, 0, 0));
    return jobStartInsertStatement(v);
}

// The next work order of the day for the fixture's product on its equipment.
QString orderInsert() {
    JakupStatements::NewOrder o;
    o.prodNo = QStringLiteral("20240305002");
    o.processCode = QStringLiteral("0001");
    o.equipmentCode = QStringLiteral("EQ1");
    o.productCode = QStringLiteral("P1");
    o.pumbun = QStringLiteral("PN1");
    o.orderQty = 100;
    o.userId = QStringLiteral("E01");
    o.now = QDateTime(kToday, QTime(10, 0, 0));
    return JakupStatements::orderInsert(o);
}

// The stock issue of a material at a middle end of the fixture's running job of P1 (the
// end batch runs its statements one by one): its balance builds on the material's latest row.
QString endStockIssue(const QString& material) {
    EndingStatements::Stock s;
    s.product = QStringLiteral("P1");
    s.lineNo = kSeq;
    s.runNo = kSeq;
    s.deltaGood = 10;
    s.processCode = QStringLiteral("0001");
    s.machine = QStringLiteral("EQ1");
    s.today = QStringLiteral("2024-03-05");
    s.productClass = QStringLiteral("반제품");
    s.shift = QStringLiteral("주간");
    s.user = QStringLiteral("E01");
    s.nowHms = QStringLiteral("103000");
    QStringList batch;
    EndingStatements::lsStockSave(s, {{material, 3, QStringLiteral("L2")}}, &batch);
    for (const QString& statement : batch)
        if (statement.contains(QStringLiteral("재공품소모")))
            return statement;
    return QString();
}

const QString kProdNo = QStringLiteral("20240305001");
// The fixture's terminal, serving EQ1.
const QString kIp = QStringLiteral("10.0.0.5");

struct Entry {
    const char* name;
    std::function<QString()> build;
};

// A new builder's statement enters the corpus with one line here (file name, builder call on
// the fixture's values) and its checked result in corpus/<name>.expected.
const Entry kEntries[] = {
    {"board_orders", [] { return BoardStatements::suju(kToday); }},
    {"board_production", [] { return BoardStatements::sangsan(kToday); }},
    {"cancel_order", [] { return WorkOrderStatements::cancelOrder(kProdNo, kSeq); }},
    {"end_stock_issue", [] { return endStockIssue(QStringLiteral("M1")); }},
    {"end_stock_issue_first", [] { return endStockIssue(QStringLiteral("P2")); }},
    {"count_order_totals", [] { return DayReportSql::lineTotals(kSeq); }},
    {"crew_size_set", [] { return WorkerEditSql::setCrewSize(QStringLiteral("3"), kSeq); }},
    {"continue_read_order", [] { return frm_MSG_003::orderStatement(kSeq); }},
    {"continue_update_order", [] { return frm_MSG_003::orderUpdateStatement(kSeq); }},
    {"create_order_insert", orderInsert},
    {"create_order_number",
     [] {
         return JakupStatements::orderNumber(QStringLiteral("20240305"), DailyNumber::Lock::Held);
     }},
    {"create_order_products",
     [] {
         return JakupStatements::products(QStringLiteral("0001"), QStringLiteral("EQ1"), QString(),
                                          kToday);
     }},
    {"login_member",
     [] { return FrmLogIn::memberCheckStatement(QStringLiteral("E01"), QStringLiteral("PW")); }},
    {"menu_rights",
     [] {
         return authorityStatement(QStringLiteral("frm_S_dayReport"), QStringLiteral("00001"),
                                   QStringLiteral("E01"));
     }},
    {"menu_rights_master",
     [] {
         return authorityStatement(QStringLiteral("frm_S_dayReport"), QStringLiteral("00001"),
                                   masterCode().toLower());
     }},
    {"monthly_report",
     [] {
         return MonthlyReportSql::statement(kToday,
                                            MonthlyReportSql::processCode(QStringLiteral("사출")));
     }},
    {"mould_interval",
     [] { return DayReportSql::mouldInterval(QStringLiteral("MD1"), QStringLiteral("P1")); }},
    {"mould_shots",
     [] {
         return DayReportSql::mouldShots(QStringLiteral("MD1"), QStringLiteral("P1"),
                                         QStringLiteral("2024-01-10"));
     }},
    {"reopen_running_job", [] { return WorkOrderStatements::runningJob(kSeq); }},
    {"report_equipment",
     [] { return DayReportSql::equipButtons(kIp, QStringLiteral("2024-03-05")); }},
    {"report_running_job",
     [] { return DayReportSql::job(QStringLiteral("EQ1"), kSeq, QStringLiteral("2024-03-05")); }},
    {"report_title", [] { return DayReportSql::processName(QStringLiteral("EQ1")); }},
    {"start_equipment_busy",
     [] { return WorkOrderStatements::equipmentBusy(QStringLiteral("EQ1")); }},
    {"start_insert_run", jobStartInsert},
    {"start_number_run",
     [] { return jobNumberStatement(QStringLiteral("20240305"), DailyNumber::Lock::Held); }},
    {"start_order_state", [] { return WorkOrderStatements::orderState(kProdNo, kSeq); }},
    {"start_update_order", [] { return WorkOrderStatements::startOrder(kProdNo, kSeq); }},
    {"startup_clock", [] { return FrmSplash::clockStatement(); }},
    {"worker_search",
     [] { return WorkerEditSql::workers(QStringLiteral("김"), QStringLiteral("E")); }},
    {"worker_set", [] { return WorkerEditSql::setWorker(QStringLiteral("E02"), kSeq); }},
    {"worklist_equipment",
     [] { return WorkOrderListSql::equipmentButtons(kIp, QStringLiteral("0001")); }},
    {"worklist_equipment_check",
     [] {
         return WorkOrderListSql::rowEquipment(kIp, QStringLiteral("0001"), QStringLiteral("EQ1"),
                                               QStringLiteral("2024-03-05"));
     }},
    {"worklist_orders", [] { return WorkOrderListSql::orders(kToday, kIp, false, QString()); }},
    {"worklist_orders_filtered",
     [] {
         return WorkOrderListSql::orders(
             kToday, kIp, true,
             WorkOrderListSql::equipmentFilter(QStringLiteral("EQ1"), QStringLiteral("0001")));
     }},
    {"worklist_process_buttons", [] { return WorkOrderListSql::processButtons(kIp); }},
};

// Rewrites a file only when its text changes, so an unchanged build stays up to date.
bool writeIfChanged(const QString& path, const QByteArray& text) {
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == text)
        return true;
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size() && f.commit();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;
    QStringList written;
    for (const Entry& e : kEntries) {
        written << QString::fromLatin1(e.name) + QStringLiteral(".sql");
        const QString path = dir.filePath(QString::fromLatin1(e.name) + QStringLiteral(".sql"));
        if (!writeIfChanged(path, e.build().toUtf8())) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    // A statement whose entry is gone must not linger in the corpus.
    for (const QString& f : dir.entryList({QStringLiteral("*.sql")}, QDir::Files))
        if (!written.contains(f))
            QFile::remove(dir.filePath(f));
    return 0;
}
