#include "ui/common/spreadprinter.h"

#include "ui/common/printtarget.h"
#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadmodel.h"
#include "ui/common/spreadpagelayout.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace {
constexpr double kRowPt = 15;       // a sheet row
constexpr double kHeaderRowPt = 18; // a header row
constexpr double kCellFontPt = 10;
constexpr double kDefaultCodeFontPt = 11;

// The painter works in points (scaled to the printer's resolution), and a font's point
// size is already converted to the device's pixels: sizes are divided back once.
double gFontFactor = 1;

QFont fontOf(double pt, bool bold = false) {
    QFont f(QStringLiteral("Arial"));
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("NanumGothic")});
    f.setPointSizeF(std::max(0.5, pt) * gFontFactor);
    f.setBold(bold);
    return f;
}

SpreadPrinter::Setup& setupHook() {
    static SpreadPrinter::Setup s;
    return s;
}

// A spreadsheet column of w characters is about 7 w + 5 pixels at 96 dpi.
double columnPt(double units) {
    return (units * 7 + 5) * 0.75;
}

struct Geometry {
    QList<int> cols;  // visible grid columns
    QList<double> x;  // left edge of each, in points from the table's left
    double width = 0; // table width in points
};

Geometry geometry(const SpreadModel& m) {
    Geometry g;
    for (int c = 1; c <= m.maxCols(); ++c) {
        if (m.column(c).hidden)
            continue;
        g.cols << c;
        g.x << g.width;
        g.width += columnPt(m.column(c).width);
    }
    return g;
}

class PagePainter {
public:
    PagePainter(QPainter& p, const SpreadModel& m, const SpreadPageLayout& l, const Geometry& g,
                QRectF content, double scale)
        : m_p(p), m_m(m), m_l(l), m_g(g), m_content(content), m_scale(scale) {
        m_left = content.left() + (content.width() - g.width * scale) / 2;
    }

    void headerRows() {
        for (int r = 0; r < m_l.headerRows; ++r) {
            for (int i = 0; i < m_g.cols.size(); ++i) {
                const int col = m_g.cols.at(i);
                const SpreadModel::HeaderSpan* s = m_m.headerSpanAt(r, col);
                if (s && (r != s->headerRow || col != firstVisible(s->col)))
                    continue;
                const int cols = s ? std::max(1, s->cols - (firstVisible(s->col) - s->col)) : 1;
                const int rows = s ? std::min(s->rows, m_l.headerRows - r) : 1;
                const QRectF cell(x(i), m_top + r * kHeaderRowPt * m_scale, spanWidth(i, cols),
                                  rows * kHeaderRowPt * m_scale);
                m_p.fillRect(cell, QColor(217, 222, 253));
                drawCell(cell, m_m.headerText(s ? s->headerRow : r, s ? s->col : col),
                         Qt::AlignCenter, true);
            }
        }
    }

    void dataRows(int first, int count) {
        const double top = m_top + m_l.headerRows * kHeaderRowPt * m_scale;
        for (int k = 0; k < count; ++k) {
            const int row = first + k;
            for (int i = 0; i < m_g.cols.size(); ++i) {
                const int col = m_g.cols.at(i);
                const QRectF cell(x(i), top + k * kRowPt * m_scale, spanWidth(i, 1),
                                  kRowPt * m_scale);
                const int type = m_m.cellType(row, col);
                const QString text = type == SpreadCellType::CheckBox ? m_m.value(row, col)
                                                                      : m_m.displayText(row, col);
                const Qt::Alignment a = m_m.hAlign(row, col) == 1   ? Qt::AlignRight
                                        : m_m.hAlign(row, col) == 2 ? Qt::AlignHCenter
                                                                    : Qt::AlignLeft;
                drawCell(cell, text, a | Qt::AlignVCenter, false);
            }
        }
    }

    void setTop(double top) { m_top = top; }

private:
    int firstVisible(int col) const {
        for (int c = std::max(1, col); c <= m_m.maxCols(); ++c)
            if (!m_m.column(c).hidden)
                return c;
        return col;
    }
    double x(int i) const { return m_left + m_g.x.at(i) * m_scale; }
    double spanWidth(int i, int cols) const {
        const int last = std::min(int(m_g.cols.size()) - 1, i + cols - 1);
        const double right = m_g.x.at(last) + columnPt(m_m.column(m_g.cols.at(last)).width);
        return (right - m_g.x.at(i)) * m_scale;
    }
    void drawCell(const QRectF& cell, const QString& text, Qt::Alignment a, bool bold) {
        m_p.setPen(QPen(Qt::black, 0));
        m_p.drawRect(cell);
        m_p.setFont(fontOf(kCellFontPt * m_scale, bold));
        m_p.drawText(cell.adjusted(2 * m_scale, 0, -2 * m_scale, 0), int(a), text);
    }

    QPainter& m_p;
    const SpreadModel& m_m;
    const SpreadPageLayout& m_l;
    const Geometry& m_g;
    QRectF m_content;
    double m_scale;
    double m_left = 0;
    double m_top = 0;
};

void drawCodes(QPainter& p, const QString& codes, const QRectF& band, Qt::Alignment v, int page,
               int pages) {
    const QChar parts[] = {QLatin1Char('L'), QLatin1Char('C'), QLatin1Char('R')};
    const Qt::Alignment h[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (int i = 0; i < 3; ++i) {
        double size = kDefaultCodeFontPt;
        const QString text = SpreadPrinter::expand(codes, parts[i], page, pages, &size);
        if (text.isEmpty())
            continue;
        p.setFont(fontOf(size));
        p.setPen(Qt::black);
        p.drawText(band, int(h[i] | v), text);
    }
}
} // namespace

SpreadPrinter::Setup SpreadPrinter::setSetup(Setup setup) {
    Setup previous = std::move(setupHook());
    setupHook() = std::move(setup);
    return previous;
}

QString SpreadPrinter::expand(const QString& codes, QChar part, int page, int pages,
                              double* fontSize) {
    QString out;
    QChar current = QLatin1Char('C'); // text before any section code is centred
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const QChar ch = codes.at(i);
        if (ch != QLatin1Char('&') || i + 1 >= codes.size()) {
            if (current == part)
                out += ch;
            continue;
        }
        const QChar code = codes.at(++i);
        if (code == QLatin1Char('L') || code == QLatin1Char('C') || code == QLatin1Char('R')) {
            current = code;
        } else if (code == QLatin1Char('&')) {
            if (current == part)
                out += code;
        } else if (code == QLatin1Char('P')) {
            if (current == part)
                out += QString::number(page);
        } else if (code == QLatin1Char('N')) {
            if (current == part)
                out += QString::number(pages);
        } else if (code.isDigit()) {
            qsizetype end = i;
            while (end < codes.size() && codes.at(end).isDigit())
                ++end;
            if (current == part && fontSize)
                *fontSize = codes.mid(i, end - i).toDouble();
            i = end - 1;
        }
    }
    return out;
}

bool SpreadPrinter::print(const SpreadModel& model, const SpreadPageLayout& layout,
                          QString* error) {
    QPrinter printer(QPrinter::HighResolution);
    if (setupHook()) {
        setupHook()(printer);
    } else if (!PrintTarget::applyPdf(printer) && QPrinterInfo::defaultPrinter().isNull()) {
        if (error)
            *error = QStringLiteral("no default printer");
        return false;
    }
    printer.setPageOrientation(layout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setFullPage(true);
    QPainter p;
    if (!p.begin(&printer)) {
        if (error)
            *error = QStringLiteral("the printer cannot start");
        return false;
    }
    // Work in points on the whole sheet of paper.
    const double dpi = printer.resolution();
    p.scale(dpi / 72.0, dpi / 72.0);
    gFontFactor = 72.0 / dpi;
    const QRectF paper = printer.paperRect(QPrinter::Point);
    const QRectF content = paper.adjusted(layout.marginLeft * 72, layout.marginTop * 72,
                                          -layout.marginRight * 72, -layout.marginBottom * 72);
    const Geometry g = geometry(model);
    const double scale = g.width > content.width() ? content.width() / g.width : 1.0;
    const double headerPt = layout.headerRows * kHeaderRowPt * scale;
    const int perPage = std::max(1, int((content.height() - headerPt) / (kRowPt * scale)));
    const int pages = std::max(1, int(std::ceil(double(layout.dataRows) / perPage)));
    PagePainter pp(p, model, layout, g, content, scale);
    pp.setTop(content.top());
    const QRectF headerBand(content.left(), paper.top() + layout.headerMargin * 72, content.width(),
                            content.top() - paper.top() - layout.headerMargin * 72);
    const QRectF footerBand(content.left(), content.bottom(), content.width(),
                            paper.bottom() - content.bottom() - layout.footerMargin * 72);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            printer.newPage();
        drawCodes(p, layout.header, headerBand, Qt::AlignTop, page, pages);
        drawCodes(p, layout.footer, footerBand, Qt::AlignBottom, page, pages);
        pp.headerRows();
        const int first = (page - 1) * perPage + 1;
        pp.dataRows(first, std::min(perPage, layout.dataRows - first + 1));
    }
    return p.end();
}
