#include "quality/frm_s_jajutest.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/platform/clock.h"
#include "quality/jajuteststatements.h"
#include "ui/common/clsspread.h"
#include "ui/common/dailynumber.h"
#include "ui/common/frm_msg_001.h"
#include "ui/common/frm_msg_004.h"
#include "ui/common/spreadview.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QRadioButton>

namespace {
JajuTestStatements::Item itemOf(const clsSpread& ss, int row) {
    JajuTestStatements::Item item;
    item.sub = ss.GetCellText(QStringLiteral("세부출하검사번호"), row);
    for (std::size_t i = 0; i < item.x.size(); ++i)
        item.x[i] = ss.GetCellText(QStringLiteral("x%1").arg(i + 1), row);
    item.check = ss.GetCellText(QStringLiteral("검사확인"), row);
    item.result = ss.GetCellText(QStringLiteral("판정"), row);
    item.remark = ss.GetCellText(QStringLiteral("비고"), row);
    return item;
}

QStringList sheetBatch(const JajuTestStatements::Header& h, const clsSpread& ss, bool update) {
    QStringList batch;
    for (int row = 1; row <= ss.MaxRows(); ++row) {
        if (row == 1)
            batch << (update ? JajuTestStatements::headerUpdate(h)
                             : JajuTestStatements::headerInsert(h));
        const JajuTestStatements::Item item = itemOf(ss, row);
        batch << (update ? JajuTestStatements::itemUpdate(h, item)
                         : JajuTestStatements::itemInsert(h, item));
    }
    return batch;
}
} // namespace

void frm_S_jajutest::btn_Savejaju_Click() {
    if (m_ss->MaxRows() == 0)
        return;
    JajuTestStatements::Header h;
    h.productCode = lblProduct_code->text();
    h.seq = lbl_seq->text();
    h.testNum = lbltest_num->text();
    const qint64 quantity = lblipha_su->text().toLongLong();
    h.testSu = QString::number(quantity);
    const bool pass = optPass->isChecked();
    h.result = pass ? QStringLiteral("1") : QStringLiteral("0");
    h.passSu = QString::number(pass ? quantity : 0);
    h.badSu = QString::number(pass ? 0 : quantity);
    h.juya = juyaCode();
    h.check = optCheck->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    h.processNum = lbl_jaju_num->text();
    h.testerId = lblemployee_no->text();
    h.testDate = dtptest_date->date();
    h.userId = gsUSER_ID;
    h.now = Clock::now();
    const QVariant count =
        gfGET_VALUE(JajuTestStatements::sheetCount(h.productCode, h.juya, h.seq), caption());
    if (!count.isValid())
        return;
    const bool update = count.toLongLong() != 0;

    bool written = false;
    if (!h.processNum.isEmpty()) {
        gsSQLs = sheetBatch(h, *m_ss, update);
        written = gfEXEC_SQLS(gsSQLs, caption());
    } else {
        // A new number is read inside the save's transaction, so that two terminals saving
        // new sheets of the same date never take the same one.
        const QString day = h.testDate.toString(QStringLiteral("yyyyMMdd"));
        DailyNumber::Check number = DailyNumber::Check::Invalid;
        const auto build = [&](const QString& processNum, QStringList* batch) {
            number = DailyNumber::check(processNum, day);
            if (number != DailyNumber::Check::Usable)
                return false;
            h.processNum = processNum;
            *batch = sheetBatch(h, *m_ss, update);
            gsSQLs = *batch;
            return true;
        };
        const NumberedBatch r = gfEXEC_SQLS_NUMBERED(
            JajuTestStatements::inspectionNumber(h.testDate, DailyNumber::Lock::Held), build,
            caption());
        written = r == NumberedBatch::Written;
        if (r == NumberedBatch::Refused)
            showWorkerMessage(number == DailyNumber::Check::Exhausted
                                  ? QStringLiteral("오늘의 초중종검사번호 999개를 모두 사용하여 "
                                                   "더 등록할 수 없습니다.")
                                  : QStringLiteral("초중종검사번호를 만들 수 없습니다."),
                              this);
    }
    if (!written)
        return;
    showWorkerMessage(QStringLiteral("저장이 완료되었습니다."), this);
    // Closed and loaded again, kept hidden for the next opening.
    close();
    Form_Load();
    lbl_jaju_num->setText(h.processNum);
    lsQuery();
}

void frm_S_jajutest::btn_deletejaju_Click() {
    if (lbltest_num->text().isEmpty())
        return;
    lbldelete_type->clear();
    {
        frm_MSG_004 confirm(this);
        confirm.showModal();
    }
    if (lbldelete_type->text() != QLatin1String("OK")) {
        showWorkerMessage(QStringLiteral("삭제가 취소되었습니다."), this);
        return;
    }
    const QString testNum = lbltest_num->text();
    const QString product = lblProduct_code->text();
    const QString juya = juyaCode();
    const QString seq = lbl_seq->text();
    gsSQLs = {JajuTestStatements::headerDelete(testNum, product, juya, seq),
              JajuTestStatements::itemsDelete(testNum, product, juya, seq)};
    if (!gfEXEC_SQLS(gsSQLs, caption()))
        return;
    showWorkerMessage(QStringLiteral("초중종검사가 삭제되었습니다."), this);
    close();
}
