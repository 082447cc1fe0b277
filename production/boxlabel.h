#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Box labels for the serial label printer, in ZPL II: the box counts of the production
// history and the label text for a small or a big box.
namespace BoxLabel {

enum class Size { Small, Big };

// What one label prints, as text.
struct Values {
    QString runNumber;          // production result number: the Code 128 data
    QString partNumber;         // control number field ("NULL" when the product has none)
    QString customerPartNumber; // part field
    QString productName;
    QString lot;      // delivery lot, at most 7 characters (deliveryLot)
    QString quantity; // quantity per box
    QString count;    // print quantity after ^PQ
};

// Number of boxes for a good quantity and a pack quantity: the quotient, plus one for a
// last box partly filled; "0" when the pack quantity is 0, empty or not a number, or the
// good quantity is not a number.
QString boxCount(const QString& good, const QString& pack);

// The delivery lot field: the first 7 characters of the run's lot number; a character
// outside the basic plane counts as one and is never split.
QString deliveryLot(const QString& lotNo);

// The 32 commands of the label, values spliced in. Field data behind ^FH is written with
// ^, ~ and \ as hexadecimal escapes, so a value cannot end its field or start a command.
QStringList pieces(Size size, const Values& values);
// The small-box form: every piece followed by a line feed, as one text.
QString joined(const QStringList& pieces);
// The bytes of a text as written to the port (system code page).
QByteArray bytes(const QString& text);

// Column IDs of the production history grid for a box size.
QString countColumn(Size size);    // "소출력수" / "대출력수"
QString quantityColumn(Size size); // "소포장수량" / "대포장수량"
QString buttonColumn(Size size);   // "바코드소포장" / "바코드대포장"

} // namespace BoxLabel
