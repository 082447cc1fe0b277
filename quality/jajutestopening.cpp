#include "quality/jajutestopening.h"

#include "core/moddb.h"
#include "quality/frm_s_jajutest.h"
#include "quality/jajuteststatements.h"
#include "ui/common/frm_msg_001.h"
#include "workorders/clickablelabel.h"

#include <QLabel>
#include <QRadioButton>

namespace JajuTestOpening {

namespace {
qint64 quantity(const QString& text) {
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok ? v : 0;
}
} // namespace

frm_S_jajutest* fill(frm_S_jajutest* sheet, const InspectionJob& job) {
    const QString location = frm_S_jajutest::caption();
    const QString standard =
        gfGET_VALUE(JajuTestStatements::standardNumber(job.productCode), location).toString();
    if (standard.isEmpty()) {
        showWorkerMessage(QStringLiteral("기준서 등록이 되어있지 않는 품번입니다."), nullptr);
        return nullptr;
    }
    const QString number =
        gfGET_VALUE(JajuTestStatements::existingSheet(job.productCode, job.seq), location)
            .toString();
    sheet->Form_Load();
    sheet->lbl_seq->setText(job.seq);
    sheet->lblipha_su->setText(
        QString::number(quantity(job.orderQty) + quantity(job.goodQty) + quantity(job.badQty)));
    sheet->lbltest_num->setText(standard);
    sheet->lblProduct_code->setText(job.productCode);
    sheet->lblpumbun->setText(job.pumbun);
    sheet->lblcar_name->setText(job.carName);
    sheet->lblproduct_name->setText(job.productName);
    sheet->lblstandard->setText(job.standard);
    sheet->lbl_employee->setText(job.employeeName);
    sheet->lblemployee_no->setText(job.employeeNo);
    sheet->lblJisi_Cnt->setText(job.orderQty);
    sheet->lbljuya->setText(job.juya);
    sheet->lbl_jaju_num->setText(number);
    bool pass = true;
    if (!number.isEmpty())
        pass = gfGET_VALUE(JajuTestStatements::sheetResult(job.productCode, job.seq), location)
                   .toString()
                   .trimmed() != QLatin1String("0");
    (pass ? sheet->optPass : sheet->optNotpass)->setChecked(true);
    sheet->lsQuery();
    return sheet;
}

void open(const InspectionJob& job) {
    frm_S_jajutest* sheet = fill(frm_S_jajutest::instance(), job);
    if (!sheet)
        return;
    sheet->show();
    sheet->raise();
    sheet->activateWindow();
}

} // namespace JajuTestOpening
