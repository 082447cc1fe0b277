#include "boards/frm_s_imgshow_sangsan.h"

#include "boards/boardstatements.h"
#include "core/platform/clock.h"

frm_S_ImgSHow_Sangsan::frm_S_ImgSHow_Sangsan(QWidget* parent) : TotalsBoard(texts(), parent) {
    setObjectName(QStringLiteral("frm_S_ImgSHow_Sangsan"));
}

BoardTexts frm_S_ImgSHow_Sangsan::texts() {
    BoardTexts t;
    t.title = QStringLiteral("지시대비 생산현황");
    t.colIds = {QStringLiteral("전일지시"), QStringLiteral("전일생산"), QStringLiteral("당일지시"),
                QStringLiteral("당일생산"), QStringLiteral("명일지시")};
    t.headerTexts = {QStringLiteral("지시수량"), QStringLiteral("생산수량"),
                     QStringLiteral("지시수량"), QStringLiteral("생산수량"),
                     QStringLiteral("지시수량")};
    t.groupTexts = {QStringLiteral("전일"), QStringLiteral("당일"), QStringLiteral("명일")};
    t.pointLabels = t.groupTexts;
    t.series0 = QStringLiteral("지시량");
    t.series1 = QStringLiteral("생산량");
    t.chartTitle = QStringLiteral("생산현황");
    t.axisMax = 2000;
    t.axisStep = 200;
    t.sizePx = QSize(28500 / 15, 15600 / 15); // 15 twips a pixel
    return t;
}

QString frm_S_ImgSHow_Sangsan::statement() const {
    return BoardStatements::sangsan(Clock::today());
}
