#include "production/operationsheetprinter.h"

#include "production/code39painter.h"
#include "production/operationsheetlayout.h"
#include "ui/common/printtarget.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
using namespace OperationSheetLayout;

// A spreadsheet character of the sheet, in points on paper.
constexpr double kPointsPerCharacter = 7;
constexpr double kPadding = 6;

double columnWidth(int col) {
    return kColumnWidths[col - 1] * kPointsPerCharacter;
}

QFont font(int pointSize) {
    QFont f(QStringLiteral("굴림"));
    // The painter works in points, so a pixel here is a point on paper.
    f.setPixelSize(pointSize);
    f.setBold(true);
    return f;
}

void text(QPainter& p, const QRectF& box, const QString& s, int pointSize, Qt::Alignment align) {
    p.setFont(font(pointSize));
    p.drawText(box.adjusted(kPadding, 0, -kPadding, 0), int(align | Qt::AlignVCenter), s);
}

// B7: the bars in the upper part of the cell, the scan text under them.
void barcode(QPainter& p, const QRectF& box, const QString& s) {
    QString data = s;
    if (data.startsWith(QLatin1Char('*')) && data.endsWith(QLatin1Char('*')) && data.size() >= 2)
        data = data.mid(1, data.size() - 2);
    const QRectF bars(box.left() + kPadding, box.top() + 4, box.width() - 2 * kPadding,
                      box.height() * 0.62);
    if (!Code39Painter::paint(p, bars, data)) {
        text(p, box, s, kValuePt, Qt::AlignLeft);
        return;
    }
    const QRectF under(box.left(), bars.bottom(), box.width(), box.bottom() - bars.bottom());
    text(p, under, s, kCaptionPt - 2, Qt::AlignHCenter);
}
} // namespace

namespace OperationSheetPrinter {

QSizeF size() {
    double w = 0;
    double h = 0;
    for (int c = 1; c <= kCols; ++c)
        w += columnWidth(c);
    for (int r = 1; r <= kRows; ++r)
        h += rowHeight(r);
    return {w, h};
}

void paint(QPainter& p, const QPointF& origin, const QList<OperationSheet::Cell>& cells) {
    QString values[kRows + 1];
    QString title;
    for (const OperationSheet::Cell& c : cells) {
        if (c.row == 1 && c.col == 1)
            title = c.text;
        else if (c.col == 2 && c.row >= 2 && c.row <= kRows)
            values[c.row] = c.text;
    }
    p.save();
    p.setPen(QPen(Qt::black, 0.75));
    const double a = columnWidth(1);
    const double b = columnWidth(2);
    double top = origin.y();
    const QRectF titleBox(origin.x(), top, a + b, rowHeight(1));
    p.drawRect(titleBox);
    text(p, titleBox, title, kTitlePt, Qt::AlignHCenter);
    top += rowHeight(1);
    for (int r = 2; r <= kRows; ++r) {
        const QRectF captionBox(origin.x(), top, a, rowHeight(r));
        const QRectF valueBox(origin.x() + a, top, b, rowHeight(r));
        p.fillRect(captionBox, QColor(224, 224, 224));
        p.drawRect(captionBox);
        p.drawRect(valueBox);
        text(p, captionBox, caption(r), kCaptionPt, Qt::AlignHCenter);
        if (r == kBarcodeRow)
            barcode(p, valueBox, values[r]);
        else
            text(p, valueBox, values[r], kValuePt, Qt::AlignLeft);
        top += rowHeight(r);
    }
    p.restore();
}

bool print(const QList<OperationSheet::Cell>& cells, QString* error) {
    QPrinter printer(QPrinter::HighResolution);
    if (!PrintTarget::applyPdf(printer) && QPrinterInfo::defaultPrinter().isNull()) {
        *error = QStringLiteral("no default printer");
        return false;
    }
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    QPainter p;
    if (!p.begin(&printer)) {
        *error = QStringLiteral("the printer cannot start");
        return false;
    }
    const double dpi = printer.resolution();
    p.scale(dpi / 72.0, dpi / 72.0);
    const QRectF paper = printer.paperRect(QPrinter::Point);
    // Centred across the page, an inch from the top, as the sheet prints.
    const QSizeF s = size();
    paint(p, QPointF(paper.left() + (paper.width() - s.width()) / 2, paper.top() + 72), cells);
    return p.end();
}

} // namespace OperationSheetPrinter
