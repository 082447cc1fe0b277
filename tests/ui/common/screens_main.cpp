// Shows one of the shared screen components with sample content, for screenshots:
//   ui_common_screens <chart|frmKey2|frmKey2_English|frmKey2_EnglishandNum|frmKey2_jaju|
//                      frm_MSG_001|frm_MSG_002|frm_MSG_003|frm_MSG_004|frm_MSG_Start|frm_MSG_End|frmImgShow>
#include "ui/common/chartview.h"
#include "ui/common/frm_msg_001.h"
#include "ui/common/frm_msg_002.h"
#include "ui/common/frm_msg_003.h"
#include "ui/common/frm_msg_004.h"
#include "ui/common/frm_msg_end.h"
#include "ui/common/frm_msg_start.h"
#include "ui/common/frmimgshow.h"
#include "ui/common/frmkey2.h"
#include "ui/common/frmkey2_english.h"
#include "ui/common/frmkey2_englishandnum.h"
#include "ui/common/frmkey2_jaju.h"

#include <QApplication>
#include <QColor>
#include <QLabel>
#include <QLinearGradient>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {
void fillChart(ChartView* chart) {
    chart->clearData(7);
    chart->clearData(0);
    chart->openData(2, 3);
    const double values[2][3] = {{12400, 8650, 15300}, {11800, 9020, 0}};
    for (int s = 0; s < 2; ++s)
        for (int p = 0; p < 3; ++p)
            if (s == 0 || p < 2)
                chart->setValue(s, p, values[s][p]);
    chart->setPointLabel(0, QStringLiteral("03-04"));
    chart->setPointLabel(1, QStringLiteral("03-05"));
    chart->setPointLabel(2, QStringLiteral("03-06"));
    chart->setSeriesColor(0, QColor(0, 112, 192));
    chart->setSeriesColor(1, QColor(255, 128, 0));
    chart->setSeriesName(0, QStringLiteral("수주량"));
    chart->setSeriesName(1, QStringLiteral("출하량"));
    chart->setLegendVisible(true);
    chart->setValueAxis(0, 20000, 2000, 0, QStringLiteral("단위 : (EA)"));
    chart->setLabelAxis(0, QString());
    chart->setTopTitle(QStringLiteral("수주 / 출하 현황"));
    chart->closeData();
}
// Opens the keyboard and presses the keys once it is up.
int showKeyboard(KeyboardBase& kb, const QStringList& keys) {
    kb.move(200, 160);
    QTimer::singleShot(200, &kb, [&kb, keys] {
        for (const QString& k : keys)
            if (auto* key = kb.findChild<QPushButton*>(k))
                key->click();
    });
    return kb.showModal();
}

// A wide sample picture, so the stretching to the square window shows.
QPixmap samplePicture() {
    QPixmap p(900, 450);
    QPainter painter(&p);
    QLinearGradient g(0, 0, 900, 450);
    g.setColorAt(0, QColor(40, 90, 160));
    g.setColorAt(1, QColor(200, 220, 240));
    painter.fillRect(p.rect(), g);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPoint(450, 225), 200, 200);
    QFont f;
    f.setPixelSize(48);
    f.setBold(true);
    painter.setFont(f);
    painter.drawText(p.rect(), Qt::AlignCenter, QStringLiteral("검사 기준 사진"));
    return p;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("chart");
    QMainWindow main;
    main.setObjectName(QStringLiteral("frm_S_jakupjisi_list"));
    main.setGeometry(0, 0, 1280, 1024);
    main.setStyleSheet(QStringLiteral("QMainWindow { background: #c8ccd4; }"));
    if (which == QLatin1String("chart")) {
        auto* chart = new ChartView(&main);
        main.setCentralWidget(chart);
        fillChart(chart);
        main.show();
        return app.exec();
    }
    main.show();
    if (which == QLatin1String("frmKey2")) {
        frmKey2 kb(&main);
        return showKeyboard(
            kb, {QStringLiteral("cmd1"), QStringLiteral("cmd2"), QStringLiteral("cmd5")});
    }
    if (which == QLatin1String("frmKey2_jaju")) {
        frmKey2_jaju kb(&main);
        return showKeyboard(
            kb, {QStringLiteral("cmd3"), QStringLiteral("Command3"), QStringLiteral("cmd2")});
    }
    if (which == QLatin1String("frmKey2_English")) {
        frmKey2_English kb(&main);
        return showKeyboard(kb, {QStringLiteral("cmdl"), QStringLiteral("cmdo"),
                                 QStringLiteral("Command15"), QStringLiteral("cmdt")});
    }
    if (which == QLatin1String("frmKey2_EnglishandNum")) {
        frmKey2_EnglishandNum kb(&main);
        return showKeyboard(kb, {QStringLiteral("cmdz"), QStringLiteral("cmd1"),
                                 QStringLiteral("cmd0"), QStringLiteral("cmd7")});
    }
    if (which == QLatin1String("frm_MSG_001")) {
        frm_MSG_001 d(&main);
        d.Lb_msg->setText(QStringLiteral("작업지시가 없습니다."));
        return d.showModal();
    }
    if (which == QLatin1String("frm_MSG_002")) {
        frm_MSG_002 d(&main);
        return d.showModal();
    }
    if (which == QLatin1String("frm_MSG_003")) {
        frm_MSG_003 d(&main);
        return d.showModal();
    }
    if (which == QLatin1String("frm_MSG_004")) {
        frm_MSG_004 d(&main);
        return d.showModal();
    }
    if (which == QLatin1String("frm_MSG_Start")) {
        frm_MSG_Start d(&main);
        return d.showModal();
    }
    if (which == QLatin1String("frm_MSG_End")) {
        frm_MSG_End d(&main);
        return d.showModal();
    }
    if (which == QLatin1String("frmImgShow")) {
        gfSHOW_PICTURE(samplePicture(), &main);
        return app.exec();
    }
    std::fprintf(stderr, "unknown component\n");
    return 2;
}
