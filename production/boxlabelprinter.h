#pragma once

#include "production/boxlabel.h"

#include <QString>

// One row of the production history as a box label reads it (grid cells as text).
struct BoxLabelRow {
    QString count;       // "소출력수" / "대출력수"
    QString quantity;    // "소포장수량" / "대포장수량"
    QString productCode; // "product_code"
    QString runNumber;   // "생산실적순번"
};

// Prints box labels on the label printer's serial port: 9600 baud, 8 data bits, no
// parity, 1 stop bit, opened for each label and closed after it. The product's name and
// part numbers and the run's lot are read from the database.
class BoxLabelPrinter {
public:
    // location: the caller's location name for the database helpers.
    explicit BoxLabelPrinter(const QString& location, const QString& portName = configuredPort());

    // Prints the label of one row. A count of "0" shows "소포장출력수가 0 입니다." /
    // "대포장출력수가 0 입니다." and leaves the port closed; a failed look-up, open or write
    // shows "프린터의 연결상태를 확인하세요!!". True when the whole label was sent.
    bool print(BoxLabel::Size size, const BoxLabelRow& row);

    // The values the label prints for a row (database look-ups, "NULL" for empty product
    // texts); false when the product cannot be read.
    bool gather(const BoxLabelRow& row, BoxLabel::Values* values) const;

    // Sends the label: the big box as 32 writes, the small box as one joined text. Opens and
    // closes the port; false when it cannot be opened or a write fails.
    bool send(BoxLabel::Size size, const BoxLabel::Values& values);

    const QString& portName() const { return m_port; }

    // LocalSettings::labelPort (conf.ini LOCAL_SETTING/LabelPort).
    static QString configuredPort();
    // True when a label port is set and present on this machine, so the label columns of
    // the production history can be offered.
    static bool portConfigured();

private:
    QString m_location;
    QString m_port;
};
