// Shows the production list board, the quality board or the picture board on the demo plant
// of today, for the screenshots in docs/screenshots:
//   boards_quality_screens frm_S_ImgSHow_One|frm_S_Pumzil_Chart_Show|frm_S_ImgSHow_Two <folder>
// The database is created in the empty folder from db/schema.sql and the demo plant.
#include "boards/frm_s_imgshow_one.h"
#include "boards/frm_s_imgshow_two.h"
#include "boards/frm_s_pumzil_chart_show.h"
#include "core/localsettings.h"
#include "core/moddb.h"
#include "core/platform/apppaths.h"
#include "tests/support/sampleprogram.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {
// A drawing of the part (named by the part number) in the picture folder, and the grey
// fallback picture.
void writePictures(const QString& partNumber) {
    QDir().mkpath(AppPaths::file(QStringLiteral("img")));
    QImage fallback(320, 240, QImage::Format_RGB32);
    fallback.fill(QColor(0xd9, 0xdd, 0xe3));
    fallback.save(frm_S_ImgSHow_Two::fallbackFile(), "PNG");
    QImage part(1200, 675, QImage::Format_RGB32);
    part.fill(Qt::white);
    QPainter p(&part);
    p.setPen(QPen(QColor(30, 60, 120), 8));
    p.drawRoundedRect(250, 150, 700, 380, 60, 60);
    p.drawEllipse(QPoint(450, 340), 90, 90);
    p.drawEllipse(QPoint(750, 340), 90, 90);
    p.setFont(QFont(QStringLiteral("NanumGothic"), 40, QFont::Bold));
    p.drawText(QRect(0, 560, 1200, 100), Qt::AlignCenter, partNumber);
    p.end();
    part.save(
        frm_S_ImgSHow_Two::pictureFile(frm_S_ImgSHow_Two::pictureFolder(QString()), partNumber),
        "JPG");
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QStringList screens = {QStringLiteral("frm_S_ImgSHow_One"),
                                 QStringLiteral("frm_S_Pumzil_Chart_Show"),
                                 QStringLiteral("frm_S_ImgSHow_Two")};
    if (args.size() != 3 || !screens.contains(args[1])) {
        std::fprintf(stderr, "usage: %s %s <empty folder>\n", argv[0],
                     qPrintable(screens.join(QLatin1Char('|'))));
        return 2;
    }
    if (!SampleProgram::createDemoDatabase(args[2]) || !gfDB_OPEN())
        return 1;
    QWidget* screen = nullptr;
    if (args[1] == screens[2]) {
        const QVariantList run = gfGET_ROW(
            QStringLiteral("SELECT TOP 1 B_E.img_ip, B_JM.pumbun FROM B_JAKUPJISI_MASTER B_JM "
                           "JOIN B_EQUIPMENT B_E ON B_E.equipment_code = B_JM.equipment_code "
                           "WHERE B_E.monitor = '2' AND B_JM.end_yn = '2' AND "
                           "B_JM.real_jakup = '1'"),
            QStringLiteral("demo"));
        if (run.size() < 2) {
            std::fprintf(stderr, "the demo plant has no running order on a picture display\n");
            return 1;
        }
        LocalSettings::current().localIp = run[0].toString();
        writePictures(run[1].toString());
        auto* board = new frm_S_ImgSHow_Two;
        board->lsQuery();
        screen = board;
    } else {
        ImgShowBoard* board = args[1] == screens[0]
                                  ? static_cast<ImgShowBoard*>(new frm_S_ImgSHow_One)
                                  : static_cast<ImgShowBoard*>(new frm_S_Pumzil_Chart_Show);
        board->lsQuery();
        screen = board;
    }
    screen->move(0, 0);
    screen->show();
    return app.exec();
}
