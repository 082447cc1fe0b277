#include "production/boxlabel.h"

#include "core/platform/textcodec.h"

#include <QChar>

#include <cmath>
#include <limits>
#include <optional>

namespace {

std::optional<double> number(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return v;
}

// Field data behind ^FH\: the characters that would end the field or start a command, and
// the escape character itself, as \hh.
QString fieldData(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('^'))
            out += QStringLiteral("\\5E");
        else if (c == QLatin1Char('~'))
            out += QStringLiteral("\\7E");
        else if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\5C");
        else
            out += c;
    }
    return out;
}

QString field(const QString& head, const QString& value) {
    return head + fieldData(value) + QStringLiteral("^FS");
}

// Characters, not UTF-16 units: a character outside the basic plane is one.
qsizetype characters(const QString& text) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++n)
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
    return n;
}

bool longerThanNine(const QString& text) {
    return characters(text) > 9;
}

// The pieces before the barcode: set-up, frame, rules and captions (1 to 24).
QStringList fixedPieces() {
    return {
        QString(QChar(16)) + QStringLiteral("CT~~CD,~CC^~CT~"),
        QStringLiteral("^XA~TA000~JSN^LT0^MNW^MTT^PON^PMN^LH0,0^JMA^PR2,2~SD15^JUS^LRN^CI0^XZ"),
        QStringLiteral("^XA"),
        QStringLiteral("^MMT"),
        QStringLiteral("^PW799"),
        QStringLiteral("^LL0759"),
        QStringLiteral("^LS0"),
        QStringLiteral("^FO22,30^GB765,715,8^FS"),
        QStringLiteral("^FT44,99^A0N,73,72^FH\\^FDORV CORP^FS"),
        QStringLiteral("^FO25,112^GB755,0,3^FS"),
        QStringLiteral("^FO25,467^GB755,0,3^FS"),
        QStringLiteral("^FO25,522^GB755,0,3^FS"),
        QStringLiteral("^FO25,678^GB550,0,3^FS"),
        QStringLiteral("^FO25,181^GB755,0,3^FS"),
        QStringLiteral("^FT55,367^A0N,34,33^FH\\^FDNO^FS"),
        QStringLiteral("^FT35,723^A0N,34,33^FH\\^FDQTY / BOX^FS"),
        QStringLiteral("^FT602,511^A0N,34,33^FH\\^FDJUDGMENT^FS"),
        QStringLiteral("^FT165,511^A0N,34,33^FH\\^FDDELIVERY LOT NO^FS"),
        QStringLiteral("^FT39,316^A0N,34,33^FH\\^FDPART^FS"),
        QStringLiteral("^FT35,163^A0N,34,33^FH\\^FDCONTROL NUMBER^FS"),
        QStringLiteral("^FO123,184^GB0,286,3^FS"),
        QStringLiteral("^FO303,115^GB0,67,3^FS"),
        QStringLiteral("^FO183,682^GB0,59,3^FS"),
        QStringLiteral("^FO575,470^GB0,267,3^FS"),
    };
}

} // namespace

namespace BoxLabel {

QString boxCount(const QString& good, const QString& pack) {
    const std::optional<double> q = pack.trimmed().isEmpty() ? 0.0 : number(pack);
    const std::optional<double> g = number(good);
    if (!q || !g || *q == 0)
        return QStringLiteral("0");
    const double whole = std::floor(*g / *q);
    const bool fits = std::fmod(*g, *q) == 0;
    return QString::number(qint64(fits ? whole : whole + 1));
}

QString deliveryLot(const QString& lotNo) {
    // Whole characters: half of a pair would reach the printer as a replacement character.
    qsizetype end = 0;
    for (int n = 0; n < 7 && end < lotNo.size(); ++n)
        end += lotNo.at(end).isHighSurrogate() && end + 1 < lotNo.size() &&
                       lotNo.at(end + 1).isLowSurrogate()
                   ? 2
                   : 1;
    return lotNo.left(end);
}

QStringList pieces(Size size, const Values& v) {
    QStringList p = fixedPieces();
    p << (size == Size::Big ? QStringLiteral("^BY4,3,92^FT230,380^BCN,,N,N")
                            : QStringLiteral("^BY4,3,92^FT270,380^BCN,,N,N"));
    p << QStringLiteral("^FD>;") + v.runNumber + QStringLiteral("^FS");
    p << field(QStringLiteral("^FT325,165^A0N,50,35^FH\\^FD"), v.partNumber);
    p << field(longerThanNine(v.customerPartNumber)
                   ? QStringLiteral("^FT230,255^A0N,70,50^FH\\^FD")
                   : QStringLiteral("^FT290,255^A0N,80,60^FH\\^FD"),
               v.customerPartNumber);
    p << field(longerThanNine(v.productName) ? QStringLiteral("^FT210,450^A0N,80,35^FH\\^FD")
                                             : QStringLiteral("^FT385,450^A0N,80,45^FH\\^FD"),
               v.productName);
    p << field(QStringLiteral("^FT95,630^A0N,90,50^FH\\^FD"), v.lot);
    p << field(QStringLiteral("^FT335,720^A0N,35,35^FH\\^FD"), v.quantity);
    p << QStringLiteral("^PQ") + v.count + QStringLiteral(",0,1,Y^XZ");
    return p;
}

QString joined(const QStringList& pieces) {
    QString text;
    for (const QString& piece : pieces)
        text += piece + QLatin1Char('\n');
    return text;
}

QByteArray bytes(const QString& text) {
    return TextCodec::toSystem(text);
}

QString countColumn(Size size) {
    return size == Size::Big ? QStringLiteral("대출력수") : QStringLiteral("소출력수");
}

QString quantityColumn(Size size) {
    return size == Size::Big ? QStringLiteral("대포장수량") : QStringLiteral("소포장수량");
}

QString buttonColumn(Size size) {
    return size == Size::Big ? QStringLiteral("바코드대포장") : QStringLiteral("바코드소포장");
}

} // namespace BoxLabel
