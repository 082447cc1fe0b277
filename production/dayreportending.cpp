#include "production/dayreportending.h"

#include "core/modbas.h"
#include "core/moddb.h"
#include "core/modfn.h"
#include "core/platform/clock.h"
#include "production/dayreportrules.h"
#include "production/frm_s_dayreport.h"
#include "production/frm_s_operation_sheet.h"
#include "ui/common/clsspread.h"
#include "ui/common/frm_msg_001.h"
#include "ui/common/frm_msg_004.h"
#include "ui/common/spreadview.h"
#include "workorders/clickablelabel.h"
#include "workorders/frm_s_jakupjisi_list.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <limits>

namespace {
const QString kFinished = QStringLiteral("완제품");

std::optional<qint32> int32Of(const QLabel* l) {
    bool ok = false;
    const qint32 v = l->text().trimmed().toInt(&ok);
    return ok ? std::optional<qint32>(v) : std::nullopt;
}

// The material grid's rows, top to bottom.
QList<DayReportEnding::MaterialCells> gridRows(const clsSpread* grid) {
    QList<DayReportEnding::MaterialCells> rows;
    for (int r = 1; grid && r <= grid->MaxRows(); ++r)
        rows.append({grid->TextWithColID(QStringLiteral("제품코드"), r),
                     grid->ValueWithColID(QStringLiteral("투입수량"), r).toString(),
                     grid->TextWithColID(QStringLiteral("LOT NO"), r)});
    return rows;
}

QString notANumber(const QString& what, const QString& text) {
    return what + QStringLiteral(" '") + text + QStringLiteral("'은(는) 숫자가 아닙니다.\n") +
           QStringLiteral("저장하지 않았습니다.");
}
} // namespace

DayReportEnding::DayReportEnding(frm_S_dayReport* report) : QObject(report), m_report(report) {
    setObjectName(QStringLiteral("DayReportEnding"));
    m_rows = [report] { return gridRows(report->lotSpread()); };
    m_clearGrid = [report] {
        if (clsSpread* grid = report->lotSpread())
            grid->SetMaxRows(0);
    };
    connect(report->btnMiddleEnd, &QPushButton::clicked, this,
            &DayReportEnding::btnMiddleEnd_Click);
    connect(report->btnEnd, &QPushButton::clicked, this, &DayReportEnding::btnEnd_Click);
    connect(report->btnForceEnd, &QPushButton::clicked, this, &DayReportEnding::btnForceEnd_Click);
    connect(report->btnJobCancel, &QPushButton::clicked, this,
            &DayReportEnding::btnJobCancel_Click);
    connect(report->btnJobSwitch, &QPushButton::clicked, this,
            &DayReportEnding::btnJobSwitch_Click);
}

void DayReportEnding::setMaterialGrid(MaterialRows rows, std::function<void()> clear) {
    m_rows = std::move(rows);
    m_clearGrid = std::move(clear);
}

std::optional<qint64> DayReportEnding::inputQuantity(const QString& cell) {
    const QString text = cell.trimmed();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint64(std::fabs(std::floor(v)));
}

void DayReportEnding::tell(const QString& text) {
    showWorkerMessage(text, m_report);
}

std::optional<DayReportEnding::Values> DayReportEnding::readValues(const QString& endState) {
    const frm_S_dayReport* r = m_report;
    const auto good = int32Of(r->lblOk_Cnt);
    const auto bad = int32Of(r->lblBad_Cnt);
    const auto goodSaved = int32Of(r->lblOk_Cnt2);
    bool crewOk = false;
    const qint16 crew = r->lblJakupsu->text().trimmed().toShort(&crewOk);
    const std::pair<bool, std::pair<QString, const QLabel*>> checks[] = {
        {bool(good), {QStringLiteral("양품수량"), r->lblOk_Cnt}},
        {bool(bad), {QStringLiteral("불량수량"), r->lblBad_Cnt}},
        {bool(goodSaved), {QStringLiteral("저장된 양품수량"), r->lblOk_Cnt2}},
        {crewOk, {QStringLiteral("작업인원"), r->lblJakupsu}}};
    for (const auto& [ok, field] : checks) {
        if (!ok) {
            tell(notANumber(field.first, field.second->text()));
            return std::nullopt;
        }
    }
    const qint64 delta = qint64(*good) - *goodSaved;
    if (delta < std::numeric_limits<qint32>::min() || delta > std::numeric_limits<qint32>::max()) {
        tell(notANumber(QStringLiteral("양품수량"), r->lblOk_Cnt->text()));
        return std::nullopt;
    }
    Values v;
    for (const MaterialCells& row : m_rows ? m_rows() : QList<MaterialCells>()) {
        const auto qty = inputQuantity(row.quantity);
        if (!qty) {
            tell(notANumber(QStringLiteral("투입수량"), row.quantity));
            return std::nullopt;
        }
        v.materials.append({row.code, *qty, row.lot});
    }
    const QDateTime now = Clock::now();
    const QString today = now.toString(QStringLiteral("yyyy-MM-dd"));
    const QString nowHms = now.toString(QStringLiteral("HHmmss"));
    v.stock = {r->lblProduct_code->text(),
               r->lbl_jakupjisi_num->text(),
               r->lblOp_seq_sub->text(),
               qint32(delta),
               r->lblWC_code->text(),
               r->lvEquipment_code,
               today,
               r->lblProduct_Gubun->text(),
               r->lbl_juya->text(),
               gsUSER_ID,
               nowHms};
    v.result = {r->lbl_jakupjisi_num->text(),
                r->lblOp_seq_sub->text(),
                r->lblProduct_code->text(),
                *good,
                *bad,
                today,
                now.toString(QStringLiteral("HH:mm")),
                nowHms,
                r->lblMin->text().section(QStringLiteral("분"), 0, 0),
                crew,
                r->lblemployee_no->text(),
                endState,
                r->lblJakupdate->text(),
                r->lblStTime->text(),
                r->lblMold_No->text(),
                gsUSER_ID};
    return v;
}

void DayReportEnding::btnMiddleEnd_Click() {
    save(true);
}

void DayReportEnding::btnEnd_Click() {
    save(false);
}

void DayReportEnding::save(bool middle) {
    frm_S_dayReport* r = m_report;
    if (r->lblJakupdate->text().isEmpty() && r->lbl_juya->text().isEmpty() &&
        r->lblOp_seq_sub->text().isEmpty() && r->lblProduct_name->text().isEmpty())
        return;
    if (middle && r->lblProduct_Gubun->text() == kFinished) {
        tell(QStringLiteral("완제품 중간저장불가."));
        return;
    }
    if (DayReportRules::number(r->lblJakup_Cnt->text()).value_or(0) == 0) {
        tell(QStringLiteral("생산수량이 0입니다."));
        return;
    }
    if (!middle && !r->lblMold_No->text().isEmpty() &&
        DayReportRules::mouldDue(r->lblMold_chk->text(), r->lblMold_cnt->text()))
        tell(QStringLiteral("금형점검이 필요합니다.\n 금형타수를 확인하세요."));
    gsSQLs.clear();
    const auto v = readValues(middle ? QStringLiteral("2") : QStringLiteral("3"));
    if (!v)
        return;
    r->lblLotno->setText(EndingStatements::lotNumber(v->stock.lineNo, v->stock.shift));
    EndingStatements::lsStockSave(v->stock, v->materials, &gsSQLs);
    EndingStatements::lsResultSave(v->result, &gsSQLs);
    if (!gfEXEC_SQLS(gsSQLs, r->objectName())) {
        tell(QStringLiteral("저장 실패"));
        return;
    }
    tell(QStringLiteral("저장이 완료되었습니다."));
    r->setAutoInput(false);
    offerMoveSheet();
    if (middle)
        clearJob();
    else
        showListAndClose();
}

void DayReportEnding::offerMoveSheet() {
    const frm_S_dayReport* r = m_report;
    if (r->lblLotno->text().isEmpty())
        return;
    frm_S_operation_sheet::offer({r->lblWC_name->text(), r->lblProduct_name->text(),
                                  r->lblCar_code->text(), r->lblOk_Cnt->text(),
                                  r->lblEmployee_name->text(), r->lblLotno->text(),
                                  r->lblProduct_code->text(), Clock::now().date()},
                                 m_report);
}

void DayReportEnding::clearJob() {
    frm_S_dayReport* r = m_report;
    for (QLabel* l : {r->lblJakupdate,
                      r->lbl_juya,
                      static_cast<QLabel*>(r->lblEmployee_name),
                      static_cast<QLabel*>(r->lblEdTime),
                      static_cast<QLabel*>(r->lblJakupsu),
                      r->lbl_jakupjisi_num,
                      r->lblOp_seq_sub,
                      r->lblWC_code,
                      r->lblWC_name,
                      r->lblProduct_code,
                      r->lblPumbun,
                      r->lblProduct_name,
                      r->lblCar_name,
                      r->lblStandard,
                      r->lblStDate,
                      static_cast<QLabel*>(r->lblStTime),
                      r->lblMin,
                      r->lblProgress,
                      r->lblemployee_no,
                      r->lblseq,
                      r->lblJakup_Cnt,
                      r->lblEquipment_code,
                      r->lblProduct_type_code,
                      r->lblProduct_Gubun,
                      r->lblLotno,
                      r->lblCar_code})
        l->clear();
    for (QLabel* l : {r->lblJisi_Cnt, static_cast<QLabel*>(r->lblBad_Cnt),
                      static_cast<QLabel*>(r->lblOk_Cnt), r->lbl_okcnt2, r->lbl_badcnt2})
        l->setText(QStringLiteral("0"));
    if (m_clearGrid)
        m_clearGrid();
}

void DayReportEnding::showListAndClose() {
    frm_S_jakupjisi_list* list = frm_S_jakupjisi_list::showList();
    list->btnFind_Click();
    m_report->close();
}

void DayReportEnding::btnForceEnd_Click() {
    frm_S_dayReport* r = m_report;
    if (r->lblseq->text().isEmpty())
        return;
    gsSQLs.clear();
    QString del = QStringLiteral("delete p_sangsan_master\nwhere op_seq_sub = '");
    del += gfSQL_STR(r->lblOp_seq_sub->text()) + QLatin1Char('\'');
    QString line = QStringLiteral("update b_jakupjisi_master\nset\nend_yn = '3'\nwhere seq = '");
    line += gfSQL_STR(r->lblseq->text()) + QLatin1Char('\'');
    gsSQLs << del << line;
    if (gfEXEC_SQLS(gsSQLs, r->objectName()))
        tell(QStringLiteral("강제종료가 완료되었습니다."));
    clearJob();
}

void DayReportEnding::btnJobCancel_Click() {
    frm_S_dayReport* r = m_report;
    frm_MSG_004 ask(r);
    ask.Lb_msg->setText(QStringLiteral("진행중인 작업을 취소합니다"));
    ask.showModal();
    if (ask.AA != QLatin1String("Exit"))
        return;
    gsSQLs.clear();
    QString del = QStringLiteral(" DELETE  FROM P_SangSan_Master\n  WHERE OP_SEQ_SUB = '");
    del += gfSQL_STR(r->lblOp_seq_sub->text()) + QLatin1Char('\'');
    QString line = QStringLiteral("Update B_JAKUPJISI_MASTER\nset end_yn = '1'\nWHERE seq = '");
    line += gfSQL_STR(r->lbl_jakupjisi_num->text()) + QLatin1Char('\'');
    gsSQLs << del << line;
    if (!gfEXEC_SQLS_COUNT(gsSQLs, r->objectName(), 1)) {
        tell(QStringLiteral("취소 실패"));
        return;
    }
    tell(QStringLiteral("작업취소가 완료되었습니다."));
    showListAndClose();
}

void DayReportEnding::btnJobSwitch_Click() {
    // Only the press process may switch jobs, and there it has nothing to do yet.
    if (m_report->lblWC_code->text() != QStringLiteral("1000"))
        tell(QStringLiteral("작업전환은\n프레스작업만 가능합니다."));
}
