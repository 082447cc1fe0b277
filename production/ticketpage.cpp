#include "production/ticketpage.h"

#include "production/code39painter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {
constexpr double kTwipsPerInch = 1440;
constexpr double kTicketWidth = 7935;
constexpr double kRightOffset = 7937;
const QColor kGrey(200, 200, 200);

// Fonts in twips (a point is 20 twips): the painter works in twips.
QFont font(double pt, bool bold = true, bool arial = false) {
    QFont f;
    f.setFamilies(arial ? QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                      QStringLiteral("NanumGothic")}
                        : QStringList{QStringLiteral("Gulim"), QStringLiteral("NanumGothic")});
    f.setPixelSize(std::max(1, int(pt * 20 + 0.5)));
    f.setBold(bold);
    return f;
}

struct Text {
    double x, y, w, h;
    double pt;
    Qt::Alignment align;
    const char* caption; // fixed text, or null
    const char* field;   // field name (the right ticket adds "2" when `second`), or null
    bool second = true;  // the right ticket reads the second column
};

// The ticket's texts: captions, fixed texts and bound fields.
const Text kTexts[] = {
    {300, 307, 2265, 465, 18, Qt::AlignLeft, "부품식별표", nullptr},
    {2340, 307, 2265, 465, 18, Qt::AlignLeft, "  (주)ORV", nullptr},
    {5100, 630, 1950, 270, 9, Qt::AlignRight, nullptr, "세부전표번호"},
    {300, 1050, 1410, 360, 12, Qt::AlignHCenter, "차 종", nullptr},
    {1710, 1000, 2280, 360, 15, Qt::AlignHCenter, nullptr, "차종명"},
    {3990, 1050, 1410, 360, 12, Qt::AlignHCenter, "납품장소", nullptr},
    {5415, 960, 2250, 540, 18, Qt::AlignHCenter, "(주)ORV", nullptr},
    {300, 1750, 1410, 360, 12, Qt::AlignHCenter, "품 번", nullptr},
    {1710, 1750, 5945, 345, 15, Qt::AlignHCenter, nullptr, "품번"},
    {300, 2500, 1410, 360, 12, Qt::AlignHCenter, "수량", nullptr},
    {1710, 2500, 5945, 360, 15, Qt::AlignHCenter, nullptr, "용기수량"},
    {300, 3250, 1410, 360, 12, Qt::AlignHCenter, "생산일자", nullptr},
    {1710, 3250, 5945, 360, 15, Qt::AlignHCenter, nullptr, "작업일자"},
    {300, 4035, 1410, 360, 12, Qt::AlignHCenter, "LOT_NO", nullptr},
    {1740, 4035, 3135, 360, 15, Qt::AlignHCenter, nullptr, "LOT_NO"},
    {300, 4800, 1410, 360, 12, Qt::AlignHCenter, "작업자", nullptr},
    {1710, 4800, 3135, 345, 15, Qt::AlignHCenter, nullptr, "작업자"},
    {4860, 4065, 795, 345, 12, Qt::AlignHCenter, "검", nullptr},
    {4845, 4680, 795, 345, 12, Qt::AlignHCenter, "사", nullptr},
};

// The cell rectangles of one ticket.
const QRectF kCells[] = {
    // caption column
    {300, 800, 1410, 750},
    {300, 1550, 1410, 750},
    {300, 2300, 1410, 750},
    {300, 3050, 1410, 750},
    {300, 3800, 1410, 775},
    {300, 4575, 1410, 725},
    // value cells
    {1710, 800, 2280, 750},
    {3990, 800, 1410, 750},
    {5400, 800, 2250, 750},
    {1710, 1550, 5945, 750},
    {1710, 2300, 5945, 750},
    {1710, 3050, 5945, 750},
    {1710, 3800, 3135, 775},
    {1710, 4575, 3135, 725},
    // inspection and stamp cells
    {4845, 3800, 795, 1505},
    {5640, 3800, 2010, 1500},
};

const QRectF kBarcodeBox(4230, 230, 3465, 675);
const QRectF kLargeCar(1725, 2355, 3465, 2340);

QString valueOf(const QVariantMap& record, const QString& name) {
    return record.value(name).toString();
}

// The bar code: bars above the run number strip, its text ("*number*") on the strip left of
// the right-aligned run number (which ends at `runLeft`), shrunk until it fits there.
void drawBarcode(QPainter& p, double dx, const QString& text, double runLeft) {
    const QRectF box = kBarcodeBox.translated(dx, 0);
    const QRectF bars(box.left(), box.top(), box.width(), 630 - box.top() - 20);
    // The asterisks are the start and stop characters the symbol adds itself.
    QString data = text.trimmed();
    if (data.startsWith(QLatin1Char('*')) && data.endsWith(QLatin1Char('*')) && data.size() > 1)
        data = data.mid(1, data.size() - 2);
    Code39Painter::paint(p, bars, data);
    const QRectF strip(box.left(), 630, std::max(0.0, runLeft - 60 - box.left()), 270);
    double pt = 9;
    QFont f = font(pt, false, true);
    while (pt > 4 && QFontMetricsF(f).horizontalAdvance(text) > strip.width())
        f = font(pt -= 0.25, false, true);
    p.setFont(f);
    p.drawText(strip, int(Qt::AlignLeft | Qt::AlignVCenter), text);
}

void drawTicket(QPainter& p, double dx, bool right, const QVariantMap& record) {
    p.setFont(font(50.25));
    p.setPen(kGrey);
    p.drawText(kLargeCar.translated(dx, 0), int(Qt::AlignCenter),
               valueOf(record, QStringLiteral("차종명3")));
    p.setPen(QPen(Qt::black, 15));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(right ? kTicketWidth : 0, 0, kTicketWidth, TicketPage::kHeight));
    p.setPen(QPen(Qt::black, 10));
    for (const QRectF& c : kCells)
        p.drawRect(c.translated(dx, 0));
    for (const Text& t : kTexts) {
        QString text;
        if (t.caption) {
            text = QString::fromUtf8(t.caption);
        } else {
            QString name = QString::fromUtf8(t.field);
            if (right && t.second)
                name += QLatin1Char('2');
            text = valueOf(record, name);
        }
        p.setFont(font(t.pt));
        p.drawText(QRectF(t.x + dx, t.y, t.w, t.h), int(t.align | Qt::AlignVCenter), text);
    }
    const QString run =
        valueOf(record, right ? QStringLiteral("세부전표번호2") : QStringLiteral("세부전표번호"));
    const double runLeft = 5100 + 1950 + dx - QFontMetricsF(font(9)).horizontalAdvance(run);
    drawBarcode(p, dx, valueOf(record, QStringLiteral("바코드")), runLeft);
}
} // namespace

namespace TicketPage {

void draw(QPainter& p, const QSize& area, int dpi, const QVariantMap& record) {
    const double perTwip = dpi / kTwipsPerInch;
    const double fit =
        std::min({1.0, area.width() / (kWidth * perTwip), area.height() / (kHeight * perTwip)});
    const double scale = perTwip * fit;
    p.save();
    p.translate((area.width() - kWidth * scale) / 2, 0);
    p.scale(scale, scale);
    drawTicket(p, 0, false, record);
    drawTicket(p, kRightOffset, true, record);
    p.restore();
}

} // namespace TicketPage
