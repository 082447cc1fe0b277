// A terminal without a visible screen for the concurrency test of the inspection number: on
// one embedded database it saves a new inspection sheet for each line of a range through
// the sheet's "등     록". It prints "ready", waits for a line on standard input so that
// several terminals begin at the same moment, then one line per sheet ("sheet <line> ok",
// or "... failed" with every message it was shown).
//
//   quality_inspection_load_terminal <program folder> <database name> <first line> <count>
//
// Line n is J<nnnn> of product A; its sheet has one reading.
#include "core/moddb.h"
#include "quality/frm_s_jajutest.h"
#include "quality/jajutestopening.h"
#include "tests/support/loadterminal.h"
#include "ui/common/clsspread.h"
#include "ui/common/spreadview.h"

#include <QApplication>

#include <cstdio>

namespace {
QStringList& g_shown = LoadTerminal::shown();
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int first = 0;
    int count = 0;
    LoadTerminal::Recorder recorder;
    if (const int status = LoadTerminal::open(app.arguments(), "line", &first, &count))
        return status;
    int result = 0;
    {
        frm_S_jajutest sheet;
        LoadTerminal::waitForGo();
        for (int i = 0; i < count; ++i) {
            InspectionJob job;
            job.seq = QStringLiteral("J%1").arg(first + i, 4, 10, QLatin1Char('0'));
            job.productCode = QStringLiteral("A");
            job.juya = QStringLiteral("주간");
            job.orderQty = QStringLiteral("10");
            g_shown.clear();
            bool ok = JajuTestOpening::fill(&sheet, job) != nullptr;
            if (ok) {
                sheet.grid()->TextWithColID(QStringLiteral("x1"), 1, QStringLiteral("1"));
                sheet.btn_Savejaju_Click();
                ok = g_shown == QStringList{QStringLiteral("저장이 완료되었습니다.")};
            }
            if (!ok)
                result = 3;
            std::printf("sheet %s %s %s\n", job.seq.toUtf8().constData(), ok ? "ok" : "failed",
                        ok ? "" : g_shown.join(QStringLiteral(" / ")).toUtf8().constData());
            std::fflush(stdout);
        }
    }
    return result;
}
