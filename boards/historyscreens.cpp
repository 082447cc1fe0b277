#include "boards/historyscreens.h"

#include "boards/frm_s_report_badqty.h"
#include "boards/frm_s_report_bigadong.h"
#include "boards/frm_s_report_sangsan.h"
#include "ui/common/screenlocator.h"

namespace {
HistoryFrame* create(HistoryScreen screen) {
    switch (screen) {
    case HistoryScreen::Defects:
        return new frm_S_Report_badqty();
    case HistoryScreen::Downtime:
        return new frm_S_Report_bigadong();
    case HistoryScreen::Results:
        break;
    }
    return new frm_S_Report_Sangsan();
}

QString nameOf(HistoryScreen screen) {
    switch (screen) {
    case HistoryScreen::Defects:
        return QStringLiteral("frm_S_Report_badqty");
    case HistoryScreen::Downtime:
        return QStringLiteral("frm_S_Report_bigadong");
    case HistoryScreen::Results:
        break;
    }
    return QStringLiteral("frm_S_Report_Sangsan");
}
} // namespace

namespace HistoryScreens {

HistoryFrame* open(HistoryScreen screen) {
    auto* frame = qobject_cast<HistoryFrame*>(findScreen(nameOf(screen)));
    if (!frame)
        frame = create(screen);
    frame->show();
    frame->raise();
    frame->activateWindow();
    frame->btnFind_Click();
    return frame;
}

void registerOpener() {
    HistoryOpenerHook::set([](HistoryScreen screen) { open(screen); });
}

} // namespace HistoryScreens
