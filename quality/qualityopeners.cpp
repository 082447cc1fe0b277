#include "quality/qualityopeners.h"

#include "production/frm_s_dayreport.h"
#include "production/inspectionopener.h"
#include "quality/frm_s_test.h"
#include "quality/jajutestopening.h"
#include "workorders/clickablelabel.h"

#include <QLabel>
#include <QPointer>

namespace QualityOpeners {

void openInspection(frm_S_dayReport* r) {
    InspectionJob job;
    job.seq = r->lblseq->text();
    job.productCode = r->lblProduct_code->text();
    job.pumbun = r->lblPumbun->text();
    job.carName = r->lblCar_name->text();
    job.productName = r->lblProduct_name->text();
    job.standard = r->lblStandard->text();
    job.employeeName = r->lblEmployee_name->text();
    job.employeeNo = r->lblemployee_no->text();
    job.orderQty = r->lblJisi_Cnt->text();
    job.goodQty = r->lblOk_Cnt->text();
    job.badQty = r->lblBad_Cnt->text();
    job.juya = r->lbl_juya->text();
    JajuTestOpening::open(job);
}

void openMould(frm_S_dayReport* r) {
    // One sheet at a time; a new opening replaces an open one.
    static QPointer<frm_S_test> sheet;
    if (sheet)
        sheet->close();
    sheet = new frm_S_test(nullptr);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->Form_Load({r->lblseq->text(), r->lblProduct_code->text(), r->lblProduct_name->text(),
                      r->lblPumbun->text(), r->lblDate->text(), r->lblCar_name->text(),
                      r->lblStandard->text()});
    sheet->show();
    sheet->raise();
    sheet->activateWindow();
}

void registerOpeners() {
    InspectionOpenerHook::set(InspectionOpenerHook::Sheet::Inspection, &openInspection);
    InspectionOpenerHook::set(InspectionOpenerHook::Sheet::Mould, &openMould);
}

} // namespace QualityOpeners
