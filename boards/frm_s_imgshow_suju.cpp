#include "boards/frm_s_imgshow_suju.h"

#include "boards/boardstatements.h"
#include "core/platform/clock.h"

frm_S_ImgSHow_Suju::frm_S_ImgSHow_Suju(QWidget* parent) : TotalsBoard(texts(), parent) {
    setObjectName(QStringLiteral("frm_S_ImgSHow_Suju"));
}

BoardTexts frm_S_ImgSHow_Suju::texts() {
    BoardTexts t;
    t.title = QStringLiteral("수주대비 출하현황");
    t.colIds = {QStringLiteral("전월수주"), QStringLiteral("전월출하"), QStringLiteral("당월수주"),
                QStringLiteral("당월출하"), QStringLiteral("명월수주")};
    t.headerTexts = {QStringLiteral("수주수량"), QStringLiteral("출하수량"),
                     QStringLiteral("수주수량"), QStringLiteral("출하수량"),
                     QStringLiteral("수주수량")};
    t.groupTexts = {QStringLiteral("전월"), QStringLiteral("당월"), QStringLiteral("명월")};
    t.pointLabels = t.groupTexts;
    t.series0 = QStringLiteral("수주량");
    t.series1 = QStringLiteral("출하량");
    t.chartTitle = QStringLiteral("한길 hatch Oper Assy 발주 및 출하량");
    t.axisMax = 20000;
    t.axisStep = 2000;
    t.sizePx = QSize(28432 / 15, 15584 / 15); // 15 twips a pixel
    return t;
}

QString frm_S_ImgSHow_Suju::statement() const {
    return BoardStatements::suju(Clock::today());
}
