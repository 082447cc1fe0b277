// Feeds arbitrary texts to the barcode texts of production: a lot scan either reads as a
// lot and a material that print back to an equivalent scan, or as no lot at all; a printed
// move sheet scan reads back as the lot and material it was printed from; a box label
// keeps its 32 commands whatever its values hold, each escaped field decoding to its value.
#include "core/platform/textcodec.h"
#include "production/boxlabel.h"
#include "production/lotbarcode.h"

#include <QString>
#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void fail(const char* what, const QString& text) {
    std::fprintf(stderr, "barcode_fuzz: %s: %s\n", what, qPrintable(text));
    std::abort();
}

QString take(FuzzedDataProvider& in, size_t max) {
    return QString::fromStdString(in.ConsumeRandomLengthString(max));
}

// Asterisks and line ends, which a scan drops, anywhere in the text.
bool hasScanNoise(const QString& s) {
    return s.contains(QLatin1Char('*')) || s.contains(QLatin1Char('\r')) ||
           s.contains(QLatin1Char('\n'));
}

void checkScan(const QString& scanned) {
    const std::optional<LotBarcode> got = LotBarcode::parse(scanned);
    QString bare = scanned;
    bare.remove(QLatin1Char('*')).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    if (!got) {
        // Refused only when no slash has text on both sides of it.
        const qsizetype slash = bare.lastIndexOf(QLatin1Char('/'));
        if (slash > 0 && slash < bare.size() - 1)
            fail("a lot scan refused", scanned);
        return;
    }
    if (got->lot.isEmpty() || got->material.isEmpty() || hasScanNoise(got->lot) ||
        hasScanNoise(got->material) || got->material.contains(QLatin1Char('/')))
        fail("a scan read into a malformed lot or material", scanned);
    if (got->lot + QLatin1Char('/') + got->material != bare)
        fail("a scan lost or added text", scanned);
    if (LotBarcode::parse(LotBarcode::text(got->lot, got->material)) != got)
        fail("a lot prints to a scan that reads otherwise", scanned);
}

void checkPrintedScan(const QString& lot, const QString& material) {
    if (lot.isEmpty() || material.isEmpty() || hasScanNoise(lot) || hasScanNoise(material) ||
        material.contains(QLatin1Char('/')))
        return;
    if (LotBarcode::parse(LotBarcode::text(lot, material)) != LotBarcode{lot, material})
        fail("a printed scan reads back otherwise", LotBarcode::text(lot, material));
}

qsizetype commands(const QString& s) {
    return s.count(QLatin1Char('^')) + s.count(QLatin1Char('~'));
}

// Field data behind ^FH\ with its \hh escapes decoded; the escape of a "^" or "~" left in
// the data fails.
QString decoded(const QString& data) {
    QString out;
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (data.at(i) == QLatin1Char('^') || data.at(i) == QLatin1Char('~'))
            fail("field data starts a command", data);
        if (data.at(i) != QLatin1Char('\\')) {
            out += data.at(i);
            continue;
        }
        bool ok = false;
        const int code = data.mid(i + 1, 2).toInt(&ok, 16);
        if (!ok || data.mid(i + 1, 2).size() != 2)
            fail("a broken escape in field data", data);
        out += QChar(code);
        i += 2;
    }
    return out;
}

// Piece `index` is the head ending in "^FD", the value's field data and "^FS".
void checkField(const QStringList& pieces, int index, const QString& value) {
    const QString& p = pieces.at(index);
    const qsizetype start = p.indexOf(QStringLiteral("^FH\\^FD"));
    if (start < 0 || !p.endsWith(QStringLiteral("^FS")))
        fail("a field lost its frame", p);
    const qsizetype from = start + 7;
    if (decoded(p.mid(from, p.size() - from - 3)) != value)
        fail("a field does not decode to its value", p);
}

void checkLabel(BoxLabel::Size size, const BoxLabel::Values& v) {
    const QStringList fixed = BoxLabel::pieces(size, BoxLabel::Values{});
    const QStringList p = BoxLabel::pieces(size, v);
    if (p.size() != 32)
        fail("a label without 32 pieces", p.join(QLatin1Char('|')));
    for (int i = 0; i < 25; ++i)
        if (p.at(i) != fixed.at(i))
            fail("a fixed piece changed", p.at(i));
    // The run number and the print count are sent as they are.
    if (p.at(25) != QStringLiteral("^FD>;") + v.runNumber + QStringLiteral("^FS") ||
        p.at(31) != QStringLiteral("^PQ") + v.count + QStringLiteral(",0,1,Y^XZ"))
        fail("the run number or count piece differs", p.at(25) + p.at(31));
    checkField(p, 26, v.partNumber);
    checkField(p, 27, v.customerPartNumber);
    checkField(p, 28, v.productName);
    checkField(p, 29, v.lot);
    checkField(p, 30, v.quantity);
    const QString text = BoxLabel::joined(p);
    if (commands(text) !=
        commands(BoxLabel::joined(fixed)) + commands(v.runNumber) + commands(v.count))
        fail("a value added a command", text);
    if (text != p.join(QLatin1Char('\n')) + QLatin1Char('\n'))
        fail("pieces joined otherwise", text);
    if (TextCodec::fromSystem(BoxLabel::bytes(text)) != text)
        fail("the label's bytes read back otherwise", text);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 16 * 1024)
        return 0;
    FuzzedDataProvider in(data, size);
    const QString lot = take(in, 64);
    const QString material = take(in, 64);
    checkPrintedScan(lot, material);
    BoxLabel::Values v;
    for (QString* field : {&v.runNumber, &v.partNumber, &v.customerPartNumber, &v.productName,
                           &v.quantity, &v.count})
        *field = take(in, 40);
    const QString runLot = take(in, 40);
    v.lot = BoxLabel::deliveryLot(runLot);
    const qsizetype wanted = qMin<qsizetype>(7, runLot.toUcs4().size());
    if (!runLot.startsWith(v.lot) || v.lot.toUcs4().size() != wanted)
        fail("a delivery lot other than the lot's first 7 characters", v.lot);
    checkLabel(in.ConsumeBool() ? BoxLabel::Size::Big : BoxLabel::Size::Small, v);
    checkScan(QString::fromStdString(in.ConsumeRemainingBytesAsString()));
    return 0;
}
