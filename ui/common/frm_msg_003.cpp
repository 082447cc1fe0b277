#include "ui/common/frm_msg_003.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modfn.h"
#include "core/platform/clock.h"
#include "ui/common/frm_msg_001.h"
#include "ui/common/jobstartsql.h"
#include "ui/common/messagebox.h"

#include <QLabel>

#include <cmath>

namespace {
// Plain decimal text: "1200", "12.5", never an exponent.
QString plainNumber(const QVariant& v) {
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        return v.toString();
    if (d == std::floor(d) && std::fabs(d) < 1e15)
        return QString::number(qlonglong(d));
    QString t = QString::number(d, 'f', 6);
    while (t.endsWith(QLatin1Char('0')))
        t.chop(1);
    return t;
}
} // namespace

frm_MSG_003::frm_MSG_003(QWidget* parent)
    : YesNoDialog(parent, QStringLiteral("frm_MSG_003"),
                  QStringLiteral("계속 입력을 하시겠습니까?")) {
    lblseq = new QLabel(this);
    lblseq->setObjectName(QStringLiteral("lblseq"));
    lblseq->hide();
}

QString frm_MSG_003::orderStatement(const QString& seq) {
    QString s;
    for (const char* line : {"select", "    prod_no,", "    process_code,", "    product_code,",
                             "    order_qty ,", "    jisi_date,", "    employee_No,",
                             "    employee_su,", "    equipment_code", "From B_JAKUPJISI_MASTER"})
        s += QLatin1Char('\n') + QLatin1String(line);
    s += QStringLiteral("\nwhere seq = '") + gfSQL_STR(seq) + QStringLiteral("'");
    return s;
}

QString frm_MSG_003::orderUpdateStatement(const QString& seq) {
    QString s;
    s += QStringLiteral("\nupdate B_JAKUPJISI_MASTER set");
    s += QStringLiteral("\n    end_yn = '2'");
    s += QStringLiteral("\nwhere seq = '") + gfSQL_STR(seq) + QStringLiteral("'");
    return s;
}

bool frm_MSG_003::readOrder(JobStartValues* v) {
    const QString seq = lblseq->text();
    if (!gfOPEN_RS(orderStatement(seq), false, windowTitle())) {
        // No such order: nothing may be written for it.
        if (gRs.isOpen())
            gRs.close();
        return false;
    }
    QVariantList order;
    for (int c = 0; c < 8; ++c)
        order << gRs->value(0, c);
    gRs.close();
    v->prodNo = order[0].toString();
    v->seq = seq;
    v->processCode = order[1].toString();
    v->productCode = order[2].toString();
    v->jisiQty = plainNumber(order[3]);
    v->jisiDate = order[4].toString();
    v->employeeNo = order[5].toString();
    v->employeeSu = order[6].toString();
    v->equipmentCode = order[7].toString();
    v->userId = gsUSER_ID;
    return !jobDay(order[4]).isEmpty();
}

bool frm_MSG_003::startNextJob(JobStartValues v) {
    const QString day = jobDay(v.jisiDate);
    DailyNumber::Check number = DailyNumber::Check::Invalid;
    const auto build = [&](const QString& opSeq, QStringList* batch) {
        number = DailyNumber::check(opSeq, day);
        if (number != DailyNumber::Check::Usable)
            return false;
        v.opSeq = opSeq;
        v.opSeqSub = firstSubJob(opSeq);
        v.now = Clock::now();
        *batch = {jobStartInsertStatement(v), orderUpdateStatement(v.seq)};
        gsSQLs = *batch;
        return true;
    };
    const NumberedBatch r =
        gfEXEC_SQLS_NUMBERED(jobNumberStatement(day, DailyNumber::Lock::Held), build, objectName());
    if (r == NumberedBatch::Written)
        return true;
    if (r == NumberedBatch::Refused && number == DailyNumber::Check::Exhausted)
        showWorkerMessage(jobNumbersUsedUpMessage(), this);
    else
        MessageBox::critical(QStringLiteral("오류"), QStringLiteral("저장실패"));
    return false;
}

void frm_MSG_003::yes() {
    gsSQLs.clear();
    JobStartValues v;
    if (!readOrder(&v)) {
        MessageBox::critical(QStringLiteral("오류"), QStringLiteral("저장실패"));
        return;
    }
    if (startNextJob(v))
        YesNoDialog::yes();
}
