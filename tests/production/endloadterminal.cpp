// A terminal without a visible screen for the concurrency test of the end: on one embedded
// database it ends a range of running jobs of the finished product F through the report
// screen's "작업종료", each consuming 3 of material M1 (lot L1) and 2 of M2 (lot L2). It
// prints "ready", waits for a line on standard input so that several terminals begin at the
// same moment, then one line per job ("end <run> ok", or "... failed" with every message it
// was shown).
//
//   production_end_load_terminal <program folder> <database name> <first job> <count>
//
// Job n is run R<nnnn> on line 20240305<nnnn>, with 10 good pieces of which none are saved.
#include "core/modbas.h"
#include "core/moddb.h"
#include "production/dayreportending.h"
#include "production/frm_s_dayreport.h"
#include "tests/support/loadterminal.h"
#include "workorders/clickablelabel.h"

#include <QApplication>

#include <cstdio>

namespace {
QStringList& g_shown = LoadTerminal::shown();

void loadJob(frm_S_dayReport* r, int n) {
    const QString no = QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
    r->lvEquipment_code = QStringLiteral("E1");
    r->lblJakupdate->setText(QStringLiteral("2024-03-05"));
    r->lbl_juya->setText(QStringLiteral("주간"));
    r->lblOp_seq_sub->setText(QStringLiteral("R") + no);
    r->lbl_jakupjisi_num->setText(QStringLiteral("20240305") + no);
    r->lblseq->setText(r->lbl_jakupjisi_num->text());
    r->lblWC_code->setText(QStringLiteral("P10"));
    r->lblProduct_code->setText(QStringLiteral("F"));
    r->lblProduct_name->setText(QStringLiteral("F"));
    r->lblProduct_Gubun->setText(QStringLiteral("완제품"));
    r->lblOk_Cnt->setText(QStringLiteral("10"));
    r->lblOk_Cnt2->setText(QStringLiteral("0"));
    r->lblBad_Cnt->setText(QStringLiteral("0"));
    r->lblJakup_Cnt->setText(QStringLiteral("10"));
    r->lblJakupsu->setText(QStringLiteral("1"));
    r->lblStTime->setText(QStringLiteral("08:00"));
    r->lblMin->setText(QStringLiteral("60분"));
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int first = 0;
    int count = 0;
    LoadTerminal::Recorder recorder;
    if (const int status = LoadTerminal::open(app.arguments(), "job", &first, &count))
        return status;
    int result = 0;
    {
        frm_S_dayReport report;
        auto* ending = report.findChild<DayReportEnding*>(QStringLiteral("DayReportEnding"));
        ending->setMaterialGrid(
            [] {
                return QList<DayReportEnding::MaterialCells>{
                    {QStringLiteral("M1"), QStringLiteral("3"), QStringLiteral("L1")},
                    {QStringLiteral("M2"), QStringLiteral("2"), QStringLiteral("L2")}};
            },
            [] {});
        LoadTerminal::waitForGo();
        for (int i = 0; i < count; ++i) {
            loadJob(&report, first + i);
            const QString run = report.lblOp_seq_sub->text();
            g_shown.clear();
            ending->btnEnd_Click();
            const bool ok = g_shown == QStringList{QStringLiteral("저장이 완료되었습니다.")};
            if (!ok)
                result = 3;
            std::printf("end %s %s %s\n", run.toUtf8().constData(), ok ? "ok" : "failed",
                        ok ? "" : g_shown.join(QStringLiteral(" / ")).toUtf8().constData());
            std::fflush(stdout);
        }
    }
    return result;
}
