// Spreadsheet export and printing of a grid.
#include "ui/common/clsspread.h"

#include "core/notifier.h"
#include "core/platform/apppaths.h"
#include "core/platform/clock.h"
#include "ui/common/desktopopener.h"
#include "ui/common/messagebox.h"
#include "ui/common/spreadmodel.h"
#include "ui/common/spreadpagelayout.h"
#include "ui/common/spreadprinter.h"
#include "ui/common/spreadview.h"
#include "ui/common/spreadxlsxwriter.h"

#include <QDir>
#include <QUrl>
#include <QWidget>

namespace {
QString caption(const QWidget* screen) {
    return screen ? screen->windowTitle() : QString();
}

SpreadPageLayout pageLayout(const SpreadModel& m, const QString& centreHeader, const QString& left,
                            const QString& right, bool landscape) {
    SpreadPageLayout l;
    l.header = QStringLiteral("&L&10") + SpreadPageLayout::literal(left) + QStringLiteral("&C") +
               centreHeader + QStringLiteral("&R&10") + SpreadPageLayout::literal(right);
    l.footer = QStringLiteral("&C&N페이지 중 &P페이지");
    l.landscape = landscape;
    l.headerRows = m.headerRows();
    l.dataRows = m.maxRows();
    return l;
}
} // namespace

QString clsSpread::exportFileName(const QString& caption, const QDateTime& at) {
    QString name = caption;
    // "/" goes as the export always did; the other characters a file name cannot hold go
    // too, so a caption never points outside the excel folder or fails to save.
    for (const QChar c : QStringLiteral("/\\:*?\"<>|"))
        name.remove(c);
    return AppPaths::programFolder() + QStringLiteral("/excel/") + name +
           at.toString(QStringLiteral("yyMMddHHmmss")) + QStringLiteral(".xlsx");
}

bool clsSpread::exportTo(QWidget* screen, const QString& centreHeader, const QString& left,
                         const QString& right, bool landscape, QString* file) {
    if (MaxRows() == 0) {
        MessageBox::warning(
            appTitle(),
            QStringLiteral("현재 레코드가 존재하지 않습니다\n엑셀로 변환할 데이터가 없습니다"));
        return false;
    }
    *file = exportFileName(caption(screen), Clock::now());
    QDir().mkpath(AppPaths::programFolder() + QStringLiteral("/excel"));
    // The sheet is written from the grid's contents directly: the grid's rows are never
    // touched, so it shows exactly what it showed whatever happens below.
    QString error;
    if (!SpreadXlsxWriter::write(
            *model(), *file, pageLayout(*model(), centreHeader, left, right, landscape), &error)) {
        MessageBox::warning(appTitle(), QStringLiteral("엑셀 파일을 저장할 수 없습니다.\n") +
                                            *file + QStringLiteral("\n") + error);
        return false;
    }
    return true;
}

bool clsSpread::Excel_Convert(QWidget* screen, const QString& centre, const QString& left,
                              const QString& right) {
    const QString title = centre.isEmpty() ? caption(screen) : centre;
    QString file;
    if (!exportTo(screen, QStringLiteral("&24") + SpreadPageLayout::literal(title), left, right,
                  true, &file))
        return false;
    if (!DesktopOpener::open(QUrl::fromLocalFile(file))) {
        MessageBox::warning(appTitle(), QStringLiteral("엑셀 파일을 열 수 없습니다.\n") + file);
        return false;
    }
    return true;
}

bool clsSpread::Excel_Print(QWidget* screen, const QString& centre, const QString& left,
                            const QString& right, int orientation) {
    const QString header = centre.isEmpty()
                               ? QStringLiteral("&24") + SpreadPageLayout::literal(caption(screen))
                               : SpreadPageLayout::literal(centre);
    const bool landscape = orientation == 2;
    QString file;
    if (!exportTo(screen, header, left, right, landscape, &file))
        return false;
    QString error;
    if (!SpreadPrinter::print(*model(), pageLayout(*model(), header, left, right, landscape),
                              &error)) {
        MessageBox::warning(appTitle(), QStringLiteral("인쇄할 수 없습니다.\n") + error);
        return false;
    }
    return true;
}
